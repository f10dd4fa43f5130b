// Icon objects behind HICON: their pixels and the table that issues and checks their handles.
// Handles are never reused, so a stale handle finds nothing instead of another icon.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/api/types.h"

namespace layer::user {

// One icon image as 0xAARRGGBB pixels, top row first, with straight (not premultiplied) alpha.
// Pixels the icon's mask leaves transparent have alpha 0.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;

    uint32_t At(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }
};

class IconTable {
  public:
    static IconTable& Instance();

    // Takes the image and returns a handle that was never issued before. Shared icons (loaded
    // with LR_SHARED or by LoadIconA) belong to the system and survive DestroyIcon.
    HICON Add(IconImage image, bool shared);
    // The live image behind a handle, or null.
    const IconImage* Find(HICON icon) const;
    bool IsShared(HICON icon) const;
    // Destroys a non-shared icon; false when the handle is not a live icon.
    bool Remove(HICON icon);
    size_t LiveCount() const { return icons_.size(); }

  private:
    struct Entry {
        IconImage image;
        bool shared = false;
    };
    std::map<uintptr_t, Entry> icons_;
    uintptr_t nextHandle_ = 0x00C00010;
};

// The pixels of a live icon, or null after SetLastError(ERROR_INVALID_CURSOR_HANDLE).
const IconImage* FindIconOrFail(HICON icon);

}  // namespace layer::user

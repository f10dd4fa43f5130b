// The font files behind the layer's faces: fontconfig finds them, FreeType opens them once per
// process, and every realised font shares the open face.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace layer::text {

// An open face and the family name it answers to.
struct FaceEntry {
    FT_Face face = nullptr;
    std::string family;  // UTF-8, as fontconfig names it
    bool hasBold = false;
};

class FaceLibrary {
  public:
    // The family that the default face is pinned to.
    static constexpr const char* kDefaultFamily = "WenQuanYi Micro Hei";

    static FaceLibrary& Instance();

    // The face for a family name (UTF-8, any case): that family when fontconfig has it, the
    // default face for an empty or unknown name. Never null: without any usable font the
    // process cannot draw text, and that fails fast.
    const FaceEntry& FaceFor(std::string_view family, bool bold);

    std::mutex& GlyphLock() { return glyphLock_; }

  private:
    FaceLibrary();
    const FaceEntry* Open(const std::string& pattern, std::string_view requiredFamily, bool bold);

    FT_Library library_ = nullptr;
    std::mutex lock_;
    std::mutex glyphLock_;
    std::unordered_map<std::string, FaceEntry> facesByFile_;
    std::unordered_map<std::string, const FaceEntry*> facesByRequest_;
};

}  // namespace layer::text

// The table of live icon objects.
#include "platform/user/icons/icon_table.h"

#include <cstdio>
#include <cstdlib>

#include "platform/api/kernel32.h"
#include "platform/api/resources.h"

namespace layer::user {

IconTable& IconTable::Instance() {
    static IconTable table;
    return table;
}

HICON IconTable::Add(IconImage image, bool shared) {
    if (image.width <= 0 || image.height <= 0 ||
        image.argb.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) {
        std::fprintf(stderr, "IconTable::Add: an icon of %d x %d holds %zu pixels\n", image.width,
                     image.height, image.argb.size());
        std::abort();
    }
    const uintptr_t value = nextHandle_;
    nextHandle_ += 4;
    icons_.emplace(value, Entry{std::move(image), shared});
    return reinterpret_cast<HICON>(value);
}

const IconImage* IconTable::Find(HICON icon) const {
    auto found = icons_.find(reinterpret_cast<uintptr_t>(icon));
    return found != icons_.end() ? &found->second.image : nullptr;
}

bool IconTable::IsShared(HICON icon) const {
    auto found = icons_.find(reinterpret_cast<uintptr_t>(icon));
    return found != icons_.end() && found->second.shared;
}

bool IconTable::Remove(HICON icon) {
    return icons_.erase(reinterpret_cast<uintptr_t>(icon)) != 0;
}

const IconImage* FindIconOrFail(HICON icon) {
    const IconImage* image = IconTable::Instance().Find(icon);
    if (image == nullptr) {
        SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    }
    return image;
}

}  // namespace layer::user

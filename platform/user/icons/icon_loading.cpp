// LoadIconA, LoadImageA, CopyIcon and DestroyIcon: icons from the executable's embedded .ico
// resources, from .ico files and from the system's own artwork.
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>

#include "platform/api/kernel32.h"
#include "platform/api/resources.h"
#include "platform/api/user32.h"
#include "platform/kernel/embedded_resources.h"
#include "platform/user/icons/icon_file.h"
#include "platform/user/icons/icon_table.h"
#include "platform/user/icons/system_icons.h"

using namespace layer::user;

namespace {

// Icons larger than this are refused rather than allocated.
constexpr int kLargestIconSide = 1024;

// Shared icons are loaded once per resource and size; later loads return the same handle.
using SharedKey = std::tuple<HINSTANCE, std::string, int, int>;
std::map<SharedKey, HICON>& SharedIcons() {
    static std::map<SharedKey, HICON> icons;
    return icons;
}

std::string ResourceName(LPCSTR name) {
    if (IS_INTRESOURCE(name)) {
        return "#" + std::to_string(reinterpret_cast<uintptr_t>(name));
    }
    return name;
}

// The requested size, or the size an image of its own would have (0 asks for that).
struct RequestedSize {
    int width = 0;
    int height = 0;
};

// Picks and decodes the image of an .ico file that best fits the request, skipping images it
// cannot decode, and brings it to the requested size.
std::optional<IconImage> IconFromFile(std::span<const uint8_t> file, RequestedSize size) {
    std::optional<std::vector<IconFileEntry>> entries = ReadIconDirectory(file);
    if (!entries) {
        return std::nullopt;
    }
    const int targetWidth = size.width != 0 ? size.width : GetSystemMetrics(SM_CXICON);
    const int targetHeight = size.height != 0 ? size.height : GetSystemMetrics(SM_CYICON);
    while (!entries->empty()) {
        const size_t chosen = ChooseIconEntry(*entries, targetWidth, targetHeight);
        if (std::optional<IconImage> image = DecodeIconImage((*entries)[chosen].image)) {
            return ResampleIcon(*image, size.width != 0 ? size.width : image->width,
                                size.height != 0 ? size.height : image->height);
        }
        entries->erase(entries->begin() + static_cast<ptrdiff_t>(chosen));
    }
    return std::nullopt;
}

std::optional<IconImage> SystemIcon(LPCSTR name, RequestedSize size) {
    if (!IS_INTRESOURCE(name)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return std::nullopt;
    }
    // The artwork is square; its own size is the system's icon size.
    const int side = size.width != 0 ? size.width : GetSystemMetrics(SM_CXICON);
    std::optional<IconImage> image =
        DrawSystemIcon(static_cast<WORD>(reinterpret_cast<uintptr_t>(name)), side);
    if (!image) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return std::nullopt;
    }
    if (size.height != 0 && size.height != side) {
        return ResampleIcon(*image, side, size.height);
    }
    return image;
}

std::optional<IconImage> ModuleIcon(HINSTANCE instance, LPCSTR name, RequestedSize size) {
    if (instance != GetModuleHandleA(nullptr)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return std::nullopt;
    }
    const layer::kernel::EmbeddedResource* resource =
        layer::kernel::FindEmbeddedResource(ResourceName(name));
    if (resource == nullptr) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return std::nullopt;
    }
    std::optional<IconImage> image = IconFromFile({resource->bytes, resource->size}, size);
    if (!image) {
        SetLastError(ERROR_INVALID_DATA);
    }
    return image;
}

std::optional<IconImage> FileIcon(LPCSTR path, RequestedSize size) {
    if (IS_INTRESOURCE(path)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return std::nullopt;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(stream),
                                     std::istreambuf_iterator<char>()};
    std::optional<IconImage> image = IconFromFile(bytes, size);
    if (!image) {
        SetLastError(ERROR_INVALID_DATA);
    }
    return image;
}

HICON LoadIconImage(HINSTANCE instance, LPCSTR name, int width, int height, UINT flags) {
    if (name == nullptr || width < 0 || height < 0 || width > kLargestIconSide ||
        height > kLargestIconSide) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    RequestedSize size{width, height};
    if ((flags & LR_DEFAULTSIZE) != 0) {
        size.width = width != 0 ? width : GetSystemMetrics(SM_CXICON);
        size.height = height != 0 ? height : GetSystemMetrics(SM_CYICON);
    }
    if ((flags & LR_LOADFROMFILE) != 0) {
        std::optional<IconImage> image = FileIcon(name, size);
        return image ? IconTable::Instance().Add(std::move(*image), false) : nullptr;
    }
    const bool shared = (flags & LR_SHARED) != 0;
    const SharedKey key{instance, ResourceName(name), size.width, size.height};
    if (shared) {
        auto found = SharedIcons().find(key);
        if (found != SharedIcons().end()) {
            return found->second;
        }
    }
    std::optional<IconImage> image =
        instance == nullptr ? SystemIcon(name, size) : ModuleIcon(instance, name, size);
    if (!image) {
        return nullptr;
    }
    HICON icon = IconTable::Instance().Add(std::move(*image), shared);
    if (shared) {
        SharedIcons().emplace(key, icon);
    }
    return icon;
}

}  // namespace

HANDLE WINAPI LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height,
                         UINT flags) {
    switch (type) {
        case IMAGE_ICON:
            return LoadIconImage(instance, name, width, height, flags);
        case IMAGE_CURSOR:
            // Only the system's cursors exist; the executable embeds none.
            if (instance == nullptr && (flags & LR_LOADFROMFILE) == 0) {
                return LoadCursorA(nullptr, name);
            }
            SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
            return nullptr;
        case IMAGE_BITMAP:
            // The executable embeds no bitmap resources.
            SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
            return nullptr;
        default:
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
    }
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    return LoadIconImage(instance, name, 0, 0, LR_DEFAULTSIZE | LR_SHARED);
}

HICON WINAPI CopyIcon(HICON icon) {
    const IconImage* image = FindIconOrFail(icon);
    if (image == nullptr) {
        return nullptr;
    }
    return IconTable::Instance().Add(*image, false);
}

BOOL WINAPI DestroyIcon(HICON icon) {
    IconTable& table = IconTable::Instance();
    if (table.Find(icon) == nullptr) {
        SetLastError(ERROR_INVALID_CURSOR_HANDLE);
        return FALSE;
    }
    // Shared icons belong to the system: destroying one succeeds and leaves it alive.
    if (!table.IsShared(icon)) {
        table.Remove(icon);
    }
    return TRUE;
}

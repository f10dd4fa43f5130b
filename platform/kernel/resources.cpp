// FindResourceA, LoadResource, LockResource and SizeofResource over the embedded .ico resources.
// Each embedded icon appears as the system lays icons out in an executable: one RT_GROUP_ICON
// directory under the icon's name and one RT_ICON image per size, numbered from 1.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/api/kernel32.h"
#include "platform/api/resources.h"
#include "platform/kernel/embedded_resources.h"

namespace {

constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kFileEntrySize = 16;
constexpr size_t kGroupEntrySize = 14;
constexpr uintptr_t kFirstHandle = 0x00D00010;

struct ResourceRecord {
    WORD type = 0;
    std::string name;  // empty for a numbered resource
    WORD id = 0;
    std::vector<uint8_t> ownedBytes;  // the group directories built here
    const uint8_t* bytes = nullptr;
    size_t size = 0;
};

uint32_t Read32(const uint8_t* at) {
    return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24;
}

// Adds one embedded .ico file as a group directory and its images; a malformed file adds nothing.
void AddIconFile(std::vector<std::unique_ptr<ResourceRecord>>& records, const std::string& name,
                 const uint8_t* file, size_t size, WORD& nextIconId) {
    if (size < kDirectoryHeaderSize || file[0] != 0 || file[1] != 0 || file[2] != 1 ||
        file[3] != 0) {
        return;
    }
    const size_t count = file[4] | file[5] << 8;
    if (count == 0 || size < kDirectoryHeaderSize + count * kFileEntrySize) {
        return;
    }
    auto group = std::make_unique<ResourceRecord>();
    group->type = 14;
    group->name = name;
    group->ownedBytes.assign(file, file + kDirectoryHeaderSize);
    std::vector<std::unique_ptr<ResourceRecord>> images;
    for (size_t index = 0; index < count; ++index) {
        const uint8_t* entry = file + kDirectoryHeaderSize + index * kFileEntrySize;
        const uint32_t imageSize = Read32(entry + 8);
        const uint32_t offset = Read32(entry + 12);
        if (offset > size || imageSize > size - offset) {
            return;
        }
        auto image = std::make_unique<ResourceRecord>();
        image->type = 3;
        image->id = nextIconId++;
        image->bytes = file + offset;
        image->size = imageSize;
        // The group entry is the file's entry with the image's number in place of its offset.
        group->ownedBytes.insert(group->ownedBytes.end(), entry, entry + 12);
        group->ownedBytes.push_back(static_cast<uint8_t>(image->id & 0xFF));
        group->ownedBytes.push_back(static_cast<uint8_t>(image->id >> 8));
        images.push_back(std::move(image));
    }
    group->bytes = group->ownedBytes.data();
    group->size = group->ownedBytes.size();
    static_assert(kDirectoryHeaderSize + kGroupEntrySize == 20);
    records.push_back(std::move(group));
    for (auto& image : images) {
        records.push_back(std::move(image));
    }
}

// Built on first use, after every static registration has run.
std::vector<std::unique_ptr<ResourceRecord>>& Records(const std::vector<std::string>& names) {
    static std::vector<std::unique_ptr<ResourceRecord>> records;
    static size_t seen = 0;
    static WORD nextIconId = 1;
    for (; seen < names.size(); ++seen) {
        const layer::kernel::EmbeddedResource* resource =
            layer::kernel::FindEmbeddedResource(names[seen]);
        if (resource != nullptr) {
            AddIconFile(records, resource->name, resource->bytes, resource->size, nextIconId);
        }
    }
    return records;
}

std::vector<std::unique_ptr<ResourceRecord>>& AllRecords() {
    return Records(layer::kernel::EmbeddedResourceNames());
}

bool SameName(const std::string& a, const char* b) {
    size_t index = 0;
    for (; index < a.size() && b[index] != '\0'; ++index) {
        auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        if (upper(a[index]) != upper(b[index])) {
            return false;
        }
    }
    return index == a.size() && b[index] == '\0';
}

ResourceRecord* RecordOf(HRSRC resource) {
    const uintptr_t value = reinterpret_cast<uintptr_t>(resource);
    auto& records = AllRecords();
    if (value < kFirstHandle || (value - kFirstHandle) % 4 != 0 ||
        (value - kFirstHandle) / 4 >= records.size()) {
        return nullptr;
    }
    return records[(value - kFirstHandle) / 4].get();
}

}  // namespace

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    if (module != nullptr && module != GetModuleHandleA(nullptr)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    if (name == nullptr || type == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto& records = AllRecords();
    bool typeFound = false;
    for (size_t index = 0; index < records.size(); ++index) {
        const ResourceRecord& record = *records[index];
        if (!IS_INTRESOURCE(type) ||
            record.type != static_cast<WORD>(reinterpret_cast<uintptr_t>(type))) {
            continue;
        }
        typeFound = true;
        const bool matches =
            IS_INTRESOURCE(name)
                ? record.name.empty() &&
                      record.id == static_cast<WORD>(reinterpret_cast<uintptr_t>(name))
                : !record.name.empty() && SameName(record.name, name);
        if (matches) {
            return reinterpret_cast<HRSRC>(kFirstHandle + index * 4);
        }
    }
    SetLastError(typeFound ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC resource) {
    const ResourceRecord* record = RecordOf(resource);
    if (record == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    // Resources stay loaded for the life of the process; the handle is the data's address.
    return const_cast<uint8_t*>(record->bytes);
}

LPVOID WINAPI LockResource(HGLOBAL data) {
    return data;
}

DWORD WINAPI SizeofResource(HMODULE, HRSRC resource) {
    const ResourceRecord* record = RecordOf(resource);
    if (record == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return static_cast<DWORD>(record->size);
}

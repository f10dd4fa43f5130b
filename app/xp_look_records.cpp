// The XP look's records: a small list searched by window handle.
#include "app/xp_look_records.h"

#include <algorithm>

namespace quorvane {

XpLookRecords& XpLookRecords::Instance() {
    static XpLookRecords records;
    return records;
}

bool XpLookRecords::Add(const XpLookRecord& record) {
    if (Find(record.window).has_value()) {
        return false;
    }
    records_.push_back(record);
    return true;
}

std::optional<XpLookRecord> XpLookRecords::Find(HWND window) const {
    auto found =
        std::find_if(records_.begin(), records_.end(),
                     [window](const XpLookRecord& record) { return record.window == window; });
    if (found == records_.end()) {
        return std::nullopt;
    }
    return *found;
}

bool XpLookRecords::Update(const XpLookRecord& record) {
    for (XpLookRecord& existing : records_) {
        if (existing.window == record.window) {
            existing = record;
            return true;
        }
    }
    return false;
}

bool XpLookRecords::Remove(HWND window) {
    auto found =
        std::find_if(records_.begin(), records_.end(),
                     [window](const XpLookRecord& record) { return record.window == window; });
    if (found == records_.end()) {
        return false;
    }
    records_.erase(found);
    return true;
}

std::vector<HWND> XpLookRecords::Windows() const {
    std::vector<HWND> windows;
    windows.reserve(records_.size());
    for (const XpLookRecord& record : records_) {
        windows.push_back(record.window);
    }
    return windows;
}

}  // namespace quorvane

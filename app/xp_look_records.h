// The list of windows the XP look has restyled, one record per window handle.
#pragma once

#include <optional>
#include <vector>

#include "app/xp_look_record.h"

namespace quorvane {

// Records are copied in and out rather than handed out by pointer: a window procedure that the
// look calls may switch the look off or on again, which removes and remakes records.
class XpLookRecords {
  public:
    static XpLookRecords& Instance();

    // Adds the record; false when the window has one already.
    bool Add(const XpLookRecord& record);
    std::optional<XpLookRecord> Find(HWND window) const;
    // Replaces the record of record.window; false when the window has none.
    bool Update(const XpLookRecord& record);
    bool Remove(HWND window);
    std::vector<HWND> Windows() const;
    bool Empty() const { return records_.empty(); }

  private:
    std::vector<XpLookRecord> records_;
};

}  // namespace quorvane

// The table of live GDI objects: it issues handles that are never reused, checks every lookup and
// counts what is alive, so that stale or made-up handles fail cleanly and tests see leaks.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

#include "platform/gdi/gdi_object.h"

namespace layer::gdi {

class ObjectTable {
  public:
    // Takes ownership of the object and returns its new handle.
    HGDIOBJ Add(std::unique_ptr<GdiObject> object);
    // The live object behind a handle, or null.
    GdiObject* Find(HGDIOBJ handle) const;
    template <typename T>
    T* FindAs(HGDIOBJ handle, ObjectKind kind) const {
        GdiObject* object = Find(handle);
        return object != nullptr && object->Kind() == kind ? static_cast<T*>(object) : nullptr;
    }
    // Destroys the object; its handle never becomes valid again.
    void Remove(HGDIOBJ handle);

    // Live objects that are not stock objects.
    size_t LiveCount() const;

    // Calls visit for every live device context.
    void ForEachDeviceContext(const std::function<void(HDC, DeviceContext&)>& visit) const;

    // True when a device context has the object selected now or in a saved state.
    bool IsInUse(HGDIOBJ handle) const;

    // Destroys the objects whose deletion waited for the last DC to let go of them.
    void CollectPending();

  private:
    uintptr_t nextHandle_ = 0x00A00010;
    std::unordered_map<uintptr_t, std::unique_ptr<GdiObject>> objects_;
};

// The process's one table. GDI runs on the GUI thread only.
ObjectTable& Objects();

// The live DC behind a handle; a handle that is not one sets ERROR_INVALID_HANDLE and gives null.
DeviceContext* CheckedDC(HDC dc);

}  // namespace layer::gdi

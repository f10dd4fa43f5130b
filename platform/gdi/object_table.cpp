// ObjectTable: handle issue, checked lookup, deferred deletion and the live count.
#include "platform/gdi/object_table.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/gdi/diagnostics.h"

namespace layer::gdi {

namespace {

uintptr_t Key(HGDIOBJ handle) {
    return reinterpret_cast<uintptr_t>(handle);
}

bool StateUses(const DrawingState& state, HGDIOBJ handle) {
    return state.brush == handle || state.pen == handle || state.font == handle ||
           state.bitmap == handle;
}

}  // namespace

HGDIOBJ ObjectTable::Add(std::unique_ptr<GdiObject> object) {
    // Handles step by four so that they look like the aligned values Windows hands out; the
    // counter only grows, so a handle is never issued twice.
    const uintptr_t key = nextHandle_;
    nextHandle_ += 4;
    if (nextHandle_ < key) {
        std::fprintf(stderr, "gdi: the handle counter ran out\n");
        std::abort();
    }
    objects_.emplace(key, std::move(object));
    return reinterpret_cast<HGDIOBJ>(key);
}

GdiObject* ObjectTable::Find(HGDIOBJ handle) const {
    auto found = objects_.find(Key(handle));
    return found == objects_.end() ? nullptr : found->second.get();
}

void ObjectTable::Remove(HGDIOBJ handle) {
    objects_.erase(Key(handle));
}

size_t ObjectTable::LiveCount() const {
    size_t count = 0;
    for (const auto& [key, object] : objects_) {
        if (!object->stock) {
            ++count;
        }
    }
    return count;
}

void ObjectTable::ForEachDeviceContext(
    const std::function<void(HDC, DeviceContext&)>& visit) const {
    for (const auto& [key, object] : objects_) {
        if (object->Kind() == ObjectKind::DeviceContext) {
            visit(reinterpret_cast<HDC>(key), *static_cast<DeviceContextObject*>(object.get())->dc);
        }
    }
}

bool ObjectTable::IsInUse(HGDIOBJ handle) const {
    bool used = false;
    ForEachDeviceContext([&](HDC, DeviceContext& dc) {
        if (StateUses(dc.State(), handle)) {
            used = true;
        }
        for (const DrawingState& saved : dc.SavedStates()) {
            if (StateUses(saved, handle)) {
                used = true;
            }
        }
    });
    return used;
}

void ObjectTable::CollectPending() {
    std::vector<uintptr_t> unused;
    for (const auto& [key, object] : objects_) {
        if (object->deletePending && !IsInUse(reinterpret_cast<HGDIOBJ>(key))) {
            unused.push_back(key);
        }
    }
    for (uintptr_t key : unused) {
        objects_.erase(key);
    }
}

ObjectTable& Objects() {
    static ObjectTable* table = new ObjectTable();
    return *table;
}

size_t LiveObjectCount() {
    return Objects().LiveCount();
}

}  // namespace layer::gdi

// The handlers that the main window's form binds to its events: the created event of the window
// switches the XP look on, the clicked event of the draw button runs the draw command.
#pragma once

#include <cstdint>

namespace quorvane {

using EventHandler = void (*)();

struct EventBinding {
    uint32_t windowNumber;
    uint32_t controlNumber;
    int32_t eventNumber;
    EventHandler handler;
};

// The handler bound to this event of this control, or nullptr when the event is unbound.
EventHandler FindEventHandler(uint32_t windowNumber, uint32_t controlNumber, int32_t eventNumber);

}  // namespace quorvane

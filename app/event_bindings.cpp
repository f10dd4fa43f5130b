// The event bindings of the main window's form and the two handlers.
#include "app/event_bindings.h"

#include <array>

#include "app/xp_look.h"
#include "draw/draw.h"
#include "window/control_draw_host.h"
#include "window/form.h"
#include "window/main_window.h"
#include "window/shell_link.h"

namespace quorvane {
namespace {

constexpr int32_t kXpLookScheme = 2;

void OnMainWindowCreated() {
    SetXpLook(kXpLookScheme);
}

void OnDrawButtonClicked() {
    MainWindow* window = MainWindow::Find(kMainWindowNumber);
    if (window == nullptr) {
        FailFatally("未找到引发事件的窗口", 0);
    }
    ControlDrawHost host(*window);
    draw::RunDrawCommand(host);
}

constexpr std::array<EventBinding, 2> kBindings = {{
    {kMainWindowNumber, kMainWindowEntry, kCreatedEvent, &OnMainWindowCreated},
    {kMainWindowNumber, kDrawButton, kClickedEvent, &OnDrawButtonClicked},
}};

}  // namespace

EventHandler FindEventHandler(uint32_t windowNumber, uint32_t controlNumber, int32_t eventNumber) {
    for (const EventBinding& binding : kBindings) {
        if (binding.windowNumber == windowNumber && binding.controlNumber == controlNumber &&
            binding.eventNumber == eventNumber) {
            return binding.handler;
        }
    }
    return nullptr;
}

}  // namespace quorvane

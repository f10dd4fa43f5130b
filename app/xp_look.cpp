// Switching the XP look on and off: visiting the thread's windows, watching the windows it creates
// through a CBT hook, and putting the look's procedure in front of each restyled control's own.
#include "app/xp_look.h"

#include <new>
#include <vector>

#include "app/xp_look_classification.h"
#include "app/xp_look_procedure.h"
#include "app/xp_look_records.h"
#include "window/guard_window_procedure.h"

namespace quorvane {
namespace {

int32_t storedScheme = 1;
bool lookOn = false;
HHOOK creationHook = nullptr;
DWORD lookThread = 0;

constexpr UINT kWholeRepaint =
    RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ERASENOW | RDW_UPDATENOW;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// Every top-level window of the thread followed by all its descendants.
std::vector<HWND> ThreadWindows(DWORD thread) {
    std::vector<HWND> topLevel;
    ::EnumThreadWindows(thread, &CollectWindow, reinterpret_cast<LPARAM>(&topLevel));
    std::vector<HWND> all;
    for (HWND window : topLevel) {
        all.push_back(window);
        ::EnumChildWindows(window, &CollectWindow, reinterpret_cast<LPARAM>(&all));
    }
    return all;
}

XpLookState InitialState(HWND window, XpControlKind kind, DWORD style, bool created) {
    XpLookState state;
    state.disabled = (style & WS_DISABLED) != 0;
    state.focused = !created && ::GetFocus() == window;
    switch (kind) {
        case XpControlKind::PushButton:
        case XpControlKind::CheckBox:
        case XpControlKind::RadioButton:
        case XpControlKind::GroupBox:
            state.defaultButton = (style & 0x1F) == BS_DEFPUSHBUTTON;
            // A window that is only being created has not handled its creation messages yet,
            // so it is not asked; a new button is unchecked.
            if (!created) {
                const LRESULT check = ::SendMessageA(window, BM_GETCHECK, 0, 0);
                state.checked = check == BST_CHECKED;
                state.indeterminate = check == BST_INDETERMINATE;
            }
            break;
        case XpControlKind::EditBox:
            state.readOnly = (style & ES_READONLY) != 0;
            break;
        case XpControlKind::ComboBox:
            state.dropDownList = (style & kComboTypeMask) == kComboDropDownList;
            break;
        case XpControlKind::UpDown:
            state.horizontal = (style & kUpDownHorizontal) != 0;
            break;
        case XpControlKind::ComboList:
            break;
    }
    return state;
}

// An up-down control marks its restyled buddy edit box with the side its arrows are on.
void MarkBuddy(HWND upDown, DWORD style) {
    auto buddy = reinterpret_cast<HWND>(::SendMessageA(upDown, kUpDownGetBuddy, 0, 0));
    std::optional<XpLookRecord> record = XpLookRecords::Instance().Find(buddy);
    if (buddy == nullptr || !record || record->kind != XpControlKind::EditBox) {
        return;
    }
    record->state.arrowsRight = (style & kUpDownAlignRight) != 0;
    record->state.arrowsLeft = (style & kUpDownAlignLeft) != 0;
    XpLookRecords::Instance().Update(*record);
}

// Restyles the window if it qualifies. A window that is being created is not repainted: its first
// paint comes after its creation messages and erases first.
void Restyle(HWND window, const WindowTraits& traits, bool created) {
    const std::optional<XpControlKind> kind = ClassifyForXpLook(traits);
    if (!kind || XpLookRecords::Instance().Find(window)) {
        return;
    }
    XpLookRecord record;
    record.window = window;
    record.kind = *kind;
    record.state = InitialState(window, *kind, traits.style, created);
    // A window the look let go while another procedure stood in front of it still has the
    // look's procedure in its chain; the look takes up its place there instead of putting itself
    // in front a second time, which would make the chain call itself.
    const WNDPROC forwarded = TakeForwarding(window);
    record.ownProcedure =
        forwarded != nullptr ? forwarded
                             : reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (record.ownProcedure == &XpLookWindowProcedure) {
        return;
    }
    try {
        if (!XpLookRecords::Instance().Add(record)) {
            return;
        }
    } catch (const std::bad_alloc&) {
        // Without room for a record the window keeps its own look.
        if (forwarded != nullptr) {
            KeepForwarding(window, forwarded);
        }
        return;
    }
    if (forwarded == nullptr) {
        ::SetWindowLongPtrA(window, GWLP_WNDPROC,
                            reinterpret_cast<LONG_PTR>(&XpLookWindowProcedure));
    }
    if (*kind == XpControlKind::UpDown && !created) {
        MarkBuddy(window, traits.style);
    }
    if (!created) {
        ::RedrawWindow(window, nullptr, nullptr, kWholeRepaint);
    }
}

// Gives the window its own procedure back and repaints it completely.
void Restore(HWND window) {
    std::optional<XpLookRecord> record = XpLookRecords::Instance().Find(window);
    if (!record) {
        return;
    }
    XpLookRecords::Instance().Remove(window);
    const auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (current == &XpLookWindowProcedure) {
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record->ownProcedure));
    } else {
        KeepForwarding(window, record->ownProcedure);
    }
    ::RedrawWindow(window, nullptr, nullptr, kWholeRepaint);
}

std::string CreatedClassName(HWND window) {
    char name[256] = {};
    const int length = ::GetClassNameA(window, name, static_cast<int>(sizeof(name)));
    return length > 0 ? std::string(name, static_cast<size_t>(length)) : std::string();
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && lookOn) {
        GuardWindowProcedure([&]() -> LRESULT {
            auto window = reinterpret_cast<HWND>(wParam);
            const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            WindowTraits traits;
            traits.className = CreatedClassName(window);
            traits.style = static_cast<DWORD>(create->style);
            // A text given by resource number (0xFFFF first) counts as a text too.
            traits.hasText = create->lpszName != nullptr && create->lpszName[0] != '\0';
            if ((traits.style & WS_CHILD) != 0 && create->hwndParent != nullptr) {
                traits.parentClassName = CreatedClassName(create->hwndParent);
            }
            Restyle(window, traits, true);
            return 0;
        });
    }
    return ::CallNextHookEx(creationHook, code, wParam, lParam);
}

void SwitchOn() {
    lookThread = ::GetCurrentThreadId();
    lookOn = true;
    creationHook = ::SetWindowsHookExA(WH_CBT, &WatchCreation, nullptr, lookThread);
    for (HWND window : ThreadWindows(lookThread)) {
        if (::IsWindow(window)) {
            Restyle(window, ReadWindowTraits(window), false);
        }
    }
}

bool SwitchOff() {
    if (!lookOn) {
        return false;
    }
    lookOn = false;
    if (creationHook != nullptr) {
        ::UnhookWindowsHookEx(creationHook);
        creationHook = nullptr;
    }
    for (HWND window : ThreadWindows(lookThread)) {
        Restore(window);
    }
    // Windows the visit did not reach (none, as long as every restyled window belongs to the
    // thread) lose their records too.
    for (HWND window : XpLookRecords::Instance().Windows()) {
        Restore(window);
    }
    return true;
}

}  // namespace

int32_t SetXpLook(int32_t scheme) {
    storedScheme = scheme;
    if (scheme >= 1 && scheme <= 3) {
        SwitchOff();
        SwitchOn();
        return 1;
    }
    return SwitchOff() ? 1 : 0;
}

int32_t CurrentXpLookScheme() {
    return storedScheme;
}

bool XpLookIsOn() {
    return lookOn;
}

bool XpLookRestyles(HWND window) {
    return XpLookRecords::Instance().Find(window).has_value();
}

}  // namespace quorvane

// The restyled control's message handling: state tracking, the colour answer and painting.
#include "app/xp_look_procedure.h"

#include <utility>
#include <vector>

#include "app/edit_border_painter.h"
#include "app/group_box_painter.h"
#include "app/offscreen_canvas.h"
#include "app/push_button_painter.h"
#include "app/xp_look.h"
#include "app/xp_look_colours.h"
#include "app/xp_look_records.h"
#include "window/guard_window_procedure.h"

namespace quorvane {
namespace {

// Edit messages after which the box may have scrolled.
constexpr UINT kEditScroll = 0x00B5;
constexpr UINT kEditLineScroll = 0x00B6;
constexpr UINT kEditScrollCaret = 0x00B7;

std::vector<std::pair<HWND, WNDPROC>>& ForwardingTable() {
    static std::vector<std::pair<HWND, WNDPROC>> table;
    return table;
}

WNDPROC FindForwarding(HWND window) {
    for (const auto& [handle, procedure] : ForwardingTable()) {
        if (handle == window) {
            return procedure;
        }
    }
    return nullptr;
}

bool PaintedByLook(XpControlKind kind) {
    return kind == XpControlKind::PushButton || kind == XpControlKind::GroupBox;
}

bool IsButtonKind(XpControlKind kind) {
    return kind == XpControlKind::PushButton || kind == XpControlKind::CheckBox ||
           kind == XpControlKind::RadioButton || kind == XpControlKind::GroupBox;
}

std::string WindowText(HWND window) {
    char text[256] = {};
    const int length = ::GetWindowTextA(window, text, static_cast<int>(sizeof(text)));
    return std::string(text, static_cast<size_t>(length > 0 ? length : 0));
}

HFONT WindowFont(HWND window) {
    return reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
}

// Asks the parent for the control's colours the way a button does, in a DC of the control.
void AskColours(HWND window) {
    std::optional<XpLookRecord> record = XpLookRecords::Instance().Find(window);
    HWND parent = ::GetParent(window);
    if (!record || parent == nullptr || (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) {
        return;
    }
    HDC dc = ::GetDC(window);
    if (dc == nullptr) {
        return;
    }
    auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(
        parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
    const COLORREF text = ::GetTextColor(dc);
    ::ReleaseDC(window, dc);

    COLORREF background = ::GetSysColor(COLOR_BTNFACE);
    LOGBRUSH logical{};
    if (brush != nullptr &&
        ::GetObjectA(brush, static_cast<int>(sizeof(logical)), &logical) ==
            static_cast<int>(sizeof(logical)) &&
        logical.lbStyle == BS_SOLID) {
        background = logical.lbColor;
    }
    // The parent's procedure may have switched the look off or on meanwhile.
    record = XpLookRecords::Instance().Find(window);
    if (record) {
        record->colours = {brush, background, text, true};
        XpLookRecords::Instance().Update(*record);
    }
}

// Changes the record's state after the control's own handling, then paints it again.
template <typename Change>
void UpdateState(HWND window, Change&& change) {
    std::optional<XpLookRecord> record = XpLookRecords::Instance().Find(window);
    if (!record) {
        return;
    }
    change(record->state);
    XpLookRecords::Instance().Update(*record);
    PaintInXpLook(window);
}

void SyncPressed(HWND window) {
    std::optional<XpLookRecord> record = XpLookRecords::Instance().Find(window);
    if (!record || !::IsWindow(window)) {
        return;
    }
    const bool pushed = (::SendMessageA(window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    if (pushed != record->state.pressed) {
        UpdateState(window, [pushed](XpLookState& state) { state.pressed = pushed; });
    }
}

void StartHover(HWND window) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window;
    ::_TrackMouseEvent(&track);
}

LRESULT Handle(const XpLookRecord& record, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = record.window;
    const WNDPROC own = record.ownProcedure;
    auto callOwn = [&] { return ::CallWindowProcA(own, window, message, wParam, lParam); };

    switch (message) {
        case WM_NCDESTROY: {
            const LRESULT result = callOwn();
            XpLookRecords::Instance().Remove(window);
            return result;
        }
        case WM_ERASEBKGND:
            AskColours(window);
            return callOwn();
        case WM_PAINT:
            if (PaintedByLook(record.kind)) {
                // The update region is validated (erasing first, as Windows does) and the look
                // paints the whole control in place of the control's own painting.
                PAINTSTRUCT paint{};
                if (::BeginPaint(window, &paint) != nullptr) {
                    ::EndPaint(window, &paint);
                }
                PaintInXpLook(window);
                return 0;
            }
            if (record.kind == XpControlKind::EditBox) {
                const LRESULT result = callOwn();
                PaintInXpLook(window);
                return result;
            }
            return callOwn();
        case WM_NCPAINT:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case kEditScroll:
        case kEditLineScroll:
        case kEditScrollCaret:
            if (record.kind == XpControlKind::EditBox) {
                const LRESULT result = callOwn();
                PaintInXpLook(window);
                return result;
            }
            return callOwn();
        case WM_SETTEXT:
            if (PaintedByLook(record.kind)) {
                // The text is stored without the control's own repaint; the look paints instead.
                const LRESULT result = ::DefWindowProcA(window, message, wParam, lParam);
                PaintInXpLook(window);
                return result;
            }
            return callOwn();
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = callOwn();
            const bool focused = message == WM_SETFOCUS;
            UpdateState(window, [focused](XpLookState& state) { state.focused = focused; });
            return result;
        }
        case WM_ENABLE: {
            const LRESULT result = callOwn();
            const bool enabled = wParam != 0;
            UpdateState(window, [enabled](XpLookState& state) { state.disabled = !enabled; });
            return result;
        }
        case WM_MOUSEMOVE: {
            const LRESULT result = callOwn();
            if (IsButtonKind(record.kind)) {
                SyncPressed(window);
            }
            if ((wParam & MK_LBUTTON) == 0 && !record.state.hot) {
                std::optional<XpLookRecord> now = XpLookRecords::Instance().Find(window);
                if (now && !now->state.hot) {
                    StartHover(window);
                    UpdateState(window, [](XpLookState& state) { state.hot = true; });
                }
            }
            return result;
        }
        case WM_MOUSELEAVE: {
            const LRESULT result = callOwn();
            UpdateState(window, [](XpLookState& state) { state.hot = false; });
            return result;
        }
        default:
            break;
    }
    if (IsButtonKind(record.kind)) {
        switch (message) {
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
            case WM_LBUTTONUP:
            case WM_CAPTURECHANGED:
            case WM_KEYDOWN:
            case WM_KEYUP: {
                // A button that changes its pushed state without sending itself BM_SETSTATE is
                // followed through BM_GETSTATE after its own handling of the input.
                const LRESULT result = callOwn();
                SyncPressed(window);
                return result;
            }
            case BM_SETSTATE: {
                const LRESULT result = callOwn();
                const bool pressed = wParam != 0;
                UpdateState(window, [pressed](XpLookState& state) { state.pressed = pressed; });
                return result;
            }
            case BM_SETCHECK: {
                const LRESULT result = callOwn();
                UpdateState(window, [wParam](XpLookState& state) {
                    state.checked = wParam == BST_CHECKED;
                    state.indeterminate = wParam == BST_INDETERMINATE;
                });
                return result;
            }
            case BM_SETSTYLE: {
                const LRESULT result = callOwn();
                const bool isDefault = (wParam & BS_DEFPUSHBUTTON) != 0;
                UpdateState(window,
                            [isDefault](XpLookState& state) { state.defaultButton = isDefault; });
                return result;
            }
            default:
                break;
        }
    }
    return callOwn();
}

void PaintPushButtonNow(HWND window, const XpLookRecord& record) {
    OffscreenCanvas canvas(window, OffscreenCanvas::Start::Blank);
    if (!canvas.Ready()) {
        return;
    }
    PushButtonPaint paint;
    paint.size = canvas.Size();
    paint.state = record.state;
    paint.scheme = CurrentXpLookScheme();
    paint.buttonFace = ::GetSysColor(COLOR_BTNFACE);
    paint.text = WindowText(window);
    paint.font = WindowFont(window);
    paint.style = static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE));
    PaintPushButton(canvas.Dc(), paint);
    canvas.CopyToScreen();
}

void PaintGroupBoxNow(HWND window, const XpLookRecord& record) {
    OffscreenCanvas canvas(window, OffscreenCanvas::Start::CopyOfScreen);
    if (!canvas.Ready()) {
        return;
    }
    GroupBoxPaint paint;
    paint.size = canvas.Size();
    paint.background =
        record.colours.answered ? record.colours.background : ::GetSysColor(COLOR_BTNFACE);
    paint.textColour = record.colours.answered ? record.colours.text : kCaptionColour;
    paint.text = WindowText(window);
    paint.font = WindowFont(window);
    paint.style = static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE));
    PaintGroupBox(canvas.Dc(), paint);
    canvas.CopyToScreen();
}

void PaintEditBorderNow(HWND window, const XpLookRecord& record) {
    const auto style = static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE));
    const auto extendedStyle = static_cast<DWORD>(::GetWindowLongA(window, GWL_EXSTYLE));
    if (!EditBoxHasBorder(style, extendedStyle)) {
        return;
    }
    OffscreenCanvas canvas(window, OffscreenCanvas::Start::CopyOfScreen);
    if (!canvas.Ready()) {
        return;
    }
    const COLORREF buttonFace = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF border = record.state.disabled ? DarkenPacked(buttonFace, 0x202020)
                                                  : SchemeColours(CurrentXpLookScheme()).editBorder;
    const COLORREF ring =
        record.state.disabled || record.state.readOnly ? buttonFace : ::GetSysColor(COLOR_WINDOW);
    PaintEditBorder(canvas.Dc(), canvas.Size(), border, ring);
    canvas.CopyToScreen();
}

}  // namespace

LRESULT CALLBACK XpLookWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardWindowProcedure([&]() -> LRESULT {
        std::optional<XpLookRecord> record = XpLookRecords::Instance().Find(window);
        if (record) {
            return Handle(*record, message, wParam, lParam);
        }
        if (WNDPROC forward = FindForwarding(window)) {
            if (message == WM_NCDESTROY) {
                TakeForwarding(window);
            }
            return ::CallWindowProcA(forward, window, message, wParam, lParam);
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    });
}

void PaintInXpLook(HWND window) {
    std::optional<XpLookRecord> record = XpLookRecords::Instance().Find(window);
    if (!record || !::IsWindowVisible(window)) {
        return;
    }
    switch (record->kind) {
        case XpControlKind::PushButton:
            PaintPushButtonNow(window, *record);
            break;
        case XpControlKind::GroupBox:
            PaintGroupBoxNow(window, *record);
            break;
        case XpControlKind::EditBox:
            PaintEditBorderNow(window, *record);
            break;
        default:
            // Check boxes, radio buttons, combo boxes, their lists and up-down controls keep
            // their own painting; the look only tracks their state.
            break;
    }
}

void KeepForwarding(HWND window, WNDPROC ownProcedure) {
    TakeForwarding(window);
    ForwardingTable().emplace_back(window, ownProcedure);
}

WNDPROC TakeForwarding(HWND window) {
    auto& table = ForwardingTable();
    for (auto entry = table.begin(); entry != table.end(); ++entry) {
        if (entry->first == window) {
            const WNDPROC procedure = entry->second;
            table.erase(entry);
            return procedure;
        }
    }
    return nullptr;
}

}  // namespace quorvane

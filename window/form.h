// The form of the main window: the constant description of the window and its six controls,
// with every setting of each kind, and the table that maps each control name to its form number.
#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "platform/win32.h"

namespace quorvane {

// The colour value that stands for the system's button-face colour wherever it is painted.
constexpr COLORREF kDefaultColour = 0xFF000000;

enum class ControlKind { Window, Button, GroupBox, Label, EditBox, TransparentLabel };

// A rectangle of the form: for a control relative to its container's client area, for the
// window its outer size (the window's left and top are stored but the window is centred).
struct FormRect {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
};

struct WindowSettings {
    const char* title;
    int32_t borderKind;  // 0 none, 1 sizable, 2 fixed, 3..6 tool windows and client edges
    bool controlBox;
    bool maximiseBox;
    bool minimiseBox;
    int32_t position;  // 0 stored place, 1 centred, 2 minimised, 3 maximised
    bool movable;
    COLORREF background;
    bool enterMovesFocus;
    bool escCloses;
    bool f1Help;
    bool showInTaskbar;
    bool alwaysOnTop;
    const LOGFONTA* font;  // nullptr: no font setting
};

struct ButtonSettings {
    const char* caption;
    int32_t buttonType;           // 0 normal, 1 default push button
    int32_t horizontalAlignment;  // 0 left, 1 centre, 2 right
    int32_t verticalAlignment;    // 0 top, 1 centre, 2 bottom
    const LOGFONTA* font;
};

struct GroupBoxSettings {
    const char* caption;
    int32_t alignment;  // 0 left, 1 centre, 2 right
    COLORREF textColour;
    COLORREF background;
    const LOGFONTA* font;
};

struct LabelSettings {
    const char* caption;
    int32_t textEffect;
    int32_t border;
    COLORREF textColour;
    COLORREF background;
    int32_t horizontalAlignment;
    bool wordWrap;
    int32_t verticalAlignment;
    const LOGFONTA* font;
};

struct EditBoxSettings {
    const char* text;
    int32_t border;
    COLORREF textColour;
    COLORREF background;
    const LOGFONTA* font;
    bool hideSelection;
    int32_t maximumLength;
    bool multiLine;
    int32_t alignment;
    int32_t selectionStart;
    int32_t selectionLength;
};

struct TransparentLabelSettings {
    const char* caption;
    int32_t textEffect;
    const LOGFONTA* font;
    COLORREF textColour;
    int32_t horizontalAlignment;
    int32_t wordWrap;  // 1 on, anything else off
    int32_t verticalAlignment;
};

using KindSettings = std::variant<WindowSettings, ButtonSettings, GroupBoxSettings, LabelSettings,
                                  EditBoxSettings, TransparentLabelSettings>;

struct FormEntry {
    const char* name;
    ControlKind kind;
    uint32_t formNumber;
    int32_t container;  // form index of the containing entry; -1 for the window itself
    FormRect rect;
    bool visible;
    bool disabled;
    bool focusStop;
    int32_t focusOrder;
    KindSettings settings;
};

struct Form {
    uint32_t windowNumber;
    std::span<const FormEntry> entries;  // entry 0 is the window itself, then form order
};

// Names of the main window's controls and their form numbers.
constexpr uint32_t kMainWindowNumber = 0x52010001;
constexpr uint32_t kMainWindowEntry = 0x06010000;
constexpr uint32_t kDrawButton = 0x1601000D;      // 按钮1
constexpr uint32_t kUnitLabel = 0x1601000C;       // 标签1
constexpr uint32_t kHeadCountEntry = 0x1601000B;  // 编辑框1
constexpr uint32_t kHeadCountGroup = 0x1601000A;  // 分组框2
constexpr uint32_t kResultLabel = 0x16010005;     // 透明标签1
constexpr uint32_t kResultGroup = 0x16010004;     // 分组框1

// The main window's form, read-only for the whole run.
const Form& MainWindowForm();

// The entry with this form number, or nullptr.
const FormEntry* FindFormEntry(const Form& form, uint32_t formNumber);

// The form index of an entry of the form.
int32_t FormIndexOf(const Form& form, const FormEntry& entry);

}  // namespace quorvane

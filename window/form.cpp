// The main window's form as constant data: the window, its six controls in form order, and every
// setting of their kinds.
#include "window/form.h"

#include <array>

namespace quorvane {
namespace {

static_assert(sizeof(LOGFONTA) == 60, "a font setting is a 60-byte LOGFONTA");

// The stored fonts: character set GB2312, everything else zero, no face name.
constexpr LOGFONTA StoredFont(LONG height, LONG weight) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = 134;
    return font;
}

constexpr LOGFONTA kSixteenPixelFont = StoredFont(-16, 400);
constexpr LOGFONTA kResultFont = StoredFont(-213, 700);

constexpr int32_t kInWindow = 0;
constexpr int32_t kInHeadCountGroup = 4;
constexpr int32_t kInResultGroup = 6;

const std::array<FormEntry, 7> kMainWindowEntries = {{
    {"Quorvane",
     ControlKind::Window,
     kMainWindowEntry,
     -1,
     {50, 50, 405, 238},
     true,
     false,
     false,
     0,
     WindowSettings{.title = "Quorvane",
                    .borderKind = 2,
                    .controlBox = true,
                    .maximiseBox = false,
                    .minimiseBox = false,
                    .position = 1,
                    .movable = true,
                    .background = kDefaultColour,
                    .enterMovesFocus = false,
                    .escCloses = true,
                    .f1Help = false,
                    .showInTaskbar = true,
                    .alwaysOnTop = false,
                    .font = nullptr}},
    {"按钮1",
     ControlKind::Button,
     kDrawButton,
     kInWindow,
     {296, 96, 96, 104},
     true,
     false,
     true,
     0,
     ButtonSettings{.caption = "抽 奖",
                    .buttonType = 0,
                    .horizontalAlignment = 1,
                    .verticalAlignment = 1,
                    .font = &kSixteenPixelFont}},
    {"标签1",
     ControlKind::Label,
     kUnitLabel,
     kInHeadCountGroup,
     {72, 24, 16, 32},
     true,
     false,
     false,
     0,
     LabelSettings{.caption = "位",
                   .textEffect = 0,
                   .border = 0,
                   .textColour = 0x000000,
                   .background = kDefaultColour,
                   .horizontalAlignment = 0,
                   .wordWrap = false,
                   .verticalAlignment = 1,
                   .font = &kSixteenPixelFont}},
    {"编辑框1",
     ControlKind::EditBox,
     kHeadCountEntry,
     kInHeadCountGroup,
     {16, 24, 48, 32},
     true,
     false,
     true,
     0,
     EditBoxSettings{.text = "",
                     .border = 1,
                     .textColour = 0x000000,
                     .background = 0xFFFFFF,
                     .font = nullptr,
                     .hideSelection = true,
                     .maximumLength = 0,
                     .multiLine = false,
                     .alignment = 0,
                     .selectionStart = 0,
                     .selectionLength = 0}},
    {"分组框2",
     ControlKind::GroupBox,
     kHeadCountGroup,
     kInWindow,
     {296, 16, 96, 72},
     true,
     false,
     false,
     0,
     GroupBoxSettings{.caption = "总人数",
                      .alignment = 0,
                      .textColour = 0x000000,
                      .background = kDefaultColour,
                      .font = nullptr}},
    {"透明标签1",
     ControlKind::TransparentLabel,
     kResultLabel,
     kInResultGroup,
     {8, 16, 240, 160},
     true,
     false,
     false,
     0,
     TransparentLabelSettings{.caption = "",
                              .textEffect = 0,
                              .font = &kResultFont,
                              .textColour = 0x0000FF,
                              .horizontalAlignment = 1,
                              .wordWrap = 0,
                              .verticalAlignment = 1}},
    {"分组框1",
     ControlKind::GroupBox,
     kResultGroup,
     kInWindow,
     {8, 8, 280, 192},
     true,
     false,
     false,
     0,
     GroupBoxSettings{.caption = "中奖童鞋",
                      .alignment = 0,
                      .textColour = 0x000000,
                      .background = kDefaultColour,
                      .font = nullptr}},
}};

const Form kMainWindowForm{kMainWindowNumber, kMainWindowEntries};

}  // namespace

const Form& MainWindowForm() {
    return kMainWindowForm;
}

const FormEntry* FindFormEntry(const Form& form, uint32_t formNumber) {
    for (const FormEntry& entry : form.entries) {
        if (entry.formNumber == formNumber) {
            return &entry;
        }
    }
    return nullptr;
}

int32_t FormIndexOf(const Form& form, const FormEntry& entry) {
    return static_cast<int32_t>(&entry - form.entries.data());
}

}  // namespace quorvane

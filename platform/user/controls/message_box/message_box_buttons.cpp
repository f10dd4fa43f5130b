// The button sets of MessageBoxA. The captions are written as their code page 936 bytes so that
// this file compiles the same whatever the execution character set.
#include "platform/user/controls/message_box/message_box_buttons.h"

namespace layer::user {
namespace {

constexpr char kOk[] = "\xC8\xB7\xB6\xA8";      // 确定
constexpr char kCancel[] = "\xC8\xA1\xCF\xFB";  // 取消
constexpr char kYes[] = "\xCA\xC7";             // 是
constexpr char kNo[] = "\xB7\xF1";              // 否
constexpr char kRetry[] = "\xD6\xD8\xCA\xD4";   // 重试
constexpr char kAbort[] = "\xD6\xD0\xD6\xB9";   // 中止
constexpr char kIgnore[] = "\xBA\xF6\xC2\xD4";  // 忽略
constexpr char kError[] = "\xB4\xED\xCE\xF3";   // 错误

constexpr MessageBoxButton kOkSet[] = {{IDOK, kOk}};
constexpr MessageBoxButton kOkCancelSet[] = {{IDOK, kOk}, {IDCANCEL, kCancel}};
constexpr MessageBoxButton kAbortRetryIgnoreSet[] = {
    {IDABORT, kAbort}, {IDRETRY, kRetry}, {IDIGNORE, kIgnore}};
constexpr MessageBoxButton kYesNoCancelSet[] = {{IDYES, kYes}, {IDNO, kNo}, {IDCANCEL, kCancel}};
constexpr MessageBoxButton kYesNoSet[] = {{IDYES, kYes}, {IDNO, kNo}};
constexpr MessageBoxButton kRetryCancelSet[] = {{IDRETRY, kRetry}, {IDCANCEL, kCancel}};

}  // namespace

std::span<const MessageBoxButton> MessageBoxButtons(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OK:
            return kOkSet;
        case MB_OKCANCEL:
            return kOkCancelSet;
        case MB_ABORTRETRYIGNORE:
            return kAbortRetryIgnoreSet;
        case MB_YESNOCANCEL:
            return kYesNoCancelSet;
        case MB_YESNO:
            return kYesNoSet;
        case MB_RETRYCANCEL:
            return kRetryCancelSet;
        default:
            return {};
    }
}

std::optional<int> EscapeResult(UINT type) {
    bool hasOk = false;
    for (const MessageBoxButton& button : MessageBoxButtons(type)) {
        if (button.id == IDCANCEL) {
            return IDCANCEL;
        }
        hasOk = hasOk || button.id == IDOK;
    }
    if (hasOk) {
        return IDOK;
    }
    return std::nullopt;
}

const char* DefaultMessageBoxCaption() {
    return kError;
}

}  // namespace layer::user

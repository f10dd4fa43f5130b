// The edit control's editing operations: selection, caret, scrolling, changes with their
// notifications, the limit and undo.
#include "platform/user/controls/edit/edit_control.h"

#include <algorithm>

#include "platform/gdi/text/ansi_characters.h"
#include "platform/gdi/text/code_page.h"
#include "platform/host/host.h"

namespace layer::user::edit {

namespace {

// How far past the edge a scroll jumps, as a share of the visible width, so that typing at the
// right edge does not scroll on every character.
constexpr int kScrollJumpDivisor = 4;

// The bytes up to the first line break: a single-line box keeps the first line of what it gets.
std::string_view FirstLine(std::string_view bytes) {
    size_t end = bytes.find_first_of("\r\n");
    return end == std::string_view::npos ? bytes : bytes.substr(0, end);
}

// The longest prefix of whole characters that fits in `room` bytes.
size_t WholeCharactersWithin(std::string_view bytes, size_t room) {
    if (bytes.size() <= room) {
        return bytes.size();
    }
    size_t offset = 0;
    while (offset < bytes.size()) {
        size_t length = text::CharacterLengthAt(bytes, offset);
        if (offset + length > room) {
            break;
        }
        offset += length;
    }
    return offset;
}

}  // namespace

EditControl::EditControl(HWND window) : window_(window) {
    DWORD style = Style();
    if (style & ES_PASSWORD) {
        passwordCharacter_ = '*';
    }
    SetFont(nullptr, false);
}

std::pair<size_t, size_t> EditControl::Selection() const {
    return {std::min(anchor_, caret_), std::max(anchor_, caret_)};
}

bool EditControl::ShowsSelection() const {
    return focused_ || (Style() & ES_NOHIDESEL) != 0;
}

RECT EditControl::TextArea() const {
    RECT client{0, 0, 0, 0};
    GetClientRect(window_, &client);
    RECT area{kTextLeft, kTextTop, client.right - kRightMargin, client.bottom};
    if (area.right < area.left) {
        area.right = area.left;
    }
    return area;
}

int EditControl::VisibleWidth() const {
    RECT area = TextArea();
    return area.right - area.left;
}

int EditControl::AlignmentOffset() const {
    int spare = VisibleWidth() - 1 - text_.Width();
    if (spare <= 0) {
        return 0;
    }
    DWORD style = Style();
    if (style & ES_RIGHT) {
        return spare;
    }
    if (style & ES_CENTER) {
        return spare / 2;
    }
    return 0;
}

int EditControl::ClientXOf(size_t boundary) const {
    return kTextLeft + AlignmentOffset() + text_.XOf(boundary) - scroll_;
}

size_t EditControl::BoundaryAtClientX(int x) const {
    return text_.BoundaryNearest(x - kTextLeft - AlignmentOffset() + scroll_);
}

void EditControl::Notify(WORD code) const {
    HWND parent = GetParent(window_);
    if (parent != nullptr) {
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window_), code),
                     reinterpret_cast<LPARAM>(window_));
    }
}

void EditControl::SetFont(HFONT font, bool redraw) {
    font_ = font;
    HDC dc = GetDC(window_);
    HGDIOBJ previous = font_ != nullptr ? SelectObject(dc, font_) : nullptr;
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    lineHeight_ = metrics.tmHeight;
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    ReleaseDC(window_, dc);
    HWND window = window_;
    char password = passwordCharacter_;
    text_.SetMeasure([window, font, password](std::string_view character) {
        HDC measuring = GetDC(window);
        HGDIOBJ before = font != nullptr ? SelectObject(measuring, font) : nullptr;
        SIZE size{0, 0};
        if (password != 0) {
            GetTextExtentPoint32A(measuring, &password, 1, &size);
        } else {
            GetTextExtentPoint32A(measuring, character.data(), static_cast<int>(character.size()),
                                  &size);
        }
        if (before != nullptr) {
            SelectObject(measuring, before);
        }
        ReleaseDC(window, measuring);
        return static_cast<int>(size.cx);
    });
    if (focused_) {
        DestroyCaret();
        CreateCaret(window_, nullptr, 1, lineHeight_);
        PlaceCaret();
        ShowCaret(window_);
    }
    if (redraw) {
        Repaint();
    }
}

void EditControl::SetPasswordCharacter(char character) {
    if (character == passwordCharacter_) {
        return;
    }
    passwordCharacter_ = character;
    SetFont(font_, true);
}

void EditControl::SetText(std::string_view bytes) {
    text_.Assign(bytes);
    anchor_ = caret_ = 0;
    scroll_ = 0;
    modified_ = false;
    undo_.reset();
    Notify(EN_UPDATE);
    Repaint();
    PlaceCaret();
    Notify(EN_CHANGE);
}

void EditControl::SetSelection(DWORD start, DWORD end) {
    auto before = Selection();
    if (start == 0xFFFFFFFF) {
        anchor_ = caret_;
    } else {
        anchor_ = text_.Snap(start);
        caret_ = text_.Snap(end);
    }
    RepaintSelectionChange(before);
    PlaceCaret();
}

void EditControl::MoveCaret(size_t boundary, bool extend) {
    auto before = Selection();
    caret_ = text_.Snap(boundary);
    if (!extend) {
        anchor_ = caret_;
    }
    if (KeepCaretVisible()) {
        Repaint();
    } else {
        RepaintSelectionChange(before);
    }
    PlaceCaret();
}

void EditControl::SelectAll() {
    auto before = Selection();
    anchor_ = 0;
    caret_ = text_.Size();
    RepaintSelectionChange(before);
    PlaceCaret();
}

void EditControl::ScrollCaretIntoView() {
    if (KeepCaretVisible()) {
        Repaint();
    }
    PlaceCaret();
}

bool EditControl::KeepCaretVisible() {
    const int before = scroll_;
    const int visible = VisibleWidth();
    const int caretX = text_.XOf(caret_);
    if (text_.Width() < visible || !(Style() & ES_AUTOHSCROLL)) {
        scroll_ = 0;
    } else if (caretX < scroll_) {
        scroll_ = std::max(0, caretX - visible / kScrollJumpDivisor);
    } else if (caretX >= scroll_ + visible) {
        scroll_ = caretX - visible + 1 + visible / kScrollJumpDivisor;
    }
    return scroll_ != before;
}

void EditControl::PlaceCaret() {
    if (focused_) {
        SetCaretPos(ClientXOf(caret_), kTextTop);
    }
}

void EditControl::Repaint() const {
    InvalidateRect(window_, nullptr, TRUE);
}

void EditControl::RepaintFrom(int clientX) const {
    RECT client{0, 0, 0, 0};
    GetClientRect(window_, &client);
    client.left = std::clamp(clientX, 0, static_cast<int>(client.right));
    InvalidateRect(window_, &client, TRUE);
}

void EditControl::RepaintSelectionChange(std::pair<size_t, size_t> before) {
    auto after = Selection();
    if (!ShowsSelection() || before == after) {
        return;
    }
    // Only the span between the old and new selections changes its look.
    size_t first = std::min(before.first, after.first);
    size_t last = std::max(before.second, after.second);
    if (before.first == after.first) {
        first = std::min(before.second, after.second);
    } else if (before.second == after.second) {
        last = std::max(before.first, after.first);
    }
    RECT client{0, 0, 0, 0};
    GetClientRect(window_, &client);
    RECT span{std::max(0, ClientXOf(first)), 0, std::min<int>(client.right, ClientXOf(last) + 1),
              client.bottom};
    if (span.right > span.left) {
        InvalidateRect(window_, &span, TRUE);
    }
}

void EditControl::RememberForUndo(size_t start, size_t end, size_t insertedLength, UndoKind kind) {
    std::string_view removed = std::string_view(text_.Bytes()).substr(start, end - start);
    if (undo_ && undo_->kind == kind) {
        if (kind == UndoKind::Typing && start == end &&
            undo_->position + undo_->insertedLength == start) {
            undo_->insertedLength += insertedLength;
            return;
        }
        if (kind == UndoKind::Deleting && insertedLength == 0 && undo_->insertedLength == 0) {
            if (end == undo_->position) {
                undo_->removed.insert(0, removed);
                undo_->position = start;
                return;
            }
            if (start == undo_->position) {
                undo_->removed.append(removed);
                return;
            }
        }
    }
    undo_ = UndoRecord{start, std::string(removed), insertedLength, kind};
}

void EditControl::ApplyChange(size_t start, size_t end, std::string_view bytes) {
    const int changeX = ClientXOf(start);
    const int alignmentBefore = AlignmentOffset();
    text_.Replace(start, end, bytes);
    anchor_ = caret_ = start + bytes.size();
    modified_ = true;
    Notify(EN_UPDATE);
    const bool scrolled = KeepCaretVisible();
    if (scrolled || AlignmentOffset() != alignmentBefore || passwordCharacter_ != 0) {
        Repaint();
    } else {
        RepaintFrom(changeX);
    }
    PlaceCaret();
    Notify(EN_CHANGE);
}

bool EditControl::ReplaceSelection(std::string_view bytes, bool byUser, bool undoable) {
    auto [start, end] = Selection();
    bytes = FirstLine(bytes);
    std::string converted;
    DWORD style = Style();
    if (style & (ES_UPPERCASE | ES_LOWERCASE)) {
        converted.assign(bytes);
        for (size_t offset = 0; offset < converted.size();) {
            size_t length = text::CharacterLengthAt(converted, offset);
            if (length == 1) {
                char& byte = converted[offset];
                if ((style & ES_UPPERCASE) && byte >= 'a' && byte <= 'z') {
                    byte = static_cast<char>(byte - 'a' + 'A');
                } else if ((style & ES_LOWERCASE) && byte >= 'A' && byte <= 'Z') {
                    byte = static_cast<char>(byte - 'A' + 'a');
                }
            }
            offset += length;
        }
        bytes = converted;
    }
    bool reachedLimit = false;
    if (byUser) {
        size_t kept = text_.Size() - (end - start);
        size_t room = kept < limit_ ? limit_ - kept : 0;
        size_t fits = WholeCharactersWithin(bytes, room);
        reachedLimit = fits < bytes.size();
        bytes = bytes.substr(0, fits);
    }
    if (bytes.empty() && start == end) {
        if (reachedLimit) {
            Notify(EN_MAXTEXT);
        }
        return false;
    }
    std::optional<UndoRecord> previousUndo = undo_;
    if (undoable) {
        RememberForUndo(start, end, bytes.size(),
                        byUser && start == end ? UndoKind::Typing : UndoKind::Other);
    }
    if (!(style & ES_AUTOHSCROLL)) {
        // Without horizontal scrolling the text must fit in the box: a change that would make
        // it wider is refused whole.
        std::string removed = text_.Bytes().substr(start, end - start);
        text_.Replace(start, end, bytes);
        bool fits = text_.Width() < VisibleWidth();
        text_.Replace(start, start + bytes.size(), removed);
        if (!fits) {
            undo_ = previousUndo;
            Notify(EN_MAXTEXT);
            return false;
        }
    }
    ApplyChange(start, end, bytes);
    if (reachedLimit) {
        Notify(EN_MAXTEXT);
    }
    return true;
}

void EditControl::TypeCharacter(unsigned char byte) {
    if (pendingLead_) {
        unsigned char lead = *pendingLead_;
        pendingLead_.reset();
        if (text::IsTrailByte(byte)) {
            if (!(Style() & ES_NUMBER)) {
                char character[2] = {static_cast<char>(lead), static_cast<char>(byte)};
                ReplaceSelection(std::string_view(character, 2), true, true);
            }
            return;
        }
        // A lead byte followed by a byte that cannot trail it is no character: it is dropped and
        // the byte counts on its own.
    }
    if (text::IsLeadByte(byte)) {
        pendingLead_ = byte;
        return;
    }
    if (byte < 0x20 || byte == 0x7F) {
        return;
    }
    if ((Style() & ES_NUMBER) && (byte < '0' || byte > '9')) {
        return;
    }
    char character = static_cast<char>(byte);
    ReplaceSelection(std::string_view(&character, 1), true, true);
}

void EditControl::DeleteRange(size_t start, size_t end, UndoKind kind) {
    if (start == end) {
        return;
    }
    RememberForUndo(start, end, 0, kind);
    ApplyChange(start, end, {});
}

void EditControl::DeleteBackward() {
    auto [start, end] = Selection();
    if (start != end) {
        DeleteRange(start, end, UndoKind::Other);
    } else {
        DeleteRange(text_.PreviousBoundary(caret_), caret_, UndoKind::Deleting);
    }
}

void EditControl::DeleteForward() {
    auto [start, end] = Selection();
    if (start != end) {
        DeleteRange(start, end, UndoKind::Other);
    } else {
        DeleteRange(caret_, text_.NextBoundary(caret_), UndoKind::Deleting);
    }
}

bool EditControl::Undo() {
    if (!undo_) {
        return false;
    }
    UndoRecord record = std::move(*undo_);
    size_t insertedEnd = std::min(record.position + record.insertedLength, text_.Size());
    size_t position = text_.Snap(record.position);
    insertedEnd = text_.Snap(insertedEnd);
    // Undoing is itself undoable: the record becomes its own inverse.
    undo_ = UndoRecord{position, text_.Bytes().substr(position, insertedEnd - position),
                       record.removed.size(), UndoKind::Other};
    ApplyChange(position, insertedEnd, record.removed);
    return true;
}

void EditControl::Copy() const {
    auto [start, end] = Selection();
    host::Host* host = host::Current();
    if (start == end || passwordCharacter_ != 0 || host == nullptr) {
        return;
    }
    host->SetClipboardText(
        text::Utf8FromAnsi(std::string_view(text_.Bytes()).substr(start, end - start)));
}

void EditControl::Cut() {
    if (ReadOnly() || passwordCharacter_ != 0) {
        return;
    }
    Copy();
    Clear();
}

void EditControl::Clear() {
    auto [start, end] = Selection();
    if (ReadOnly() || start == end) {
        return;
    }
    DeleteRange(start, end, UndoKind::Other);
}

void EditControl::Paste() {
    host::Host* host = host::Current();
    if (ReadOnly() || host == nullptr) {
        return;
    }
    std::string bytes = text::AnsiFromUtf8(host->ClipboardText());
    ReplaceSelection(bytes, true, true);
}

void EditControl::GainFocus() {
    focused_ = true;
    CreateCaret(window_, nullptr, 1, lineHeight_);
    PlaceCaret();
    ShowCaret(window_);
    if (!(Style() & ES_NOHIDESEL) && anchor_ != caret_) {
        Repaint();
    }
    Notify(EN_SETFOCUS);
}

void EditControl::LoseFocus() {
    focused_ = false;
    pendingLead_.reset();
    EndDrag();
    DestroyCaret();
    if (!(Style() & ES_NOHIDESEL) && anchor_ != caret_) {
        Repaint();
    }
    Notify(EN_KILLFOCUS);
}

void EditControl::BeginDrag(int clientX, bool extend) {
    MoveCaret(BoundaryAtClientX(clientX), extend);
    dragging_ = true;
    SetCapture(window_);
}

void EditControl::DragTo(int clientX) {
    if (dragging_) {
        MoveCaret(BoundaryAtClientX(clientX), true);
    }
}

void EditControl::SelectWordAt(int clientX) {
    auto [first, last] = text_.WordAt(BoundaryAtClientX(clientX));
    auto before = Selection();
    anchor_ = first;
    caret_ = last;
    if (KeepCaretVisible()) {
        Repaint();
    } else {
        RepaintSelectionChange(before);
    }
    PlaceCaret();
}

void EditControl::EndDrag() {
    if (dragging_) {
        dragging_ = false;
        if (GetCapture() == window_) {
            ReleaseCapture();
        }
    }
}

}  // namespace layer::user::edit

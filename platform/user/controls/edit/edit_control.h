// One single-line edit control's state and editing operations: the text, the selection, the
// horizontal scroll, the limit, undo, the caret and the notifications to the parent. The window
// procedure (edit_window_proc.cpp) turns messages into these operations; painting is apart
// (edit_painter.cpp).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/user/controls/edit/edit_text.h"
#include "platform/win32.h"

namespace layer::user::edit {

class EditControl {
  public:
    // The limit a new control starts with, in bytes, and the largest one (EM_LIMITTEXT 0).
    static constexpr size_t kDefaultLimit = 30000;
    static constexpr size_t kLargestLimit = 0x7FFFFFFE;
    // Where the text starts in the client area: a one-pixel inset plus the left margin, and
    // one pixel from the top.
    static constexpr int kTextLeft = 2;
    static constexpr int kTextTop = 1;
    static constexpr int kRightMargin = 2;

    explicit EditControl(HWND window);

    HWND Window() const { return window_; }
    DWORD Style() const { return static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE)); }
    const EditText& Text() const { return text_; }

    // The selection as (lower, upper) byte offsets, and its two ends as the user made them.
    std::pair<size_t, size_t> Selection() const;
    size_t Anchor() const { return anchor_; }
    size_t Caret() const { return caret_; }
    bool HasFocus() const { return focused_; }
    // The selection is drawn while the box has the focus, or always with ES_NOHIDESEL.
    bool ShowsSelection() const;

    // Geometry in client coordinates.
    RECT TextArea() const;
    int LineHeight() const { return lineHeight_; }
    // The client x of a text boundary, with scrolling and alignment applied.
    int ClientXOf(size_t boundary) const;
    // The boundary nearest to a client x.
    size_t BoundaryAtClientX(int x) const;
    HFONT Font() const { return font_; }
    char PasswordCharacter() const { return passwordCharacter_; }

    // Setup and state messages.
    void SetFont(HFONT font, bool redraw);
    void SetText(std::string_view bytes);
    // The text given at creation, set without notifying the parent.
    void SetInitialText(std::string_view bytes) { text_.Assign(bytes); }
    void SetLimit(size_t limit) { limit_ = limit == 0 ? kLargestLimit : limit; }
    size_t Limit() const { return limit_; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    void SetPasswordCharacter(char character);

    // Selection and caret. SetSelection takes EM_SETSEL's 32-bit arguments: a start of -1 only
    // collapses the selection onto the caret; other values count as unsigned and are clamped to
    // the text.
    void SetSelection(DWORD start, DWORD end);
    // Moves the caret, extending the selection from the anchor or collapsing it onto the caret.
    void MoveCaret(size_t boundary, bool extend);
    void SelectAll();
    void ScrollCaretIntoView();

    // Editing. The user's edits honour the limit and the read-only style; EM_REPLACESEL's do not
    // look at the read-only style.
    bool ReplaceSelection(std::string_view bytes, bool byUser, bool undoable);
    void TypeCharacter(unsigned char byte);
    void DeleteBackward();
    void DeleteForward();
    bool CanUndo() const { return undo_.has_value(); }
    bool Undo();
    void EmptyUndo() { undo_.reset(); }
    void Copy() const;
    void Cut();
    void Paste();
    void Clear();

    // Focus.
    void GainFocus();
    void LoseFocus();

    // Mouse selection.
    void BeginDrag(int clientX, bool extend);
    void DragTo(int clientX);
    void SelectWordAt(int clientX);
    void EndDrag();
    bool Dragging() const { return dragging_; }

  private:
    enum class UndoKind { Typing, Deleting, Other };
    struct UndoRecord {
        size_t position = 0;
        std::string removed;
        size_t insertedLength = 0;
        UndoKind kind = UndoKind::Other;
    };

    void Notify(WORD code) const;
    void RememberForUndo(size_t start, size_t end, size_t insertedLength, UndoKind kind);
    // Applies a change of text between two boundaries and repaints what moved.
    void ApplyChange(size_t start, size_t end, std::string_view bytes);
    void DeleteRange(size_t start, size_t end, UndoKind kind);
    int AlignmentOffset() const;
    int VisibleWidth() const;
    // Scrolls so that the caret is visible; true when the scroll position changed.
    bool KeepCaretVisible();
    void PlaceCaret();
    void Repaint() const;
    void RepaintFrom(int clientX) const;
    void RepaintSelectionChange(std::pair<size_t, size_t> before);
    bool ReadOnly() const { return (Style() & ES_READONLY) != 0; }

    HWND window_;
    EditText text_;
    size_t anchor_ = 0;
    size_t caret_ = 0;
    int scroll_ = 0;
    size_t limit_ = kDefaultLimit;
    HFONT font_ = nullptr;
    int lineHeight_ = 0;
    bool focused_ = false;
    bool modified_ = false;
    bool dragging_ = false;
    char passwordCharacter_ = 0;
    // A lead byte typed on its own, waiting for its trail byte.
    std::optional<unsigned char> pendingLead_;
    std::optional<UndoRecord> undo_;
};

}  // namespace layer::user::edit

// The text of a single-line edit control with its layout: which bytes start a character (code
// page 936) and the x position of every byte, so that caret moves, hit tests and scrolling cost a
// lookup instead of measuring the text again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace layer::user::edit {

class EditText {
  public:
    // The advance width of one character, given its bytes (one or two).
    using Measure = std::function<int(std::string_view character)>;

    EditText();

    // Sets how characters are measured, forgets the cached widths and lays the text out again.
    void SetMeasure(Measure measure);

    const std::string& Bytes() const { return text_; }
    size_t Size() const { return text_.size(); }

    void Assign(std::string_view bytes);
    // Replaces the bytes [start, end) with `bytes`; start and end must be character boundaries.
    // Only the characters around the change are measured; the rest of the layout is moved.
    void Replace(size_t start, size_t end, std::string_view bytes);

    bool IsBoundary(size_t offset) const;
    // The boundary at or before the offset, with the offset clamped to the text.
    size_t Snap(size_t offset) const;
    size_t PreviousBoundary(size_t offset) const;
    size_t NextBoundary(size_t offset) const;
    // The bounds of the word (a run of non-blank characters, or a run of blanks) at the offset.
    std::pair<size_t, size_t> WordAt(size_t offset) const;

    // The x position of a boundary, from the start of the text; the full width at Size().
    int XOf(size_t boundary) const { return positions_[boundary]; }
    int Width() const { return positions_.back(); }
    // The boundary nearest to an x position (clamped to the text).
    size_t BoundaryNearest(int x) const;
    // The last boundary whose x position is not after x (the first visible character).
    size_t BoundaryAtOrBefore(int x) const;

  private:
    int CharacterWidth(std::string_view character);

    std::string text_;
    // One entry per byte plus one for the end: 1 where a character starts.
    std::vector<uint8_t> starts_;
    // One entry per byte plus one for the end: the x where the byte's character starts.
    std::vector<int> positions_;
    Measure measure_;
    // Widths by character code (one byte, or lead << 8 | trail); -1 when not yet measured.
    std::vector<int> widthCache_;
};

}  // namespace layer::user::edit

// The edit control's text and layout, kept up to date one change at a time.
#include "platform/user/controls/edit/edit_text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/gdi/text/ansi_characters.h"

namespace layer::user::edit {

namespace {

constexpr size_t kCodeCount = 0x10000;

unsigned CodeOf(std::string_view character) {
    unsigned code = static_cast<unsigned char>(character[0]);
    if (character.size() == 2) {
        code = code << 8 | static_cast<unsigned char>(character[1]);
    }
    return code;
}

bool IsBlank(char byte) {
    return byte == ' ' || byte == '\t';
}

[[noreturn]] void Broken(const char* what) {
    std::fprintf(stderr, "edit control: %s\n", what);
    std::abort();
}

}  // namespace

EditText::EditText() : starts_{1}, positions_{0}, widthCache_(kCodeCount, -1) {
    measure_ = [](std::string_view) { return 0; };
}

void EditText::SetMeasure(Measure measure) {
    measure_ = std::move(measure);
    std::fill(widthCache_.begin(), widthCache_.end(), -1);
    std::string bytes = std::move(text_);
    Assign(bytes);
}

int EditText::CharacterWidth(std::string_view character) {
    int& cached = widthCache_[CodeOf(character)];
    if (cached < 0) {
        cached = std::max(0, measure_(character));
    }
    return cached;
}

void EditText::Assign(std::string_view bytes) {
    text_.clear();
    starts_.assign(1, 1);
    positions_.assign(1, 0);
    Replace(0, 0, bytes);
}

void EditText::Replace(size_t start, size_t end, std::string_view bytes) {
    if (start > end || end > text_.size() || !IsBoundary(start) || !IsBoundary(end)) {
        Broken("a replacement must span whole characters inside the text");
    }
    // A lone lead byte just before the change may pair with the first inserted byte, so the new
    // layout starts one character early.
    const size_t from = start > 0 ? PreviousBoundary(start) : 0;
    const size_t oldSize = text_.size();
    text_.replace(start, end - start, bytes);
    const size_t insertedEnd = start + bytes.size();
    // Lay characters out from `from` until a boundary past the change is also an old boundary at
    // the same bytes; from there on the old layout holds, moved by the change in length and width.
    std::vector<uint8_t> newStarts;
    std::vector<int> newPositions;
    int x = positions_[from];
    size_t offset = from;
    size_t oldResume = oldSize;
    while (true) {
        if (offset >= insertedEnd) {
            size_t oldOffset = offset - insertedEnd + end;
            if (oldOffset >= oldSize || starts_[oldOffset] != 0) {
                oldResume = oldOffset;
                break;
            }
        }
        size_t length = text::CharacterLengthAt(text_, offset);
        int width = CharacterWidth(std::string_view(text_).substr(offset, length));
        for (size_t byte = 0; byte < length; ++byte) {
            newStarts.push_back(byte == 0 ? 1 : 0);
            newPositions.push_back(x);
        }
        x += width;
        offset += length;
    }
    const int shift = x - positions_[oldResume];
    starts_.erase(starts_.begin() + from, starts_.begin() + oldResume);
    starts_.insert(starts_.begin() + from, newStarts.begin(), newStarts.end());
    positions_.erase(positions_.begin() + from, positions_.begin() + oldResume);
    positions_.insert(positions_.begin() + from, newPositions.begin(), newPositions.end());
    if (shift != 0) {
        for (size_t index = from + newPositions.size(); index < positions_.size(); ++index) {
            positions_[index] += shift;
        }
    }
    if (starts_.size() != text_.size() + 1 || positions_.size() != text_.size() + 1) {
        Broken("the layout lost step with the text");
    }
}

bool EditText::IsBoundary(size_t offset) const {
    return offset <= text_.size() && starts_[offset] != 0;
}

size_t EditText::Snap(size_t offset) const {
    offset = std::min(offset, text_.size());
    return starts_[offset] != 0 ? offset : offset - 1;
}

size_t EditText::PreviousBoundary(size_t offset) const {
    offset = Snap(offset);
    if (offset == 0) {
        return 0;
    }
    return starts_[offset - 1] != 0 ? offset - 1 : offset - 2;
}

size_t EditText::NextBoundary(size_t offset) const {
    offset = Snap(offset);
    if (offset == text_.size()) {
        return offset;
    }
    return starts_[offset + 1] != 0 ? offset + 1 : offset + 2;
}

std::pair<size_t, size_t> EditText::WordAt(size_t offset) const {
    offset = Snap(offset);
    if (text_.empty()) {
        return {0, 0};
    }
    // At the end of the text the word is the one that ends there.
    size_t probe = offset == text_.size() ? PreviousBoundary(offset) : offset;
    const bool blank = IsBlank(text_[probe]);
    size_t first = probe;
    while (first > 0) {
        size_t previous = PreviousBoundary(first);
        if (IsBlank(text_[previous]) != blank) {
            break;
        }
        first = previous;
    }
    size_t last = NextBoundary(probe);
    while (last < text_.size() && IsBlank(text_[last]) == blank) {
        last = NextBoundary(last);
    }
    return {first, last};
}

size_t EditText::BoundaryAtOrBefore(int x) const {
    auto after = std::upper_bound(positions_.begin(), positions_.end(), x);
    if (after == positions_.begin()) {
        return 0;
    }
    return Snap(static_cast<size_t>(after - positions_.begin()) - 1);
}

size_t EditText::BoundaryNearest(int x) const {
    size_t before = BoundaryAtOrBefore(x);
    size_t next = NextBoundary(before);
    if (next != before && x - positions_[before] > positions_[next] - x) {
        return next;
    }
    return before;
}

}  // namespace layer::user::edit

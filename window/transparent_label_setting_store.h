// The seven settings of a transparent label as the label keeps them: caption, text effect, font
// block, text colour, the two alignments and word wrap, each stored by its own rule.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/win32.h"
#include "window/form.h"

namespace quorvane {

// The settings by index, as Set setting and Get setting address them.
enum TransparentLabelSetting : int32_t {
    kCaptionSetting = 0,
    kTextEffectSetting = 1,
    kFontSetting = 2,
    kTextColourSetting = 3,
    kHorizontalAlignmentSetting = 4,
    kWordWrapSetting = 5,
    kVerticalAlignmentSetting = 6,
};

// A setting's value: a text (the caption), a signed 32-bit number (text effect, the colour's
// 0x00BBGGRR bits, alignments, word wrap) or a block of bytes (the font).
using LabelSettingValue = std::variant<std::string, int32_t, std::vector<uint8_t>>;

class TransparentLabelSettingStore {
  public:
    explicit TransparentLabelSettingStore(const TransparentLabelSettings& initial);

    // Stores the value by the rule of its index and returns true; returns false and keeps
    // everything as it was for an index outside 0..6 or a value of the wrong kind for the index.
    // A caption keeps its bytes up to the first NUL, as the window text will.
    bool Store(int32_t index, const LabelSettingValue& value);

    // The stored value, or nothing for an index outside 0..6.
    std::optional<LabelSettingValue> Get(int32_t index) const;

    const std::string& Caption() const { return caption_; }
    int32_t TextEffect() const { return textEffect_; }
    // The logical font when the font block holds exactly one LOGFONTA, else nullptr.
    const LOGFONTA* Font() const;
    COLORREF TextColour() const { return textColour_; }
    int32_t HorizontalAlignment() const { return horizontalAlignment_; }
    bool WordWrap() const { return wordWrap_ == 1; }
    int32_t VerticalAlignment() const { return verticalAlignment_; }

  private:
    std::string caption_;
    int32_t textEffect_ = 0;
    std::vector<uint8_t> fontBlock_;
    LOGFONTA font_{};
    COLORREF textColour_ = 0;
    int32_t horizontalAlignment_ = 0;
    int32_t wordWrap_ = 0;
    int32_t verticalAlignment_ = 0;
};

}  // namespace quorvane

// The transparent label's settings and the rules by which each is stored.
#include "window/transparent_label_setting_store.h"

#include <algorithm>
#include <cstring>

namespace quorvane {
namespace {

// The font block names a logical font only at exactly the size of one; the form stores 60-byte
// blocks, which is what a LOGFONTA measures on 32-bit Windows.
static_assert(sizeof(LOGFONTA) == 60, "a font block holds one 60-byte LOGFONTA");

std::vector<uint8_t> BlockOf(const LOGFONTA* font) {
    if (font == nullptr) {
        return {};
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(font);
    return std::vector<uint8_t>(bytes, bytes + sizeof(LOGFONTA));
}

}  // namespace

TransparentLabelSettingStore::TransparentLabelSettingStore(
    const TransparentLabelSettings& initial) {
    Store(kCaptionSetting, std::string(initial.caption != nullptr ? initial.caption : ""));
    Store(kTextEffectSetting, initial.textEffect);
    Store(kFontSetting, BlockOf(initial.font));
    Store(kTextColourSetting, static_cast<int32_t>(initial.textColour));
    Store(kHorizontalAlignmentSetting, initial.horizontalAlignment);
    Store(kWordWrapSetting, initial.wordWrap);
    Store(kVerticalAlignmentSetting, initial.verticalAlignment);
}

bool TransparentLabelSettingStore::Store(int32_t index, const LabelSettingValue& value) {
    if (index == kCaptionSetting) {
        const auto* text = std::get_if<std::string>(&value);
        if (text == nullptr) {
            return false;
        }
        caption_.assign(text->c_str());
        return true;
    }
    if (index == kFontSetting) {
        const auto* block = std::get_if<std::vector<uint8_t>>(&value);
        if (block == nullptr) {
            return false;
        }
        fontBlock_ = *block;
        if (fontBlock_.size() == sizeof(LOGFONTA)) {
            std::memcpy(&font_, fontBlock_.data(), sizeof(LOGFONTA));
        }
        return true;
    }
    const auto* number = std::get_if<int32_t>(&value);
    if (number == nullptr) {
        return false;
    }
    switch (index) {
        case kTextEffectSetting:
            textEffect_ = std::clamp(*number, 0, 3);
            return true;
        case kTextColourSetting:
            textColour_ = static_cast<COLORREF>(*number);
            return true;
        case kHorizontalAlignmentSetting:
            horizontalAlignment_ = std::clamp(*number, 0, 2);
            return true;
        case kWordWrapSetting:
            wordWrap_ = *number;
            return true;
        case kVerticalAlignmentSetting:
            verticalAlignment_ = std::clamp(*number, 0, 2);
            return true;
        default:
            return false;
    }
}

std::optional<LabelSettingValue> TransparentLabelSettingStore::Get(int32_t index) const {
    switch (index) {
        case kCaptionSetting:
            return caption_;
        case kTextEffectSetting:
            return textEffect_;
        case kFontSetting:
            return fontBlock_;
        case kTextColourSetting:
            return static_cast<int32_t>(textColour_);
        case kHorizontalAlignmentSetting:
            return horizontalAlignment_;
        case kWordWrapSetting:
            return wordWrap_;
        case kVerticalAlignmentSetting:
            return verticalAlignment_;
        default:
            return std::nullopt;
    }
}

const LOGFONTA* TransparentLabelSettingStore::Font() const {
    return fontBlock_.size() == sizeof(LOGFONTA) ? &font_ : nullptr;
}

}  // namespace quorvane

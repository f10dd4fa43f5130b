// The syntax of the decimal reader: sign, mantissa, exponent, and the significant-digit rules.
#include "draw/decimal_scanner.h"

namespace draw {
namespace {

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsExponentLetter(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

}  // namespace

ScannedDecimal ScanDecimal(const char* text) {
    ScannedDecimal number;
    if (text == nullptr) {
        return number;
    }
    const char* cursor = text;
    while (IsSpace(*cursor)) {
        ++cursor;
    }
    if (*cursor == '+' || *cursor == '-') {
        number.negative = *cursor == '-';
        ++cursor;
    }

    bool sawDigit = false;
    bool afterPoint = false;
    int64_t scale = 0;  // the power of ten that the kept digits are worth, as far as read
    for (;; ++cursor) {
        const char c = *cursor;
        if (c == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (!IsDigit(c)) {
            break;
        }
        sawDigit = true;
        const auto digit = static_cast<uint8_t>(c - '0');
        if (number.digitCount == 0 && digit == 0) {
            // A leading zero is not significant, but after the point it still shifts the value.
            scale -= afterPoint ? 1 : 0;
        } else if (number.digitCount < ScannedDecimal::kMaxSignificantDigits) {
            number.digits[number.digitCount++] = digit;
            scale -= afterPoint ? 1 : 0;
        } else if (!afterPoint) {
            ++scale;  // a dropped digit before the point still counts for the magnitude
        }
    }
    if (!sawDigit) {
        return ScannedDecimal{};
    }

    // An exponent counts only when its letter is followed by digits, after an optional sign.
    if (IsExponentLetter(*cursor)) {
        const char* exponentCursor = cursor + 1;
        bool exponentNegative = false;
        if (*exponentCursor == '+' || *exponentCursor == '-') {
            exponentNegative = *exponentCursor == '-';
            ++exponentCursor;
        }
        if (IsDigit(*exponentCursor)) {
            int32_t magnitude = 0;
            for (; IsDigit(*exponentCursor); ++exponentCursor) {
                if (magnitude <= ScannedDecimal::kExponentCap) {
                    magnitude = magnitude * 10 + (*exponentCursor - '0');
                }
            }
            if (magnitude > ScannedDecimal::kExponentCap) {
                magnitude = ScannedDecimal::kExponentCap;
            }
            scale += exponentNegative ? -magnitude : magnitude;
        }
    }
    number.exponent = scale;
    return number;
}

}  // namespace draw

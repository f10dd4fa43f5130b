// Fuzzes the head-count parser: no input may crash it, and for the inputs whose meaning is
// fixed, the result must be that meaning. A broken invariant aborts with the input shown.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "draw/draw.h"

namespace {

[[noreturn]] void Broken(const char* what, const std::string& text) {
    std::fprintf(stderr, "invariant broken: %s\ninput (%zu bytes):", what, text.size());
    for (const unsigned char byte : text) {
        std::fprintf(stderr, " %02X", byte);
    }
    std::fprintf(stderr, "\n");
    std::abort();
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A plain ASCII whole number: an optional sign, then digits only. Its magnitude is returned
// when it stays below 2^53.
bool PlainWholeNumber(const std::string& text, int64_t& value) {
    size_t index = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        index = 1;
    }
    if (index == text.size()) {
        return false;
    }
    uint64_t magnitude = 0;
    for (; index < text.size(); ++index) {
        if (!IsDigit(text[index])) {
            return false;
        }
        magnitude = magnitude * 10 + static_cast<uint64_t>(text[index] - '0');
        if (magnitude >= (uint64_t{1} << 53)) {
            return false;
        }
    }
    value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

// A text that the C library reads exactly as the decimal reader must: sign, digits with an
// optional point, an optional e exponent of at most four digits, and at most 24 significant
// digits. glibc rounds such texts correctly, so it serves as the reference.
bool PlainDecimal(const std::string& text) {
    size_t index = 0;
    if (index < text.size() && (text[index] == '+' || text[index] == '-')) {
        ++index;
    }
    int digits = 0;
    int significant = 0;
    bool point = false;
    for (; index < text.size(); ++index) {
        const char c = text[index];
        if (c == '.' && !point) {
            point = true;
        } else if (IsDigit(c)) {
            ++digits;
            if (significant > 0 || c != '0') {
                ++significant;
            }
        } else {
            break;
        }
    }
    if (digits == 0 || significant > 24) {
        return false;
    }
    if (index == text.size()) {
        return true;
    }
    if (text[index] != 'e' && text[index] != 'E') {
        return false;
    }
    ++index;
    if (index < text.size() && (text[index] == '+' || text[index] == '-')) {
        ++index;
    }
    const size_t exponentStart = index;
    while (index < text.size() && IsDigit(text[index])) {
        ++index;
    }
    return index == text.size() && index > exponentStart && index - exponentStart <= 4;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The parser sees GBK bytes up to the first NUL.
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.substr(0, text.find('\0'));

    const int32_t headCount = draw::ParseHeadCount(text.c_str());
    const double value = draw::ReadDecimal(text.c_str());

    if (int64_t whole = 0; PlainWholeNumber(text, whole)) {
        if (headCount != static_cast<int32_t>(static_cast<uint32_t>(whole))) {
            Broken("a whole number below 2^53 parses to its low 32 bits", text);
        }
    }

    if (PlainDecimal(text)) {
        const double reference = std::strtod(text.c_str(), nullptr);
        if (std::bit_cast<uint64_t>(value) != std::bit_cast<uint64_t>(reference)) {
            Broken("a decimal of at most 24 digits reads correctly rounded", text);
        }
    }

    // Written in full-width forms, an ASCII text folds back to itself and parses the same.
    bool ascii = true;
    std::string fullWidth;
    std::string fullWidthDigits;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        ascii = ascii && byte < 0x80;
        const bool printable = byte >= 0x21 && byte <= 0x7E;
        fullWidth +=
            printable ? std::string{'\xA3', static_cast<char>(byte + 0x80)} : std::string{c};
        fullWidthDigits +=
            IsDigit(c) ? std::string{'\xA3', static_cast<char>(byte + 0x80)} : std::string{c};
    }
    if (ascii) {
        if (draw::NormalizeFullWidth(fullWidth.c_str()) != text) {
            Broken("full-width forms fold back to ASCII", text);
        }
        if (draw::ParseHeadCount(fullWidthDigits.c_str()) != headCount) {
            Broken("full-width digits parse like ASCII ones", text);
        }
    }
    return 0;
}

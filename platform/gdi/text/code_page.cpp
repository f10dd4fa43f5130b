// Code page 936 conversions through iconv (glibc's CP936 converter), one character at a time so
// that a byte that does not convert costs only itself.
#include "platform/gdi/text/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/gdi/text/ansi_characters.h"

namespace layer::text {
namespace {

// One open iconv descriptor per direction and thread, opened on first use.
class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            std::fprintf(stderr, "code page 936: iconv cannot convert %s to %s\n", from, to);
            std::abort();
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() { iconv_close(handle_); }

    // Converts the whole input as one unit; false when iconv refuses any of it.
    bool Convert(std::string_view input, std::string& output) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) ||
            inLeft != 0) {
            return false;
        }
        output.append(buffer, static_cast<size_t>(out - buffer));
        return true;
    }

  private:
    iconv_t handle_;
};

Converter& FromAnsi() {
    thread_local Converter converter("UTF-32LE", "CP936");
    return converter;
}

Converter& ToAnsi() {
    thread_local Converter converter("CP936", "UTF-8");
    return converter;
}

char32_t CodePointOf(std::string_view bytes) {
    std::string utf32;
    if (!FromAnsi().Convert(bytes, utf32) || utf32.size() != 4) {
        return kReplacementCharacter;
    }
    const auto* units = reinterpret_cast<const unsigned char*>(utf32.data());
    return static_cast<char32_t>(units[0] | units[1] << 8 | units[2] << 16 |
                                 static_cast<uint32_t>(units[3]) << 24);
}

void AppendUtf8(char32_t codePoint, std::string& output) {
    if (codePoint < 0x80) {
        output += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        output += static_cast<char>(0xC0 | codePoint >> 6);
        output += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        output += static_cast<char>(0xE0 | codePoint >> 12);
        output += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        output += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        output += static_cast<char>(0xF0 | codePoint >> 18);
        output += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
        output += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        output += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// The length of the well-formed UTF-8 sequence at `offset`, or 0 when the bytes there are not one.
size_t Utf8SequenceLength(std::string_view utf8, size_t offset) {
    const auto lead = static_cast<unsigned char>(utf8[offset]);
    size_t length = lead < 0x80                   ? 1
                    : lead >= 0xC2 && lead < 0xE0 ? 2
                    : lead >= 0xE0 && lead < 0xF0 ? 3
                    : lead >= 0xF0 && lead < 0xF5 ? 4
                                                  : 0;
    if (length == 0 || offset + length > utf8.size()) {
        return 0;
    }
    for (size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(utf8[offset + i]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

}  // namespace

bool IsLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

bool IsTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE);
}

size_t CharacterLengthAt(std::string_view ansi, size_t offset) {
    if (offset >= ansi.size()) {
        return 0;
    }
    const bool pair = IsLeadByte(static_cast<unsigned char>(ansi[offset])) &&
                      offset + 1 < ansi.size() &&
                      IsTrailByte(static_cast<unsigned char>(ansi[offset + 1]));
    return pair ? 2 : 1;
}

std::vector<AnsiCharacter> SplitAnsiCharacters(std::string_view ansi) {
    std::vector<AnsiCharacter> characters;
    characters.reserve(ansi.size());
    for (size_t offset = 0; offset < ansi.size();) {
        const size_t length = CharacterLengthAt(ansi, offset);
        const auto first = static_cast<unsigned char>(ansi[offset]);
        if (first < 0x80) {
            characters.push_back({offset, 1, first});
        } else {
            const char32_t codePoint = CodePointOf(ansi.substr(offset, length));
            if (codePoint == kReplacementCharacter && length == 2) {
                // A well-formed pair without a mapping: one replacement per byte.
                characters.push_back({offset, 1, kReplacementCharacter});
                characters.push_back({offset + 1, 1, kReplacementCharacter});
            } else {
                characters.push_back({offset, length, codePoint});
            }
        }
        offset += length;
    }
    return characters;
}

std::string Utf8FromAnsi(std::string_view ansi) {
    std::string utf8;
    utf8.reserve(ansi.size() * 3 / 2);
    for (const AnsiCharacter& character : SplitAnsiCharacters(ansi)) {
        AppendUtf8(character.codePoint, utf8);
    }
    return utf8;
}

std::string AnsiFromUtf8(std::string_view utf8) {
    std::string ansi;
    ansi.reserve(utf8.size());
    for (size_t offset = 0; offset < utf8.size();) {
        const size_t length = Utf8SequenceLength(utf8, offset);
        if (length == 0) {
            ++offset;  // not UTF-8: the byte is skipped
            continue;
        }
        if (length == 1) {
            ansi += utf8[offset];
        } else {
            ToAnsi().Convert(utf8.substr(offset, length), ansi);  // no GBK form: left out
        }
        offset += length;
    }
    return ansi;
}

}  // namespace layer::text

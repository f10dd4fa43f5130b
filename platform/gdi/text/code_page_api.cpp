// The code page functions of the A interface: walking double-byte text and converting between
// code page 936 and wide characters. The layer's only code page is 936.
#include <cstring>
#include <string>

#include "platform/api/kernel32.h"
#include "platform/api/text.h"
#include "platform/gdi/text/ansi_characters.h"
#include "platform/gdi/text/code_page.h"

namespace {

constexpr UINT kAnsiCodePage = 936;

bool IsAnsiCodePage(UINT codePage) {
    return codePage == CP_ACP || codePage == CP_THREAD_ACP || codePage == CP_OEMCP ||
           codePage == kAnsiCodePage;
}

// Length of a counted string: -1 means up to and including its NUL.
size_t CountedLength(const char* text, int count) {
    return count < 0 ? std::strlen(text) + 1 : static_cast<size_t>(count);
}

std::string Utf8FromCodePoint(char32_t codePoint) {
    std::string utf8;
    if (codePoint < 0x800) {
        utf8 += static_cast<char>(0xC0 | codePoint >> 6);
    } else if (codePoint < 0x10000) {
        utf8 += static_cast<char>(0xE0 | codePoint >> 12);
        utf8 += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | codePoint >> 18);
        utf8 += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
        utf8 += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
    }
    utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    return utf8;
}

}  // namespace

BOOL WINAPI IsDBCSLeadByte(BYTE testChar) {
    return layer::text::IsLeadByte(testChar);
}

UINT WINAPI GetACP(void) {
    return kAnsiCodePage;
}

// A pair is stepped over only when its second byte can trail, the same rule by which text is
// drawn, so that a caret never lands inside what shows as one character.
LPSTR WINAPI CharNextA(LPCSTR current) {
    if (current == nullptr) {
        return nullptr;
    }
    if (*current == '\0') {
        return const_cast<LPSTR>(current);
    }
    const bool pair = layer::text::IsLeadByte(static_cast<unsigned char>(current[0])) &&
                      layer::text::IsTrailByte(static_cast<unsigned char>(current[1]));
    return const_cast<LPSTR>(current + (pair ? 2 : 1));
}

LPSTR WINAPI CharPrevA(LPCSTR start, LPCSTR current) {
    if (start == nullptr || current == nullptr || current <= start) {
        return const_cast<LPSTR>(start);
    }
    LPCSTR position = start;
    while (true) {
        LPCSTR next = CharNextA(position);
        if (next >= current || next == position) {
            return const_cast<LPSTR>(position);
        }
        position = next;
    }
}

int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int multiByteCount,
                               LPWSTR wide, int wideCount) {
    if (!IsAnsiCodePage(codePage) || multiByte == nullptr || multiByteCount == 0 ||
        multiByteCount < -1 || wideCount < 0 || (wideCount > 0 && wide == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::string_view ansi(multiByte, CountedLength(multiByte, multiByteCount));
    const auto characters = layer::text::SplitAnsiCharacters(ansi);
    if (flags & MB_ERR_INVALID_CHARS) {
        for (const auto& character : characters) {
            if (character.codePoint == layer::text::kReplacementCharacter) {
                SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                return 0;
            }
        }
    }
    const int needed = static_cast<int>(characters.size());
    if (wideCount == 0) {
        return needed;
    }
    if (wideCount < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    for (int i = 0; i < needed; ++i) {
        wide[i] = static_cast<WCHAR>(characters[static_cast<size_t>(i)].codePoint);
    }
    return needed;
}

int WINAPI WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int wideCount, LPSTR multiByte,
                               int multiByteCount, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
    if (!IsAnsiCodePage(codePage) || wide == nullptr || wideCount == 0 || wideCount < -1 ||
        multiByteCount < 0 || (multiByteCount > 0 && multiByte == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t length = 0;
    if (wideCount < 0) {
        while (wide[length] != 0) {
            ++length;
        }
        ++length;
    } else {
        length = static_cast<size_t>(wideCount);
    }
    const std::string fallback =
        defaultChar != nullptr && defaultChar[0] != '\0'
            ? std::string(defaultChar, layer::text::CharacterLengthAt(defaultChar, 0))
            : std::string("?");
    std::string ansi;
    bool usedDefault = false;
    for (size_t i = 0; i < length; ++i) {
        const auto codePoint = static_cast<char32_t>(wide[i]);
        if (codePoint < 0x80) {
            ansi += static_cast<char>(codePoint);
            continue;
        }
        const bool valid = codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
        std::string converted =
            valid ? layer::text::AnsiFromUtf8(Utf8FromCodePoint(codePoint)) : std::string();
        if (converted.empty()) {
            converted = fallback;
            usedDefault = true;
        }
        ansi += converted;
    }
    if (usedDefaultChar != nullptr) {
        *usedDefaultChar = usedDefault;
    }
    const int needed = static_cast<int>(ansi.size());
    if (multiByteCount == 0) {
        return needed;
    }
    if (multiByteCount < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(multiByte, ansi.data(), ansi.size());
    return needed;
}

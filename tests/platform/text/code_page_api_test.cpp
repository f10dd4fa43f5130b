// The code page functions of the A interface: walking double-byte text and wide conversions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32.h"

namespace {

// The byte offsets that CharNextA stops at, from the start to the terminating NUL.
std::vector<int> Stops(const char* text) {
    std::vector<int> stops;
    for (const char* p = text; *p != '\0'; p = ::CharNextA(p)) {
        stops.push_back(static_cast<int>(p - text));
    }
    stops.push_back(static_cast<int>(std::char_traits<char>::length(text)));
    return stops;
}

TEST(CodePageApi, CharNextAndCharPrevWalkWholeCharacters) {
    struct Case {
        const char* name;
        const char* text;
        std::vector<int> stops;
    };
    const Case cases[] = {
        {"mixed", "a抽 奖", {0, 1, 3, 4, 6}},
        {"lone lead byte at the end", "a\xB3", {0, 1, 2}},
        {"lead byte before a space", "\xB3 x", {0, 1, 2, 3}},
        {"0x80 and 0xFF stand alone", "\x80\xFF", {0, 1, 2}},
        {"empty", "", {0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Stops(c.text), c.stops) << c.name;
        // CharPrevA goes back through the same stops.
        const char* end = c.text + c.stops.back();
        for (size_t i = c.stops.size() - 1; i > 0; --i) {
            EXPECT_EQ(::CharPrevA(c.text, c.text + c.stops[i]) - c.text, c.stops[i - 1])
                << c.name << " from " << c.stops[i];
        }
        EXPECT_EQ(::CharPrevA(c.text, c.text), c.text) << c.name;
        EXPECT_EQ(::CharNextA(end), end) << c.name << ": CharNextA stays on the NUL";
    }
    EXPECT_EQ(::CharNextA(nullptr), nullptr);
}

TEST(CodePageApi, LeadBytesAndTheCodePage) {
    EXPECT_EQ(::GetACP(), 936u);
    EXPECT_FALSE(::IsDBCSLeadByte(0x80));
    EXPECT_TRUE(::IsDBCSLeadByte(0x81));
    EXPECT_TRUE(::IsDBCSLeadByte(0xB3));
    EXPECT_TRUE(::IsDBCSLeadByte(0xFE));
    EXPECT_FALSE(::IsDBCSLeadByte(0xFF));
    EXPECT_FALSE(::IsDBCSLeadByte('a'));
}

TEST(CodePageApi, MultiByteToWideCharSizesConvertsAndRefuses) {
    const char* text = "抽 奖";
    EXPECT_EQ(::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0), 4) << "with the NUL";
    WCHAR wide[8] = {};
    ASSERT_EQ(::MultiByteToWideChar(936, 0, text, -1, wide, 8), 4);
    EXPECT_EQ(wide[0], static_cast<WCHAR>(0x62BD));
    EXPECT_EQ(wide[1], static_cast<WCHAR>(' '));
    EXPECT_EQ(wide[2], static_cast<WCHAR>(0x5956));
    EXPECT_EQ(wide[3], static_cast<WCHAR>(0));

    ::SetLastError(0);
    EXPECT_EQ(::MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 2), 0);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    ::SetLastError(0);
    EXPECT_EQ(::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "a\xFF", 2, wide, 8), 0);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
    EXPECT_EQ(::MultiByteToWideChar(CP_ACP, 0, "a\xFF", 2, wide, 8), 2);
    EXPECT_EQ(wide[1], static_cast<WCHAR>(0xFFFD));
    ::SetLastError(0);
    EXPECT_EQ(::MultiByteToWideChar(1252, 0, "a", 1, wide, 8), 0);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(::MultiByteToWideChar(CP_ACP, 0, nullptr, 1, wide, 8), 0);
}

TEST(CodePageApi, WideCharToMultiByteUsesTheDefaultCharacterForTheUnmappable) {
    const WCHAR wide[] = {0x4F4D, 'x', 0x0E01, 0};  // 位, x, a Thai letter without GBK form
    char ansi[16] = {};
    BOOL usedDefault = FALSE;
    EXPECT_EQ(::WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr), 5);
    ASSERT_EQ(::WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, 16, nullptr, &usedDefault), 5);
    EXPECT_EQ(std::string(ansi), std::string("位x?"));
    EXPECT_TRUE(usedDefault);
    ASSERT_EQ(::WideCharToMultiByte(CP_ACP, 0, wide, 2, ansi, 16, "*", &usedDefault), 3);
    EXPECT_FALSE(usedDefault);
    ::SetLastError(0);
    EXPECT_EQ(::WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, 3, nullptr, nullptr), 0);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

}  // namespace

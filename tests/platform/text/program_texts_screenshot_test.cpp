// All of the program's texts at their sizes on one picture, saved as a PNG in the build folder so
// that a person can judge legibility and weight; the test checks that every text left ink.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/testing/png.h"
#include "tests/platform/text/text_dc_fixture.h"

namespace {

class ProgramTextsScreenshot : public TextDCTest {
  protected:
    // Draws `text` with DrawTextA into `rect` and reports whether any pixel inside changed.
    bool Draw(const char* text, RECT rect, UINT format, COLORREF color) {
        const RECT area = rect;
        ::SetTextColor(dc_, color);
        ::DrawTextA(dc_, text, -1, &rect, format);
        const auto& surface = Target();
        const uint32_t background = layer::gdi::PixelFromColorRef(kFace);
        for (LONG y = area.top; y < area.bottom; ++y) {
            for (LONG x = area.left; x < area.right; ++x) {
                if (surface.PixelAt(x, y) != background) {
                    return true;
                }
            }
        }
        return false;
    }

    static constexpr COLORREF kFace = RGB(212, 208, 200);
};

TEST_F(ProgramTextsScreenshot, EveryTextAtItsSize) {
    Close();
    Open(420, 330);
    Clear(kFace);
    ::SetBkMode(dc_, TRANSPARENT);
    const UINT label = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP;

    // The default GUI font: group box captions, the entry and the message box texts.
    HGDIOBJ previous = ::SelectObject(dc_, ::GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_TRUE(Draw("中奖童鞋", {18, 2, 120, 16}, DT_SINGLELINE, 0));
    EXPECT_TRUE(Draw("总人数", {306, 2, 392, 16}, DT_SINGLELINE, 0));
    EXPECT_TRUE(Draw("1000", {314, 32, 358, 56}, label, 0));
    EXPECT_TRUE(Draw("信息：", {10, 226, 200, 242}, DT_SINGLELINE, 0));
    EXPECT_TRUE(Draw("你还没输入人数！", {10, 246, 200, 262}, DT_SINGLELINE, 0));
    EXPECT_TRUE(Draw("错误", {10, 268, 200, 284}, DT_SINGLELINE, 0));
    EXPECT_TRUE(Draw("运行时出错!", {10, 288, 200, 304}, DT_SINGLELINE, 0));
    EXPECT_TRUE(Draw("载入启动窗口失败", {10, 308, 200, 324}, DT_SINGLELINE, 0));
    ::SelectObject(dc_, previous);

    // The 16-pixel font of the button and of the unit label.
    UseFont(-16, 400);
    EXPECT_TRUE(Draw("位", {368, 32, 384, 64}, DT_LEFT | label, 0));
    EXPECT_TRUE(Draw("抽 奖", {300, 96, 392, 200}, DT_CENTER | label, 0));

    // The drawn number: 213-pixel bold red, centred in its 240 x 160 label, which clips it.
    UseFont(-213, 700);
    const RECT number{16, 24, 256, 184};
    ASSERT_NE(::IntersectClipRect(dc_, number.left, number.top, number.right, number.bottom),
              ERROR);
    EXPECT_TRUE(Draw("32768", number, DT_CENTER | label, RGB(255, 0, 0)));
    ::SelectClipRgn(dc_, nullptr);

    const std::string path = std::string(QUORVANE_TEXT_SCREENSHOT_DIR) + "/program_texts.png";
    EXPECT_TRUE(layer::testing::SavePng(Target(), path)) << path;
    std::printf("screenshot: %s\n", path.c_str());
}

}  // namespace

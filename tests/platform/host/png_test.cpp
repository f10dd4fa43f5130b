// PNG screenshots: what is written reads back pixel for pixel, and bad paths or files fail
// cleanly.
#include "platform/testing/png.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace layer::testing {
namespace {

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("headless_png_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

TEST(Png, RoundTripKeepsEveryPixel) {
    gdi::Surface surface(37, 5);
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            surface.SetPixelAt(
                x, y, static_cast<uint32_t>((x * 7) << 16 | (y * 50) << 8 | ((x + y) * 5)));
        }
    }
    surface.SetPixelAt(0, 0, 0xFFFFFF);
    const std::string path = TempPath("roundtrip.png");
    ASSERT_TRUE(SavePng(surface, path));

    const auto read = ReadPng(path);
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Width(), 37);
    ASSERT_EQ(read->Height(), 5);
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            ASSERT_EQ(read->PixelAt(x, y), surface.PixelAt(x, y)) << "at " << x << "," << y;
        }
    }
    std::filesystem::remove(path);
}

TEST(Png, BadPathsAndFilesFailCleanly) {
    const gdi::Surface surface(4, 4);
    EXPECT_FALSE(SavePng(surface, ""));
    EXPECT_FALSE(SavePng(surface, "/nonexistent-directory/screen.png"));
    EXPECT_EQ(ReadPng(""), nullptr);
    EXPECT_EQ(ReadPng("/nonexistent-directory/screen.png"), nullptr);

    const std::string notPng = TempPath("not.png");
    std::ofstream(notPng) << "this is not an image";
    EXPECT_EQ(ReadPng(notPng), nullptr);
    std::filesystem::remove(notPng);

    // A file cut short after a valid header fails when the pixels are read.
    const std::string whole = TempPath("whole.png");
    ASSERT_TRUE(SavePng(gdi::Surface(64, 64), whole));
    const auto size = std::filesystem::file_size(whole);
    std::filesystem::resize_file(whole, size / 2);
    EXPECT_EQ(ReadPng(whole), nullptr);
    std::filesystem::remove(whole);
}

}  // namespace
}  // namespace layer::testing

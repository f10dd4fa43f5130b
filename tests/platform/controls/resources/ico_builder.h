// Builds .ico files in memory for the tests: images given as ARGB pixels, written as palettised or
// 32-bit DIBs with their AND masks, the way icon editors save them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace resources_testing {

struct TestImage {
    int width = 0;
    int height = 0;
    int bitCount = 4;            // 1, 4, 8 or 32
    std::vector<uint32_t> argb;  // top row first; alpha 0 is transparent
    bool png = false;            // write a PNG signature instead of a DIB
};

// An image of one colour with a transparent top-left quarter.
TestImage QuarterCutImage(int size, int bitCount, uint32_t colour);

std::vector<uint8_t> BuildIco(const std::vector<TestImage>& images);

// Writes bytes to a fresh file in the temporary folder and returns its path.
std::string WriteTemporaryFile(const std::string& name, const std::vector<uint8_t>& bytes);

}  // namespace resources_testing

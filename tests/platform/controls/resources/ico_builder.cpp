// The tests' .ico writer.
#include "ico_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace resources_testing {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

size_t RowBytes(int width, int bitCount) {
    return (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
}

std::vector<uint8_t> Dib(const TestImage& image) {
    std::vector<uint8_t> out;
    if (image.png) {
        out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0};
        return out;
    }
    std::vector<uint32_t> palette;
    if (image.bitCount <= 8) {
        for (uint32_t pixel : image.argb) {
            const uint32_t colour = pixel >> 24 ? pixel & 0xFFFFFF : 0;
            if (std::find(palette.begin(), palette.end(), colour) == palette.end()) {
                palette.push_back(colour);
            }
        }
        if (palette.size() > (1u << image.bitCount)) {
            throw std::runtime_error("too many colours for the bit count");
        }
        palette.resize(size_t{1} << image.bitCount, 0);
    }
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(image.width));
    Put32(out, static_cast<uint32_t>(image.height * 2));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(image.bitCount));
    for (int field = 0; field < 6; ++field) {
        Put32(out, 0);
    }
    for (uint32_t colour : palette) {
        Put32(out, colour);
    }
    const size_t colourRow = RowBytes(image.width, image.bitCount);
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(colourRow, 0);
        for (int x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.argb[static_cast<size_t>(y) * image.width + x];
            if (image.bitCount == 32) {
                for (int byte = 0; byte < 4; ++byte) {
                    row[static_cast<size_t>(x) * 4 + byte] =
                        static_cast<uint8_t>(pixel >> (8 * byte));
                }
                continue;
            }
            const uint32_t colour = pixel >> 24 ? pixel & 0xFFFFFF : 0;
            const size_t index =
                std::find(palette.begin(), palette.end(), colour) - palette.begin();
            const size_t bit = static_cast<size_t>(x) * image.bitCount;
            row[bit / 8] |= static_cast<uint8_t>(index << (8 - image.bitCount - bit % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    const size_t maskRow = RowBytes(image.width, 1);
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskRow, 0);
        for (int x = 0; x < image.width; ++x) {
            if ((image.argb[static_cast<size_t>(y) * image.width + x] >> 24) == 0) {
                row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

TestImage QuarterCutImage(int size, int bitCount, uint32_t colour) {
    TestImage image{size, size, bitCount, {}};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            image.argb.push_back(x < size / 2 && y < size / 2 ? 0 : colour);
        }
    }
    return image;
}

std::vector<uint8_t> BuildIco(const std::vector<TestImage>& images) {
    std::vector<std::vector<uint8_t>> dibs;
    for (const TestImage& image : images) {
        dibs.push_back(Dib(image));
    }
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (size_t index = 0; index < images.size(); ++index) {
        out.push_back(static_cast<uint8_t>(images[index].width & 0xFF));
        out.push_back(static_cast<uint8_t>(images[index].height & 0xFF));
        out.push_back(images[index].bitCount == 4 ? 16 : 0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, static_cast<uint32_t>(images[index].bitCount));
        Put32(out, static_cast<uint32_t>(dibs[index].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(dibs[index].size());
    }
    for (const auto& dib : dibs) {
        out.insert(out.end(), dib.begin(), dib.end());
    }
    return out;
}

std::string WriteTemporaryFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace resources_testing

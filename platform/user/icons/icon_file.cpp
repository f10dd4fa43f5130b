// The .ico reader. Every size and offset is checked against the bytes at hand before it is used,
// so a damaged file gives nothing instead of reading past its end.
#include "platform/user/icons/icon_file.h"

#include <algorithm>
#include <cstdlib>

namespace layer::user {

namespace {

constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kDirectoryEntrySize = 16;
constexpr size_t kInfoHeaderSize = 40;
constexpr int kLargestSide = 256;

uint16_t Read16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t Read32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

bool IsPng(std::span<const uint8_t> image) {
    static constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return image.size() >= sizeof kSignature &&
           std::equal(std::begin(kSignature), std::end(kSignature), image.begin());
}

// Bytes per row of a bottom-up DIB: rows are padded to whole 32-bit words.
size_t RowBytes(int width, int bitCount) {
    return (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
}

}  // namespace

std::optional<std::vector<IconFileEntry>> ReadIconDirectory(std::span<const uint8_t> file) {
    if (file.size() < kDirectoryHeaderSize || Read16(file, 0) != 0 || Read16(file, 2) != 1) {
        return std::nullopt;
    }
    const size_t count = Read16(file, 4);
    if (count == 0 || file.size() < kDirectoryHeaderSize + count * kDirectoryEntrySize) {
        return std::nullopt;
    }
    std::vector<IconFileEntry> entries;
    for (size_t index = 0; index < count; ++index) {
        const size_t at = kDirectoryHeaderSize + index * kDirectoryEntrySize;
        const uint32_t size = Read32(file, at + 8);
        const uint32_t offset = Read32(file, at + 12);
        if (offset > file.size() || size > file.size() - offset) {
            return std::nullopt;
        }
        IconFileEntry entry;
        entry.width = file[at] == 0 ? kLargestSide : file[at];
        entry.height = file[at + 1] == 0 ? kLargestSide : file[at + 1];
        entry.image = file.subspan(offset, size);
        // The directory's bit count is often left 0; the image's own header knows.
        entry.bitCount = Read16(file, at + 6);
        if (entry.image.size() >= kInfoHeaderSize && !IsPng(entry.image)) {
            entry.bitCount = Read16(entry.image, 14);
        }
        entries.push_back(entry);
    }
    return entries;
}

size_t ChooseIconEntry(const std::vector<IconFileEntry>& entries, int width, int height) {
    size_t best = 0;
    auto better = [&](const IconFileEntry& a, const IconFileEntry& b) {
        const long distanceA =
            std::labs(long{a.width} - width) + std::labs(long{a.height} - height);
        const long distanceB =
            std::labs(long{b.width} - width) + std::labs(long{b.height} - height);
        if (distanceA != distanceB) {
            return distanceA < distanceB;
        }
        if (a.width * a.height != b.width * b.height) {
            return a.width * a.height > b.width * b.height;
        }
        return a.bitCount > b.bitCount;
    };
    for (size_t index = 1; index < entries.size(); ++index) {
        if (better(entries[index], entries[best])) {
            best = index;
        }
    }
    return best;
}

std::optional<IconImage> DecodeIconImage(std::span<const uint8_t> image) {
    if (IsPng(image) || image.size() < kInfoHeaderSize) {
        return std::nullopt;
    }
    const uint32_t headerSize = Read32(image, 0);
    const int32_t width = static_cast<int32_t>(Read32(image, 4));
    const int32_t doubledHeight = static_cast<int32_t>(Read32(image, 8));
    const int bitCount = Read16(image, 14);
    const uint32_t compression = Read32(image, 16);
    const uint32_t colorsUsed = Read32(image, 32);
    // The header's height covers the colour image and the mask together.
    if (headerSize < kInfoHeaderSize || headerSize > image.size() || width <= 0 ||
        width > kLargestSide || doubledHeight <= 0 || doubledHeight > 2 * kLargestSide ||
        doubledHeight % 2 != 0 || compression != 0) {
        return std::nullopt;
    }
    const int height = doubledHeight / 2;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) {
        return std::nullopt;
    }
    size_t paletteSize = 0;
    if (bitCount <= 8) {
        const size_t full = size_t{1} << bitCount;
        paletteSize = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
    }
    const size_t paletteAt = headerSize;
    const size_t colorAt = paletteAt + paletteSize * 4;
    const size_t colorRow = RowBytes(width, bitCount);
    const size_t maskAt = colorAt + colorRow * height;
    const size_t maskRow = RowBytes(width, 1);
    if (maskAt > image.size()) {
        return std::nullopt;
    }
    // A 32-bit image may leave its mask out; every other depth needs it.
    const bool hasMask = image.size() - maskAt >= maskRow * height;
    if (!hasMask && bitCount != 32) {
        return std::nullopt;
    }

    IconImage decoded;
    decoded.width = width;
    decoded.height = height;
    decoded.argb.assign(static_cast<size_t>(width) * height, 0);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom-up.
        const size_t row = colorAt + colorRow * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            uint32_t pixel = 0;
            if (bitCount <= 8) {
                const size_t bit = static_cast<size_t>(x) * bitCount;
                const int shift = 8 - bitCount - static_cast<int>(bit % 8);
                const size_t index = (image[row + bit / 8] >> shift) & ((1u << bitCount) - 1);
                if (index < paletteSize) {
                    pixel = Read32(image, paletteAt + index * 4) & 0xFFFFFF;
                }
                pixel |= 0xFF000000;
            } else if (bitCount == 24) {
                const size_t at = row + static_cast<size_t>(x) * 3;
                pixel = 0xFF000000 | image[at + 2] << 16 | image[at + 1] << 8 | image[at];
            } else {
                pixel = Read32(image, row + static_cast<size_t>(x) * 4);
                anyAlpha = anyAlpha || (pixel >> 24) != 0;
            }
            decoded.argb[static_cast<size_t>(y) * width + x] = pixel;
        }
    }
    // A 32-bit image with an alpha channel uses it; one whose alpha is all zero is opaque
    // wherever its mask says so, like the images of fewer bits.
    const bool useMask = !(bitCount == 32 && anyAlpha);
    if (useMask && !hasMask) {
        return std::nullopt;
    }
    for (int y = 0; useMask && y < height; ++y) {
        const size_t row = maskAt + maskRow * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const bool transparent = (image[row + x / 8] >> (7 - x % 8)) & 1;
            uint32_t& pixel = decoded.argb[static_cast<size_t>(y) * width + x];
            pixel = transparent ? 0 : (pixel | 0xFF000000);
        }
    }
    return decoded;
}

IconImage ResampleIcon(const IconImage& image, int width, int height) {
    if (width == image.width && height == image.height) {
        return image;
    }
    IconImage resampled;
    resampled.width = width;
    resampled.height = height;
    resampled.argb.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const int fromY = static_cast<int>(int64_t{y} * image.height / height);
        const int toY = std::max(
            fromY + 1, static_cast<int>((int64_t{y + 1} * image.height + height - 1) / height));
        for (int x = 0; x < width; ++x) {
            const int fromX = static_cast<int>(int64_t{x} * image.width / width);
            const int toX = std::max(
                fromX + 1, static_cast<int>((int64_t{x + 1} * image.width + width - 1) / width));
            // Averaged with premultiplied alpha, so transparent pixels lend no colour.
            uint64_t alpha = 0, red = 0, green = 0, blue = 0, count = 0;
            for (int sy = fromY; sy < toY; ++sy) {
                for (int sx = fromX; sx < toX; ++sx) {
                    const uint32_t pixel = image.At(sx, sy);
                    const uint32_t a = pixel >> 24;
                    alpha += a;
                    red += ((pixel >> 16) & 0xFF) * a;
                    green += ((pixel >> 8) & 0xFF) * a;
                    blue += (pixel & 0xFF) * a;
                    ++count;
                }
            }
            uint32_t result = 0;
            if (alpha != 0) {
                auto straight = [&](uint64_t sum) {
                    return static_cast<uint32_t>(
                        std::min<uint64_t>(255, (sum + alpha / 2) / alpha));
                };
                const uint32_t averageAlpha = static_cast<uint32_t>((alpha + count / 2) / count);
                result = averageAlpha << 24 | straight(red) << 16 | straight(green) << 8 |
                         straight(blue);
            }
            resampled.argb[static_cast<size_t>(y) * width + x] = result;
        }
    }
    return resampled;
}

}  // namespace layer::user

// Reading .ico files: the directory of images, the choice of the image that best fits a size, and
// the decoding of one image (a DIB with its AND mask) into 32-bit ARGB pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/user/icons/icon_table.h"

namespace layer::user {

struct IconFileEntry {
    int width = 0;  // 1..256 (the file stores 256 as 0)
    int height = 0;
    int bitCount = 0;                // from the image's own header
    std::span<const uint8_t> image;  // the image's bytes inside the file
};

// The images an .ico file holds, or nothing when the directory is malformed or names bytes
// outside the file.
std::optional<std::vector<IconFileEntry>> ReadIconDirectory(std::span<const uint8_t> file);

// The index of the entry that best fits width x height: an exact size first, else the nearest
// size (preferring the larger of two equally near, which scales down more cleanly), then the
// deepest colours.
size_t ChooseIconEntry(const std::vector<IconFileEntry>& entries, int width, int height);

// Decodes one image: a BITMAPINFOHEADER DIB of 1, 4, 8, 24 or 32 bits per pixel followed by its
// AND mask. PNG-compressed images and malformed ones give nothing.
std::optional<IconImage> DecodeIconImage(std::span<const uint8_t> image);

// The image resampled to width x height by area averaging (nearest pixel when enlarging).
IconImage ResampleIcon(const IconImage& image, int width, int height);

}  // namespace layer::user

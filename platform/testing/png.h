// PNG files of surfaces, for screenshots of the headless screen and of off-screen drawing, and
// for tests that read them back.
#pragma once

#include <memory>
#include <string>

#include "platform/gdi/surface.h"

namespace layer::testing {

// Writes the surface as an 8-bit RGB PNG file. False when the file cannot be written.
bool SavePng(const gdi::Surface& surface, const std::string& path);

// Reads a PNG file of any colour type into a new surface (transparent pixels are composed on
// black). Null when the file is missing or is not a readable PNG image.
std::unique_ptr<gdi::Surface> ReadPng(const std::string& path);

}  // namespace layer::testing

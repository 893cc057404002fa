// Writers for finished pictures: 8-bit-per-channel PNG (RGB for opaque canvases, RGBA for
// translucent ones, never paletted) and the 24-bit BMP that the window icon needs.
#pragma once

#include <filesystem>

#include "canvas.h"

void write_png(const std::filesystem::path& path, const Canvas& canvas);
void write_bmp(const std::filesystem::path& path, const Canvas& canvas);

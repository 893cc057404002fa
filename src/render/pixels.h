// Pixels: an image as plain bytes, which textures are made from whatever loaded or rendered it:
// rows from the top, each pixel R, G, B and, in a picture with an alpha channel, A. On the desktop
// SDL_image loads picture files (pixels_desktop.cpp); in a browser, whose SDL keeps every
// surface in a canvas of the page and reads it back from there, stb_image does
// (pixels_web.cpp).
#pragma once

#include <SDL.h>

#include <optional>
#include <vector>

struct Pixels {
    int width = 0;
    int height = 0;
    int channels = 4;  // 3 (RGB) or 4 (RGBA)
    std::vector<Uint8> bytes;
};

// The surface's pixels, read through its format's masks: 3 channels for a 24-bit surface, 4 for
// a 32-bit one (full alpha where it has no alpha mask); nothing for any other depth.
std::optional<Pixels> pixels_of(const SDL_Surface& surface);
// The picture in an image file; throws a LoadError naming the path.
Pixels load_pixels(const char* path);

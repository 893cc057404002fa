#include "render/pixels.h"

#include <cstring>

std::optional<Pixels> pixels_of(const SDL_Surface& surface) {
    const SDL_PixelFormat& format = *surface.format;
    const int bytes = format.BytesPerPixel;
    if (bytes != 3 && bytes != 4) return std::nullopt;
    Pixels picture{surface.w, surface.h, bytes, std::vector<Uint8>(size_t(surface.w * surface.h * bytes))};
    // A channel without a mask (a picture's missing alpha) reads as full.
    const Uint32 masks[] = {format.Rmask, format.Gmask, format.Bmask, format.Amask};
    const Uint8 shifts[] = {format.Rshift, format.Gshift, format.Bshift, format.Ashift};
    Uint8* out = picture.bytes.data();
    for (int row = 0; row < surface.h; ++row) {
        const Uint8* in = static_cast<const Uint8*>(surface.pixels) + row * surface.pitch;
        for (int x = 0; x < surface.w; ++x, in += bytes) {
            Uint32 pixel = 0;
            std::memcpy(&pixel, in, size_t(bytes));
            for (int c = 0; c < bytes; ++c) *out++ = masks[c] == 0 ? 255 : Uint8((pixel & masks[c]) >> shifts[c]);
        }
    }
    return picture;
}

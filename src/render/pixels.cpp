#include "render/pixels.h"

#include <cstring>

namespace {

// Where a channel sits in a pixel, from its mask, found once a picture; no mask means the picture
// has no such channel, which reads as full.
struct Channel {
    explicit Channel(Uint32 bits) : mask(bits) {
        while (mask != 0 && (mask >> shift & 1) == 0) ++shift;
    }
    Uint8 of(Uint32 pixel) const { return mask == 0 ? 255 : Uint8((pixel & mask) >> shift); }
    Uint32 mask;
    int shift = 0;
};

}  // namespace

std::optional<Pixels> pixels_of(const SDL_Surface& surface) {
    const SDL_PixelFormat& format = *surface.format;
    const int bytes = format.BytesPerPixel;
    if (bytes != 3 && bytes != 4) return std::nullopt;
    Pixels picture{surface.w, surface.h, bytes, std::vector<Uint8>(size_t(surface.w * surface.h * bytes))};
    const Channel channels[] = {Channel(format.Rmask), Channel(format.Gmask), Channel(format.Bmask),
                                Channel(format.Amask)};
    Uint8* out = picture.bytes.data();
    for (int row = 0; row < surface.h; ++row) {
        const Uint8* in = static_cast<const Uint8*>(surface.pixels) + row * surface.pitch;
        for (int x = 0; x < surface.w; ++x, in += bytes) {
            Uint32 pixel = 0;
            std::memcpy(&pixel, in, size_t(bytes));
            for (int channel = 0; channel < bytes; ++channel) *out++ = channels[channel].of(pixel);
        }
    }
    return picture;
}

#include "e2e/picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <vector>

Picture::Picture(const std::string& path) {
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (!surface) return;
    // Converted once: the tests compare many frames with the same pictures.
    std::vector<Rgb> pixels;
    pixels.reserve(size_t(surface->w) * size_t(surface->h));
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            const Uint8* bytes = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch +
                                 x * surface->format->BytesPerPixel;
            Uint32 value = 0;
            std::memcpy(&value, bytes, surface->format->BytesPerPixel);
            Rgb colour;
            SDL_GetRGB(value, surface->format, &colour.r, &colour.g, &colour.b);
            pixels.push_back(colour);
        }
    }
    pixels_ = Bitmap(surface->w, surface->h, std::move(pixels));
    SDL_FreeSurface(surface);
}

#include "e2e/picture.h"

#include <SDL_image.h>

#include <cstring>

Picture::Picture(const std::string& path) : surface_(IMG_Load(path.c_str())) {}

Picture::~Picture() { SDL_FreeSurface(surface_); }

Rgb Picture::at(int x, int y) const {
    const Uint8* bytes = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch +
                         x * surface_->format->BytesPerPixel;
    Uint32 value = 0;
    std::memcpy(&value, bytes, surface_->format->BytesPerPixel);
    Rgb colour;
    SDL_GetRGB(value, surface_->format, &colour.r, &colour.g, &colour.b);
    return colour;
}

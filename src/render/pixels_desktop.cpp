#include <SDL_image.h>

#include <string>

#include "render/pixels.h"
#include "render/texture.h"

Pixels load_pixels(const char* path) {
    SDL_Surface* loaded = IMG_Load(path);
    if (loaded == nullptr) throw LoadError(std::string("Couldn't load image file: ") + path);
    std::optional<Pixels> picture = pixels_of(*loaded);
    SDL_FreeSurface(loaded);
    if (!picture) throw LoadError(std::string("Unrecognized image file format for ") + path);
    return std::move(*picture);
}

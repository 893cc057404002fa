#include <string>

#include "render/pixels.h"
#include "render/texture.h"

// stb_image, which the browser build links (-sSTB_IMAGE).
extern "C" {
unsigned char* stbi_load(const char* path, int* width, int* height, int* channels, int wanted_channels);
void stbi_image_free(void* pixels);
}

Pixels load_pixels(const char* path) {
    Pixels picture;
    unsigned char* pixels = stbi_load(path, &picture.width, &picture.height, &picture.channels, 0);
    if (pixels == nullptr) throw LoadError(std::string("Couldn't load image file: ") + path);
    if (picture.channels == 3 || picture.channels == 4)
        picture.bytes.assign(pixels, pixels + picture.width * picture.height * picture.channels);
    stbi_image_free(pixels);
    if (picture.bytes.empty()) throw LoadError(std::string("Unrecognized image file format for ") + path);
    return picture;
}

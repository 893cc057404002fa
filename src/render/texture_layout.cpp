#include "render/texture_layout.h"

#include <initializer_list>

SDL_Surface* create_gl_surface(int width, int height, int depth) {
    // Read as little-endian numbers, these masks put R, G, B, A in that order in memory. A 24-bit
    // surface cannot hold an alpha channel, and asking for one there gives an odd format.
    const Uint32 alpha = depth == 32 ? 0xFF000000 : 0;
    return SDL_CreateRGBSurface(0, width, height, depth, 0x000000FF, 0x0000FF00, 0x00FF0000, alpha);
}

GLenum gl_format_for(int bytes_per_pixel) {
    switch (bytes_per_pixel) {
        case 3: return GL_RGB;
        case 4: return GL_RGBA;
        default: return 0;
    }
}

int unpack_alignment(int row_bytes, int pitch) {
    for (int alignment : {8, 4, 2, 1}) {
        int stride = (row_bytes + alignment - 1) / alignment * alignment;
        if (stride == pitch) return alignment;
    }
    return 0;
}

TexCoords tex_coords(int tex_width, int tex_height, const SDL_Rect& rect) {
    const float width = float(tex_width);
    const float height = float(tex_height);
    TexCoords coords;
    coords.s0 = rect.x / width;
    coords.t0 = rect.y / height;
    coords.s1 = coords.s0 + rect.w / width;
    coords.t1 = coords.t0 + rect.h / height;
    return coords;
}

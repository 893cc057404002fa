#include "render/texture_layout.h"

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

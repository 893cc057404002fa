// Where a sprite's corners fall in its texture: pictures sit in the bottom-left corner of
// textures padded to power-of-two sides.
#pragma once

#include <SDL.h>

struct TexCoords {
    float s0, t0, s1, t1;
};

// The corners of a rectangle of a picture in a texture of the given (padded) size, y counted
// from the picture's bottom edge.
TexCoords tex_coords(int tex_width, int tex_height, const SDL_Rect& rect);

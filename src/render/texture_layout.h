// How pictures are laid out for OpenGL: software surfaces whose bytes run R, G, B (and A) in
// memory, the texture format and row alignment that upload them, and a sprite's texture corners.
#pragma once

#include <SDL.h>
#include <SDL_opengl.h>

// A zeroed software surface of the given depth; only a 32-bit one has an alpha channel.
SDL_Surface* create_gl_surface(int width, int height, int depth);

// GL_RGB for 3 bytes per pixel, GL_RGBA for 4, 0 for anything OpenGL cannot take as it is.
GLenum gl_format_for(int bytes_per_pixel);

// The GL_UNPACK_ALIGNMENT that makes OpenGL step rows of `row_bytes` by exactly `pitch`,
// or 0 when no alignment does.
int unpack_alignment(int row_bytes, int pitch);

struct TexCoords {
    float s0, t0, s1, t1;
};

// The corners of a rectangle of a picture in a texture of the given (padded) size, y counted
// from the picture's bottom edge.
TexCoords tex_coords(int tex_width, int tex_height, const SDL_Rect& rect);

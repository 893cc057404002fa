// Texture: one OpenGL texture made from an image file or a rendered text, padded to
// power-of-two sides, released with the object. SpriteBatch: rectangles of a texture drawn
// unscaled at screen points, blended only when the picture has an alpha channel, since an
// opaque one covers what is under it anyway.
#pragma once

#include <SDL.h>

#include <stdexcept>
#include <string>

#include "render/pixels.h"

// An asset that could not be loaded; the message names it, and the cause is what the library
// said of it (SDL_image's, SDL_ttf's and SDL's are all SDL's error), when it said anything.
struct LoadError : std::runtime_error {
    explicit LoadError(const std::string& message) : std::runtime_error(message), cause(SDL_GetError()) {}
    std::string cause;
};

// The smallest power of two not less than n; 1 below 2.
int pad(int n);

class Texture {
public:
    Texture() = default;
    // Loads the image or throws a LoadError naming the path.
    explicit Texture(const char* path);
    // The picture as it is, smoothed when scaled or sampled pixel-exact.
    Texture(const Pixels& picture, bool smooth);
    ~Texture();
    Texture(Texture&& other) noexcept;
    Texture& operator=(Texture&& other) noexcept;

    unsigned id() const { return id_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int tex_width() const { return tex_width_; }
    int tex_height() const { return tex_height_; }
    bool opaque() const { return opaque_; }
    // The whole picture, as a rectangle of itself.
    SDL_Rect area() const { return {0, 0, Uint16(width_), Uint16(height_)}; }
    // The whole image with its bottom-left corner at (x, y).
    void draw(float x, float y) const;

private:
    unsigned id_ = 0;
    int width_ = 0;
    int height_ = 0;
    int tex_width_ = 0;
    int tex_height_ = 0;
    bool opaque_ = false;
};

// Rectangles of one texture drawn together, from the batch's making to its end, in one draw
// call: a screen of cells costs one call rather than one per cell.
class SpriteBatch {
public:
    explicit SpriteBatch(const Texture& texture);
    ~SpriteBatch();
    SpriteBatch(const SpriteBatch&) = delete;
    SpriteBatch& operator=(const SpriteBatch&) = delete;

    // The rectangle of the texture's picture (y counted from its bottom edge) with its
    // bottom-left corner at (x, y).
    void add(const SDL_Rect& rect, float x, float y);

private:
    const Texture& texture_;
};

// Texture: one OpenGL texture made from an image file, padded to power-of-two sides, released
// with the object. Sprite: a rectangle of a texture, drawn unscaled at a screen point.
#pragma once

#include <SDL.h>

#include <stdexcept>
#include <string>

// An asset that could not be loaded; the message names it.
struct LoadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The smallest power of two not less than n; 1 below 2.
int pad(int n);
// Copies src into the top-left corner of dst with its rows in reverse order.
bool flip_rows_into(SDL_Surface* src, SDL_Surface* dst);

class Texture {
public:
    Texture() = default;
    // Loads the image or throws a LoadError naming the path.
    explicit Texture(const char* path);
    ~Texture();
    Texture(Texture&& other) noexcept;
    Texture& operator=(Texture&& other) noexcept;

    unsigned id() const { return id_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int tex_width() const { return tex_width_; }
    int tex_height() const { return tex_height_; }
    // The whole image with its bottom-left corner at (x, y).
    void draw(float x, float y) const;

private:
    unsigned id_ = 0;
    int width_ = 0;
    int height_ = 0;
    int tex_width_ = 0;
    int tex_height_ = 0;
};

struct Sprite {
    const Texture* texture = nullptr;
    // In image pixels; y counts from the image's bottom edge.
    SDL_Rect rect = {0, 0, 0, 0};

    void draw(float x, float y) const;
};

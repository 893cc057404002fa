// Texture: one OpenGL texture made from an image file, padded to power-of-two sides.
// Sprite: a rectangle of a texture, drawn unscaled with its bottom-left corner at a point.
#pragma once

#include <SDL.h>

#include <cstdint>

// The smallest power of two not less than n; 1 below 2.
int pad(int n);
// Copies src into the top-left corner of dst with its rows in reverse order.
bool vertFlip(SDL_Surface* src, SDL_Surface* dst);

// A plain value: copying it shares the OpenGL texture, which only free() releases.
struct Texture {
    uint32_t id = 0;
    int width = 0;
    int height = 0;
    int texWidth = 0;
    int texHeight = 0;

    // Loads the image or ends the program with a message naming the path.
    void load(const char* path);
    void free();
};

struct Sprite {
    Texture* texture = nullptr;
    // In image pixels; y counts from the image's bottom edge.
    SDL_Rect rect = {0, 0, 0, 0};

    void setAll(Texture* sheet, int x, int y, int w, int h);
    void draw(float x, float y) const;
};

// Picture: one of the game's PNG images, read with SDL_image, so that the tests can compare
// the window with the images it is drawn from.
#pragma once

#include <SDL.h>

#include <string>

#include "e2e/bitmap.h"

class Picture {
public:
    explicit Picture(const std::string& path);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    bool loaded() const { return surface_ != nullptr; }
    int width() const { return surface_->w; }
    int height() const { return surface_->h; }
    // x to the right, y down from the top edge.
    Rgb at(int x, int y) const;
    // x to the right, y up from the bottom edge, as the game draws it on the screen.
    Rgb at_game(int x, int y) const { return at(x, height() - 1 - y); }

private:
    SDL_Surface* surface_;
};

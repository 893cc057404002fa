// Picture: one of the game's PNG images, read with SDL_image, so that the tests can compare
// the window with the images it is drawn from.
#pragma once

#include <optional>
#include <string>

#include "e2e/bitmap.h"

class Picture {
public:
    explicit Picture(const std::string& path);

    bool loaded() const { return pixels_.has_value(); }
    int width() const { return pixels_->width(); }
    int height() const { return pixels_->height(); }
    // x to the right, y down from the top edge.
    Rgb at(int x, int y) const { return pixels_->at_window(x, y); }
    // x to the right, y up from the bottom edge, as the game draws it on the screen.
    Rgb at_game(int x, int y) const { return pixels_->at_game(x, y); }

private:
    std::optional<Bitmap> pixels_;
};

// ScreenCopy: a copy of the whole window kept off screen, so that a frame which shows what an
// earlier one showed can start from it instead of drawing it all again. The copy lives in a
// framebuffer object and moves with a framebuffer blit, which a software driver does as a plain
// memory copy rather than by filling the window through a texture. The copy is drawn into
// directly, since a blit the other way, from the window, is a slow one there. Where the driver
// offers no framebuffer objects the copy is not usable and every frame is drawn whole.
#pragma once

#include "render/screen_view.h"

class ScreenCopy {
public:
    // Needs the window's OpenGL context.
    ScreenCopy(int width, int height);
    ~ScreenCopy();
    ScreenCopy(const ScreenCopy&) = delete;
    ScreenCopy& operator=(const ScreenCopy&) = delete;

    bool usable() const { return framebuffer_ != 0; }
    // What is drawn from now on goes into the copy instead of the window.
    void draw_into() const;
    // Drawing goes to the window again, and the part of the copy is put over the same part of it.
    void put(const Box& part) const;

private:
    unsigned framebuffer_ = 0;
    unsigned colors_ = 0;
};

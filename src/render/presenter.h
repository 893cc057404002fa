// Presenter: shows the frame drawn in the back buffer. Where the driver can copy a part of the
// back buffer to the window (GLX_MESA_copy_sub_buffer), it copies only the part that changed,
// and the back buffer keeps the whole frame for the next one to build on: a software driver
// then moves a few thousand pixels a frame instead of the whole window. Elsewhere it swaps the
// buffers, after which the back buffer holds nothing defined.
#pragma once

#include "render/screen_view.h"

class Presenter {
public:
    // Needs the window's OpenGL context.
    Presenter();

    bool keeps_back_buffer() const { return copy_sub_buffer_ != nullptr; }
    void show(const Box& changed) const;

private:
    // glXCopySubBufferMESA, which takes the X display and the window's drawable.
    using CopySubBuffer = void (*)(struct _XDisplay* display, unsigned long drawable, int x, int y, int width,
                                   int height);
    CopySubBuffer copy_sub_buffer_ = nullptr;
};

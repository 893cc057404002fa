// Screen: the window as the frames drawn into it. It draws a view into the back buffer only when
// the window does not show that view already, and keeps what that takes: the pictures and fonts,
// the lines of text rendered so far, and a copy of the still layers last drawn, from which a frame
// that changes only its running texts starts.
#pragma once

#include <optional>
#include <vector>

#include "render/resources.h"
#include "render/screen_copy.h"
#include "render/screen_view.h"
#include "render/text.h"

class Screen {
public:
    // Loads the resources; needs the window's OpenGL context.
    Screen();

    // Draws the view into the back buffer unless the window shows it already; true when it drew,
    // and the frame is then to be shown with a buffer swap.
    bool draw(const ScreenView& view);
    // The window no longer shows the last frame drawn (it was uncovered), or the back buffer is to
    // hold the next one (a screenshot reads it): the next view is drawn whatever it shows.
    void redraw_next() { shown_.reset(); }

private:
    void draw_layers(const std::vector<Layer>& layers);
    void draw_text(TextCache& cache, const Text& text);

    const Resources resources_;
    // The lines of the still layers, and the running texts, each let go when a frame no longer
    // draws them.
    TextCache still_texts_;
    TextCache running_texts_;
    ScreenCopy copy_;
    // The still layers the copy holds, once it holds any.
    std::optional<std::vector<Layer>> copied_;
    std::optional<ScreenView> shown_;
};

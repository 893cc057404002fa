// Screen: the window as the frames drawn into it. It draws a view into the back buffer only when
// the window does not show that view already, and shows it; and it keeps what that takes: the
// pictures and fonts, the lines of text rendered so far, and a copy of the still layers last
// drawn, from which a frame that changes only its running texts starts. Where the back buffer
// keeps its frame after showing it, such a frame puts the copy back under the old running texts
// only, and shows no more than the part of the window they and the new ones cover.
#pragma once

#include <optional>
#include <vector>

#include "render/presenter.h"
#include "render/resources.h"
#include "render/screen_copy.h"
#include "render/screen_view.h"
#include "render/text.h"

class Screen {
public:
    // Loads the resources; needs the window's OpenGL context.
    Screen();

    // Draws the view into the back buffer unless the window shows it already; true when it drew,
    // and the frame is then to be shown.
    bool draw(const ScreenView& view);
    void show() const { presenter_.show(changed_); }
    // The window no longer shows the last frame drawn (it was uncovered), or the back buffer is to
    // hold the next one (a screenshot reads it): the next view is drawn whole whatever it shows.
    void redraw_next() { shown_.reset(); }

private:
    void draw_layers(const std::vector<Layer>& layers);
    // Draws the running texts, and returns the part of the window they and the ones before cover.
    Box draw_running(const std::vector<Text>& running, Box changed);

    const Resources resources_;
    // The lines of the still layers, and the running texts, each let go when a frame no longer
    // draws them.
    TextCache still_texts_;
    TextCache running_texts_;
    ScreenCopy copy_;
    const Presenter presenter_;
    // The still layers the copy holds, once it holds any.
    std::optional<std::vector<Layer>> copied_;
    std::optional<ScreenView> shown_;
    // Where the running texts of the frame drawn last stand.
    std::vector<Box> running_boxes_;
    // The part of the window that the frame drawn last changed.
    Box changed_;
};

#include "look.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr Rgb PIECE_COLORS[7] = {
    {40, 206, 232},  // I
    {248, 214, 52},  // O
    {172, 78, 214},  // T
    {244, 124, 28},  // L
    {52, 104, 232},  // J
    {82, 204, 76},   // S
    {232, 58, 66},   // Z
};
constexpr int SHEET_ORDER[7] = {0, 1, 5, 6, 4, 3, 2};
}  // namespace

Rgb piece_color(int type) { return PIECE_COLORS[type]; }

Rgb sheet_tile_color(int k) { return PIECE_COLORS[SHEET_ORDER[k]]; }

void paint_tile(Canvas& canvas, int x, int y, int size, Rgb base, double alpha) {
    const int bevel = std::max(2, size * 3 / 20);
    const Rgb outline = darken(base, 0.35);
    const Rgb top = lighten(base, 0.5);
    const Rgb left = lighten(base, 0.25);
    const Rgb right = darken(base, 0.68);
    const Rgb bottom = darken(base, 0.5);
    for (int j = 0; j < size; ++j) {
        for (int i = 0; i < size; ++i) {
            const int d_top = j, d_left = i, d_right = size - 1 - i, d_bottom = size - 1 - j;
            const int nearest = std::min({d_top, d_left, d_right, d_bottom});
            Rgb c;
            if (nearest == 0) {
                c = outline;
            } else if (nearest <= bevel) {
                if (nearest == d_top) c = top;
                else if (nearest == d_left) c = left;
                else if (nearest == d_right) c = right;
                else c = bottom;
            } else {
                // The face brightens towards its top-left, like a lit glossy block.
                const double t = double(i + j) / (2.0 * size);
                c = mix(lighten(base, 0.18), darken(base, 0.86), t);
                const double glint_x = i - (bevel + 1.5), glint_y = j - (bevel + 1.5);
                const double glint = std::exp(-(glint_x * glint_x + glint_y * glint_y) / (0.02 * size * size));
                c = mix(c, lighten(base, 0.7), 0.55 * glint);
            }
            canvas.blend(x + i, y + j, c, alpha);
        }
    }
}

Rect screen_rect(int x, int y, int w, int h, int canvas_height) { return {x, canvas_height - y - h, w, h}; }

void paint_background(Canvas& canvas) {
    const int w = canvas.width();
    const int h = canvas.height();
    canvas.vertical_gradient({0, 0, w, h}, look::BACKGROUND_TOP, look::BACKGROUND_BOTTOM);
    // A soft vignette keeps the eye in the middle of the screen.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double dx = (x - w / 2.0) / (w / 2.0);
            const double dy = (y - h / 2.0) / (h / 2.0);
            const double d = std::min(1.0, (dx * dx + dy * dy) / 2.0);
            canvas.blend(x, y, {0, 0, 0}, 0.45 * d * d);
        }
    }
}

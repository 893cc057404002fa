#include "decor.h"

#include <algorithm>

#include "look.h"

namespace {
// Cells (column, row from the top) of each piece in its flat spawn shape, within 4x2.
constexpr int SHAPES[7][4][2] = {
    {{0, 0}, {1, 0}, {2, 0}, {3, 0}},  // I
    {{0, 0}, {1, 0}, {0, 1}, {1, 1}},  // O
    {{1, 0}, {0, 1}, {1, 1}, {2, 1}},  // T
    {{2, 0}, {0, 1}, {1, 1}, {2, 1}},  // L
    {{0, 0}, {0, 1}, {1, 1}, {2, 1}},  // J
    {{1, 0}, {2, 0}, {0, 1}, {1, 1}},  // S
    {{0, 0}, {1, 0}, {1, 1}, {2, 1}},  // Z
};
const char TITLE[] = "TAPFALL";
}  // namespace

void paint_title(Canvas& canvas, Typeface& type, int size, int center_x, int y, int spacing) {
    const int advance = type.width(size, "T") + spacing;
    const int total = advance * 7 - spacing;
    int x = center_x - total / 2;
    const int shadow = std::max(1, size / 14);
    // Letters take the piece colours in type order, I O T L J S Z.
    for (int i = 0; i < 7; ++i) {
        const std::string letter(1, TITLE[i]);
        type.draw(canvas, size, x + shadow, y + shadow, letter, {0, 0, 0}, 0.7);
        type.draw(canvas, size, x, y, letter, lighten(piece_color(i), 0.08));
        x += advance;
    }
}

Rect paint_piece(Canvas& canvas, int piece_type, int quarter_turns, int x, int y, int cell, double alpha) {
    int cells[4][2];
    for (int i = 0; i < 4; ++i) {
        int col = SHAPES[piece_type][i][0];
        int row = SHAPES[piece_type][i][1];
        for (int t = 0; t < quarter_turns % 4; ++t) {
            // A clockwise quarter turn within a 4x4 box, re-aligned below.
            const int turned_col = 3 - row;
            row = col;
            col = turned_col;
        }
        cells[i][0] = col;
        cells[i][1] = row;
    }
    int min_col = 4;
    int min_row = 4;
    for (const auto& c : cells) {
        min_col = std::min(min_col, c[0]);
        min_row = std::min(min_row, c[1]);
    }
    Rect bounds{x, y, 0, 0};
    for (const auto& c : cells) {
        const int left = x + (c[0] - min_col) * cell;
        const int top = y + (c[1] - min_row) * cell;
        paint_tile(canvas, left, top, cell, piece_color(piece_type), alpha);
        bounds.w = std::max(bounds.w, left + cell - x);
        bounds.h = std::max(bounds.h, top + cell - y);
    }
    return bounds;
}

void paint_panel(Canvas& canvas, Rect r, double alpha) {
    canvas.fill_rounded(r, 5, look::PANEL, 0.92 * alpha);
    canvas.frame_rounded(r, 5, look::PANEL_EDGE, alpha);
}

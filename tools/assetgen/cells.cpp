#include <algorithm>
#include <cmath>

#include "look.h"
#include "pictures.h"

Canvas cell_sheet(int tile_size) {
    Canvas sheet(7 * tile_size, tile_size, false);
    for (int k = 0; k < 7; ++k) paint_tile(sheet, k * tile_size, 0, tile_size, sheet_tile_color(k));
    return sheet;
}

Canvas column_highlight() {
    const int w = layout::CELL, h = layout::FIELD_HEIGHT;
    Canvas bar(w, h, true);
    for (int y = 0; y < h; ++y) {
        // Strongest at the bottom of the well, where the piece will come to rest.
        const double fade = 0.35 + 0.65 * double(y) / (h - 1);
        for (int x = 0; x < w; ++x) {
            const double edge = std::abs(x - (w - 1) / 2.0) / ((w - 1) / 2.0);
            const double body = 0.16 + 0.14 * (1 - edge * edge);
            const bool rim = x == 0 || x == w - 1;
            bar.blend(x, y, lighten(look::ACCENT, 0.35), (rim ? 0.45 : body) * fade);
        }
    }
    return bar;
}

Canvas cell_highlight() {
    const int size = layout::CELL;
    Canvas marker(size, size, true);
    // Bright side rails and a faint fill: stacked markers read as one continuous column.
    marker.fill({0, 0, size, size}, {255, 255, 255}, 0.22);
    marker.fill({0, 0, 2, size}, {255, 255, 255}, 0.75);
    marker.fill({size - 2, 0, 2, size}, {255, 255, 255}, 0.75);
    marker.fill({size / 2 - 1, 7, 2, 6}, {255, 255, 255}, 0.55);
    return marker;
}

Canvas window_icon(int size) {
    const int cell = size / 4;
    Canvas icon(size, size, false);
    icon.vertical_gradient({0, 0, size, size}, look::BACKGROUND_TOP, look::BACKGROUND_BOTTOM);
    // A T piece about to drop into the one gap of a nearly full bottom row.
    const int t_type = 2;
    const int t_cells[4][2] = {{1, 0}, {2, 0}, {3, 0}, {2, 1}};
    for (const auto& c : t_cells) paint_tile(icon, c[0] * cell, c[1] * cell, cell, piece_color(t_type));
    const int row_types[4] = {0, 5, -1, 6};
    for (int col = 0; col < 4; ++col)
        if (row_types[col] >= 0) paint_tile(icon, col * cell, 3 * cell, cell, piece_color(row_types[col]));
    return icon;
}

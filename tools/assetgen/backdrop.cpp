#include <string>

#include "decor.h"
#include "look.h"
#include "pictures.h"

namespace {

// Where the game draws onto the backdrop, in its upward screen coordinates.
constexpr int FIELD_X = layout::FIELD_X;
constexpr int FIELD_Y = layout::FIELD_Y;
constexpr int FIELD_W = layout::FIELD_WIDTH;
constexpr int FIELD_H = layout::FIELD_HEIGHT;
constexpr int STAT_X = layout::STATISTIC_X;
constexpr int STAT_FONT = 12;
constexpr int CAPTION_FONT = 8;

void paint_well(Canvas& canvas, int cell) {
    const Rect field = screen_rect(FIELD_X, FIELD_Y, FIELD_W, FIELD_H);
    canvas.fill_rounded(inset(field, -7), 6, look::ACCENT, 0.05);
    canvas.fill(field, look::WELL);
    for (int x = field.x + cell; x < field.x + field.w; x += cell) canvas.fill({x, field.y, 1, field.h}, look::GRID);
    for (int y = field.y + cell; y < field.y + field.h; y += cell) canvas.fill({field.x, y, field.w, 1}, look::GRID);
    canvas.frame(inset(field, -2), 2, look::FRAME);
    canvas.frame(inset(field, -3), 1, look::ACCENT, 0.35);
}

// One key cap per playfield column under the well, behind the key legend that the game writes.
void paint_key_caps(Canvas& canvas, int cell) {
    for (int x = FIELD_X; x < FIELD_X + FIELD_W; x += cell) {
        const Rect cap = screen_rect(x + 2, 18, cell - 4, 17);
        canvas.fill_rounded(cap, 3, look::PANEL, 1.0);
        canvas.frame_rounded(cap, 3, look::PANEL_EDGE, 0.8);
    }
}

void paint_piece_box(Canvas& canvas, Typeface& type, int x, int y, const std::string& caption) {
    const Rect box = screen_rect(x - 4, y - 4, 88, 88);
    paint_panel(canvas, box);
    const Rect caption_box = screen_rect(x - 4, y - 20, 88, 14);
    canvas.fill_rounded(caption_box, 4, look::PANEL_EDGE, 0.35);
    type.draw_centered(canvas, 9, x + 40, caption_box.y + 1, caption, look::CAPTION);
}

void paint_preview_column(Canvas& canvas, Typeface& type) {
    const Rect column = screen_rect(534, 16, 92, 458);
    paint_panel(canvas, column);
    // The next piece is the one that matters most: it gets a lit band of its own. Previews
    // are flat spawn shapes two cells high, so the caption fits above the next piece.
    const Rect band = screen_rect(538, 389, 84, 81);
    canvas.fill_rounded(band, 4, look::ACCENT, 0.07);
    type.draw_centered(canvas, 9, 580, band.y + 3, "NEXT", look::CAPTION);
    canvas.fill({538, band.y + band.h, 84, 1}, look::PANEL_EDGE, 0.8);
}

void paint_statistics(Canvas& canvas, Typeface& type) {
    struct Stat {
        int y;
        const char* caption;
    };
    const Stat stats[] = {{layout::TIMER_Y, "TIME"},     {layout::PIECES_Y, "PIECES"}, {layout::LINES_Y, "LINES"},
                          {layout::TPM_Y, "PIECES/MIN"}, {layout::KEYS_Y, "KEYS"},     {layout::KPT_Y, "KEYS/PIECE"}};
    paint_panel(canvas, screen_rect(116, 38, 88, 244));
    const int value_height = type.line_height(STAT_FONT);
    const int caption_height = type.line_height(CAPTION_FONT);
    for (const Stat& stat : stats) {
        const int value_top = SCREEN_HEIGHT - stat.y - value_height;
        // Descenders of the caption (the slash) must stay clear of the value below it.
        type.draw(canvas, CAPTION_FONT, STAT_X - 3, value_top - caption_height - 1, stat.caption, look::CAPTION);
        if (stat.y != layout::KPT_Y) canvas.fill({122, SCREEN_HEIGHT - stat.y + 4, 76, 1}, look::PANEL_EDGE, 0.6);
    }
}

}  // namespace

Canvas backdrop(int cell_size, Typeface& type) {
    Canvas canvas(SCREEN_WIDTH, SCREEN_HEIGHT, false);
    paint_background(canvas);
    paint_title(canvas, type, 18, FIELD_X + FIELD_W / 2, 9, 6);
    paint_well(canvas, cell_size);
    paint_key_caps(canvas, cell_size);
    paint_piece_box(canvas, type, layout::HOLD_PIECE_X, layout::ACTIVE_PIECE_Y, "HOLD");
    paint_piece_box(canvas, type, layout::ACTIVE_PIECE_X, layout::ACTIVE_PIECE_Y, "ACTIVE");
    paint_preview_column(canvas, type);
    paint_statistics(canvas, type);
    return canvas;
}

#include <string>

#include "decor.h"
#include "look.h"
#include "pictures.h"
#include "render/options_layout.h"
#include "render/version.h"

namespace {

struct FallingPiece {
    int type;
    int turns;
    int x;
    int y;
    int cell;
    double alpha;
};

// A falling piece leaves a faint streak above it; smaller, fainter pieces read as farther away.
void paint_falling(Canvas& canvas, const FallingPiece& p) {
    const Rect body = paint_piece(canvas, p.type, p.turns, p.x, p.y, p.cell, p.alpha);
    const int trail = p.cell * 6;
    for (int i = 0; i < trail; ++i) {
        const double fade = double(i) / trail;
        canvas.fill({body.x + 2, p.y - trail + i, body.w - 4, 1}, piece_color(p.type), 0.12 * p.alpha * fade * fade);
    }
}

// A rough stack of settled blocks along the bottom of the given columns.
void paint_rubble(Canvas& canvas, int x, int columns, int cell, const int* heights, double alpha) {
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < heights[c]; ++r)
            paint_tile(canvas, x + c * cell, SCREEN_HEIGHT - (r + 1) * cell, cell, piece_color((c * 3 + r * 5) % 7),
                       alpha);
}

// The four key rows of a keyboard block, each in the tint of what it does in the game.
void paint_keyboard(Canvas& canvas, Typeface& type, int x, int y) {
    const char* rows[4] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL;", "ZXCVBNM,./"};
    const int stagger[4] = {0, 8, 12, 18};
    const Rgb tints[4] = {piece_color(2), piece_color(4), look::ACCENT, piece_color(5)};
    const int key = 21;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 10; ++col) {
            const Rect cap{x + stagger[row] + col * key, y + row * key, key - 3, key - 3};
            canvas.fill_rounded(cap, 3, mix(look::PANEL, tints[row], 0.22), 0.95);
            canvas.frame_rounded(cap, 3, mix(look::PANEL_EDGE, tints[row], 0.5), 0.9);
            type.draw_centered(canvas, 9, cap.x + cap.w / 2, cap.y + 3, std::string(1, rows[row][col]),
                               lighten(tints[row], 0.35), 0.9);
        }
    }
}

}  // namespace

Canvas menu_screen(Typeface& type) {
    Canvas canvas(SCREEN_WIDTH, SCREEN_HEIGHT, false);
    paint_background(canvas);
    const FallingPiece pieces[] = {
        {2, 0, 60, 70, 14, 0.35},   {0, 1, 150, 210, 12, 0.25}, {6, 0, 40, 300, 18, 0.45},  {1, 0, 500, 60, 16, 0.40},
        {3, 1, 560, 170, 12, 0.25}, {5, 0, 470, 250, 18, 0.50}, {4, 2, 130, 380, 12, 0.22},
    };
    for (const FallingPiece& p : pieces) paint_falling(canvas, p);
    const int heights[9] = {2, 3, 1, 3, 4, 2, 3, 2, 1};
    paint_rubble(canvas, SCREEN_WIDTH - 9 * 18, 9, 18, heights, 0.55);

    paint_title(canvas, type, 60, SCREEN_WIDTH / 2, 58, 8);
    type.draw_centered(canvas, 12, SCREEN_WIDTH / 2, 140, "type the column, the piece drops there", look::CAPTION);
    canvas.fill({SCREEN_WIDTH / 2 - 120, 168, 240, 1}, look::ACCENT, 0.45);

    // The panel holds the four entries the game writes from layout::MAIN_MENU_Y up, in 16-point
    // type.
    paint_panel(canvas, screen_rect(236, 168, 168, 102));
    type.draw_centered(canvas, 9, SCREEN_WIDTH / 2, SCREEN_HEIGHT - 160, "Up/Down choose   Enter select   Esc quit",
                       look::CAPTION, 0.8);
    return canvas;
}

Canvas options_screen(Typeface& type) {
    Canvas canvas(SCREEN_WIDTH, SCREEN_HEIGHT, false);
    paint_background(canvas);
    type.draw(canvas, 20, 36, 4, "OPTIONS", look::TEXT);
    paint_title(canvas, type, 14, 548, 4, 3);
    type.draw_centered(canvas, 9, 548, 21, "Enter changes   Esc back", look::CAPTION, 0.8);
    canvas.fill({28, 33, 584, 1}, look::ACCENT, 0.5);

    // The options lines, the actions ruled off below them, then four info lines.
    paint_panel(canvas, screen_rect(28, 112, 334, 331));
    const int rule_y = layout::OPTIONS_Y + layout::option_rise(FIRST_ACTION) + layout::OPTIONS_SPACING + 8;
    canvas.fill({40, SCREEN_HEIGHT - rule_y, 310, 1}, look::PANEL_EDGE, 0.8);
    const Rect info = screen_rect(28, 30, 584, 74);
    paint_panel(canvas, info);
    canvas.fill({info.x + 1, info.y + 5, 3, info.h - 10}, look::WARM, 0.7);

    paint_keyboard(canvas, type, 382, 80);
    type.draw_centered(canvas, 9, 492, 172, "each key names a column", look::CAPTION);
    const FallingPiece pieces[] = {{2, 2, 420, 240, 16, 0.45}, {0, 1, 520, 205, 14, 0.35}, {6, 0, 560, 300, 12, 0.3}};
    for (const FallingPiece& p : pieces) paint_falling(canvas, p);
    return canvas;
}

Canvas credits_screen(Typeface& type) {
    Canvas canvas(SCREEN_WIDTH, SCREEN_HEIGHT, false);
    paint_background(canvas);
    paint_title(canvas, type, 40, SCREEN_WIDTH / 2, 28, 6);
    type.draw_centered(canvas, 14, SCREEN_WIDTH / 2, 86, "CREDITS", look::CAPTION);

    struct Line {
        bool heading;
        std::string text;
    };
    const Line lines[] = {
        {true, "GAME"},
        {false, VERSION_CAPTION},
        {false, "Design, code, pictures and sounds:"},
        {false, "the Tapfall team"},
        {true, "FONT"},
        {false, "DejaVu Sans Mono Bold"},
        {false, "from the DejaVu fonts"},
        {true, "BUILT WITH"},
        {false, "SDL 1.2, SDL_image, SDL_ttf, SDL_mixer"},
        {false, "libpng and libvorbis"},
        {true, "THANKS FOR PLAYING!"},
    };
    const int line_step = 20;
    const int section_gap = 10;
    const int padding = 18;
    // Every heading but the first opens a section with a gap above it.
    int content = -section_gap;
    for (const Line& line : lines) content += line_step + (line.heading ? section_gap : 0);
    const Rect panel{90, 116 + (300 - content - 2 * padding) / 2, 460, content + 2 * padding};
    paint_panel(canvas, panel);
    int y = panel.y + padding;
    for (const Line& line : lines) {
        if (line.heading && y > panel.y + padding) y += section_gap;
        if (line.heading) type.draw_centered(canvas, 11, SCREEN_WIDTH / 2, y, line.text, look::WARM);
        else type.draw_centered(canvas, 12, SCREEN_WIDTH / 2, y, line.text, look::TEXT);
        y += line_step;
    }
    type.draw_centered(canvas, 10, SCREEN_WIDTH / 2, 434, "Press Enter or Escape to return", look::CAPTION);
    const FallingPiece pieces[] = {
        {3, 0, 26, 150, 14, 0.4}, {1, 0, 580, 250, 14, 0.4}, {5, 1, 40, 330, 12, 0.3}, {0, 1, 596, 110, 12, 0.3}};
    for (const FallingPiece& p : pieces) paint_falling(canvas, p);
    return canvas;
}

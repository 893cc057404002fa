// The shared look of every picture: the dark palette, the seven piece colours in cell-sheet
// order, the bevelled block tile, and the conversion from the game's upward screen coordinates.
#pragma once

#include "canvas.h"
#include "render/layout.h"

constexpr int SCREEN_WIDTH = layout::WINDOW_WIDTH;
constexpr int SCREEN_HEIGHT = layout::WINDOW_HEIGHT;

namespace look {
constexpr Rgb BACKGROUND_TOP{22, 27, 46};
constexpr Rgb BACKGROUND_BOTTOM{9, 11, 20};
constexpr Rgb WELL{6, 8, 14};
constexpr Rgb GRID{21, 26, 42};
constexpr Rgb PANEL{17, 22, 38};
constexpr Rgb PANEL_EDGE{58, 70, 104};
constexpr Rgb FRAME{118, 146, 196};
constexpr Rgb ACCENT{64, 200, 232};
constexpr Rgb CAPTION{128, 146, 186};
constexpr Rgb TEXT{226, 232, 244};
constexpr Rgb WARM{255, 192, 0};
}  // namespace look

// Tile k of the cell sheets, k = 0..6: I, O, S, Z, J, L, T, so that the game's slot table gives
// each piece its usual colour.
Rgb sheet_tile_color(int k);

// The colours of the pieces in type order I, O, T, L, J, S, Z.
Rgb piece_color(int type);

// A bevelled block of size x size pixels with its top-left corner at (x, y).
void paint_tile(Canvas& canvas, int x, int y, int size, Rgb base, double alpha = 1.0);

// A rectangle given as the game gives it (bottom-left corner, y growing upward) on a canvas of
// the given height, turned into image coordinates.
Rect screen_rect(int x, int y, int w, int h, int canvas_height = SCREEN_HEIGHT);

// The dark backdrop shared by the game screen and the menus.
void paint_background(Canvas& canvas);

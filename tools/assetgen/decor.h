// Decorations shared by the screens: the title word in the piece colours, whole pieces built
// from block tiles, and captioned panels.
#pragma once

#include <string>

#include "canvas.h"
#include "typeface.h"

// "TAPFALL", one piece colour per letter, centred on center_x with the line box top at y.
void paint_title(Canvas& canvas, Typeface& type, int size, int center_x, int y, int spacing);

// A piece of the given type (I, O, T, L, J, S, Z = 0..6) turned quarter_turns clockwise from
// its flat spawn shape; (x, y) is the top-left corner of its bounding box, which is returned.
Rect paint_piece(Canvas& canvas, int piece_type, int quarter_turns, int x, int y, int cell, double alpha = 1.0);

// A dark rounded panel with a thin edge.
void paint_panel(Canvas& canvas, Rect r, double alpha = 1.0);

// The game's pictures, each drawn by one function into a fresh Canvas of the size the game
// expects; main writes them as PNG (the icon as BMP).
#pragma once

#include "canvas.h"
#include "typeface.h"

// Seven bevelled tiles of tile_size pixels side by side, one for each piece.
Canvas cell_sheet(int tile_size);
// A translucent bar, one cell wide and as tall as the playfield, laid over a column whose key
// is held.
Canvas column_highlight();
// A translucent marker, one cell square, of a piece's axis column in the rotation guides.
Canvas cell_highlight();
// The window icon, size x size pixels: 32 for the window, larger for desktop menus.
Canvas window_icon(int size = 32);

// The game backdrop, as large as the window, its playfield grid in cells of cell_size: the
// normal cell or big mode's.
Canvas backdrop(int cell_size, Typeface& type);

Canvas menu_screen(Typeface& type);
Canvas options_screen(Typeface& type);
Canvas credits_screen(Typeface& type);

// Rotation guides: a label strip for each key row, with a slot for a piece between two strips.
Canvas guide_40_keys(Typeface& type);
Canvas guide_10_keys(Typeface& type);

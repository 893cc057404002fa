// The game's pictures, each drawn by one function into a fresh Canvas of the size the game
// expects; main writes them as PNG (the icon as BMP).
#pragma once

#include "canvas.h"
#include "typeface.h"

// Seven bevelled tiles of tile_size pixels side by side: 140x20 or 280x40.
Canvas cell_sheet(int tile_size);
// 20x400 translucent bar laid over a playfield column whose key is held.
Canvas column_highlight();
// 20x20 translucent marker of a piece's axis column in the rotation guides.
Canvas cell_highlight();
// The window icon, size x size pixels: 32 for the window, larger for desktop menus.
Canvas window_icon(int size = 32);

// 640x480 game backdrop; cell_size 20 for the normal field, 40 for big mode.
Canvas backdrop(int cell_size, Typeface& type);

Canvas menu_screen(Typeface& type);
Canvas options_screen(Typeface& type);
Canvas credits_screen(Typeface& type);

// Rotation guides: 80x320 for the 40-key schemes, 80x220 for the 10-key scheme.
Canvas guide_40_keys(Typeface& type);
Canvas guide_10_keys(Typeface& type);

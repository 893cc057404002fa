// Cells and pieces as sprites of the cell sheets: the tile of a cell value under the current
// colour setting, the settled field, and a lone piece in its four-cell box.
#pragma once

#include <vector>

#include "render/screen_view.h"
#include "rules/session.h"

// The tile of the cell sheets that pictures `cell`, or -1 for none. The ARS colours swap the
// pictures of I, T, S and Z round.
int cell_tile(int cell, bool ars);

// The settled cells, with the field's bottom-left corner at (x, y), in the field's cell size.
void add_playfield(std::vector<Sprite>& cells, int x, int y, const Session& session);
// The piece alone in a four-cell box with its bottom-left corner at (x, y), in normal-size cells.
void add_piece(std::vector<Sprite>& cells, const Piece& piece, int x, int y, const Session& session);

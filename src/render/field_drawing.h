// Cells and pieces as sprites: the colour of a cell value under the current colour setting, the
// settled field, and a lone piece in its four-cell box.
#pragma once

#include "rules/session.h"
#include "render/resources.h"

// The tile of the cell sheets that pictures `cell`, or -1 for none. The ARS colours swap the
// pictures of I, T, S and Z round.
int cell_tile(int cell, bool ars);

void draw_playfield(float x, float y, const Session& session, const Resources& resources);
// The piece alone in a four-cell box with its bottom-left corner at (x, y), in normal-size cells,
// added to a batch of the normal cell sheet.
void draw_piece(SpriteBatch& cells, const Piece& piece, float x, float y, const Session& session);

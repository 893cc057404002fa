// Playfield and piece drawing: cell values turned into cell sprites under the current colour
// setting, the settled field, a lone piece in its four-cell box, and the rotation guide hook.
#pragma once

#include "model/gamestate.h"
#include "model/piece.h"
#include "render/resources.h"

constexpr int CELL_SIZE = 20;
constexpr int BIG_CELL_SIZE = 40;

Cell piece_to_cell(Piece& piece);

// The slot of cellSprites (and bigCellSprites) that pictures `cell`, or -1 for none.
int cell_sprite_slot(int cell, bool ars);

void draw_cell(Cell cell, float x, float y, Resources& resources, bool ars);
void draw_cell_big(Cell cell, float x, float y, Resources& resources, bool ars);
void draw_playfield(float x, float y, GameState& state, Resources& resources);
void draw_piece(Piece piece, float x, float y, Resources& resources, GameState& state);
void draw_rotation_guide(GameState& state, Resources& resources);

// Calls visit(cell, cell_x, cell_y) for every cell of the width x height corner of the field,
// top row first, with cells `size` pixels wide and the field's bottom-left corner at (x, y).
template <class Visit>
void for_each_playfield_cell(const PlayField& field, int width, int height, float size, float x,
                             float y, Visit&& visit) {
    for (int row = height - 1; row >= 0; --row)
        for (int column = 0; column < width; ++column)
            visit(Cell(field.get_cell(column, row)), x + size * column, y + size * row);
}

// Calls visit(cell_x, cell_y) for every occupied cell of a mask drawn in a box at (x, y).
template <class Visit>
void for_each_box_cell(const PieceMask& mask, float x, float y, Visit&& visit) {
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            if (mask.occupied(column, row))
                visit(x + CELL_SIZE * (mask.preview_offset + column), y + CELL_SIZE * row);
}

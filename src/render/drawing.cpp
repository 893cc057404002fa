#include "render/drawing.h"

namespace {

// Indexed by cell value; the ARS colours swap the pictures of I, T, S and Z round.
const int SLOT_DEFAULT[8] = {-1, 0, 1, 2, 3, 4, 5, 6};
const int SLOT_ARS[8] = {-1, 6, 1, 0, 3, 4, 2, 5};

}  // namespace

Cell piece_to_cell(Piece& piece) { return Cell(piece.type + 1); }

int cell_sprite_slot(int cell, bool ars) {
    if (cell < CELL_EMPTY || cell > CELL_Z) return -1;
    return ars ? SLOT_ARS[cell] : SLOT_DEFAULT[cell];
}

void draw_cell(Cell cell, float x, float y, Resources& resources, bool ars) {
    const int slot = cell_sprite_slot(cell, ars);
    if (slot >= 0) resources.cellSprites[slot].draw(x, y);
}

void draw_cell_big(Cell cell, float x, float y, Resources& resources, bool ars) {
    const int slot = cell_sprite_slot(cell, ars);
    if (slot >= 0) resources.bigCellSprites[slot].draw(x, y);
}

void draw_playfield(float x, float y, GameState& state, Resources& resources) {
    const bool ars = state.ars;
    const int width = state.get_playfield_width();
    const int height = state.get_playfield_height();
    if (state.big_mode)
        for_each_playfield_cell(state.playfield, width, height, BIG_CELL_SIZE, x, y,
                                [&](Cell cell, float cx, float cy) {
                                    draw_cell_big(cell, cx, cy, resources, ars);
                                });
    else
        for_each_playfield_cell(state.playfield, width, height, CELL_SIZE, x, y,
                                [&](Cell cell, float cx, float cy) {
                                    draw_cell(cell, cx, cy, resources, ars);
                                });
}

void draw_piece(Piece piece, float x, float y, Resources& resources, GameState& state) {
    PieceMask mask;
    state.piece_mask_type->get_piece_mask(piece.type, piece.orientation, &mask);
    const Cell cell = piece_to_cell(piece);
    for_each_box_cell(mask, x, y,
                      [&](float cx, float cy) { draw_cell(cell, cx, cy, resources, state.ars); });
}

void draw_rotation_guide(GameState& state, Resources& resources) {
    if (state.rotation_guide) state.input_type->draw_rotation_guide(state, resources);
}

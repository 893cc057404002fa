#include "render/field_drawing.h"

#include "render/layout.h"

namespace {

// Indexed by cell value.
const int SLOT_DEFAULT[8] = {-1, 0, 1, 2, 3, 4, 5, 6};
const int SLOT_ARS[8] = {-1, 6, 1, 0, 3, 4, 2, 5};

}  // namespace

int cell_sprite_slot(int cell, bool ars) {
    if (cell < CELL_EMPTY || cell > CELL_Z) return -1;
    return ars ? SLOT_ARS[cell] : SLOT_DEFAULT[cell];
}

void draw_playfield(float x, float y, const Game& game, const Resources& resources) {
    const PlayField& field = game.playfield;
    const bool big = game.settings.big_mode;
    const float size = big ? layout::BIG_CELL : layout::CELL;
    for (int row = field.height() - 1; row >= 0; --row)
        for (int column = 0; column < field.width(); ++column) {
            const int slot = cell_sprite_slot(field.cell(column, row), game.settings.ars);
            if (slot >= 0) (big ? resources.big_cells : resources.cells)[slot].draw(x + size * column, y + size * row);
        }
}

void draw_piece(const Piece& piece, float x, float y, const Game& game, const Resources& resources) {
    const PieceMask mask = game.mask_of(piece);
    const int slot = cell_sprite_slot(piece.cell(), game.settings.ars);
    if (slot < 0) return;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            if (mask.occupied(column, row))
                resources.cells[slot].draw(x + layout::CELL * (mask.preview_offset + column), y + layout::CELL * row);
}

#include "render/cell_sprites.h"

#include "render/layout.h"

namespace {

// Indexed by cell value; the sheet holds the tiles of I, O, S, Z, J, L and T in that order.
const int TILE_DEFAULT[8] = {-1, 0, 1, 6, 5, 4, 2, 3};
const int TILE_ARS[8] = {-1, 3, 1, 0, 5, 4, 6, 2};

}  // namespace

int cell_tile(int cell, bool ars) {
    if (cell < CELL_EMPTY || cell > CELL_Z) return -1;
    return ars ? TILE_ARS[cell] : TILE_DEFAULT[cell];
}

void add_playfield(std::vector<Sprite>& cells, int x, int y, const Session& session) {
    const PlayField& field = session.game.playfield;
    const int size = session.settings.big_mode ? layout::BIG_CELL : layout::CELL;
    for (int row = field.height() - 1; row >= 0; --row)
        for (int column = 0; column < field.width(); ++column) {
            const int tile = cell_tile(field.cell(column, row), session.settings.ars);
            if (tile >= 0) cells.push_back({x + size * column, y + size * row, tile});
        }
}

void add_piece(std::vector<Sprite>& cells, const Piece& piece, int x, int y, const Session& session) {
    const PieceMask mask = session.mask_of(piece);
    const int tile = cell_tile(piece.cell(), session.settings.ars);
    if (tile < 0) return;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            if (mask.occupied(column, row))
                cells.push_back({x + layout::CELL * (mask.preview_offset + column), y + layout::CELL * row, tile});
}

#include "render/field_drawing.h"

#include "render/layout.h"

namespace {

// Indexed by cell value; the sheet holds the tiles of I, O, S, Z, J, L and T in that order.
const int TILE_DEFAULT[8] = {-1, 0, 1, 6, 5, 4, 2, 3};
const int TILE_ARS[8] = {-1, 3, 1, 0, 5, 4, 6, 2};

// The cell sheets hold their tiles side by side along the bottom.
SDL_Rect tile_rect(int tile, int size) { return {Sint16(tile * size), 0, Uint16(size), Uint16(size)}; }

}  // namespace

int cell_tile(int cell, bool ars) {
    if (cell < CELL_EMPTY || cell > CELL_Z) return -1;
    return ars ? TILE_ARS[cell] : TILE_DEFAULT[cell];
}

void draw_playfield(float x, float y, const Session& session, const Resources& resources) {
    const PlayField& field = session.game.playfield;
    const bool big = session.settings.big_mode;
    const float size = big ? layout::BIG_CELL : layout::CELL;
    SpriteBatch batch(big ? resources.big_cell_sheet : resources.cell_sheet);
    for (int row = field.height() - 1; row >= 0; --row)
        for (int column = 0; column < field.width(); ++column) {
            const int tile = cell_tile(field.cell(column, row), session.settings.ars);
            if (tile >= 0) batch.add(tile_rect(tile, int(size)), x + size * column, y + size * row);
        }
}

void draw_piece(SpriteBatch& cells, const Piece& piece, float x, float y, const Session& session) {
    const PieceMask mask = session.mask_of(piece);
    const int tile = cell_tile(piece.cell(), session.settings.ars);
    if (tile < 0) return;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            if (mask.occupied(column, row))
                cells.add(tile_rect(tile, layout::CELL), x + layout::CELL * (mask.preview_offset + column),
                          y + layout::CELL * row);
}

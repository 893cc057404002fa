#include "model/playfield.h"

#include "model/gamestate.h"

PlayField::PlayField() { clear(); }

void PlayField::clear() {
    for (auto& column : cells)
        for (int& cell : column) cell = CELL_EMPTY;
}

void PlayField::set_cell(int column, int row, int type) {
    if (type >= 0 && type < PIECE_TYPES) cells[column][row] = type + 1;
}

bool PlayField::row_is_full(int row, const GameState& state) const {
    for (int column = 0; column < state.get_playfield_width(); ++column)
        if (cells[column][row] == CELL_EMPTY) return false;
    return true;
}

void PlayField::copy_row(int from, int to, const GameState& state) {
    for (int column = 0; column < state.get_playfield_width(); ++column)
        cells[column][to] = cells[column][from];
}

namespace {

// Whether every cell the mask covers at (row, column) is empty; the caller keeps it in the field.
bool cells_free(const PlayField& field, const PieceMask& mask, int row, int column) {
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            if (mask.occupied(c, r) && field.cells[column + c][row + r] != CELL_EMPTY) return false;
    return true;
}

}  // namespace

bool PlayField::check_mask(const PieceMask& mask, int row, int column, const GameState& state) const {
    if (row + mask.get_height() > state.get_playfield_height()) return false;
    return cells_free(*this, mask, row, column);
}

int PlayField::find_lowest_row(const PieceMask& mask, int column, const GameState& state) const {
    const int left = column - mask.axis_column;
    // Rows up to `top` keep the whole mask below the top of the field, so only cells are tested.
    const int top = state.get_playfield_height() - mask.get_height();
    if (state.deep_drop) {
        // The piece passes through settled blocks and rests in the lowest place it fits.
        for (int row = 0; row <= top; ++row)
            if (cells_free(*this, mask, row, left)) return row;
        return -1;
    }
    // The piece falls straight down from above the stack and stops on the first block.
    if (top < 0 || !cells_free(*this, mask, top, left)) return -1;
    int row = top;
    while (row > 0 && cells_free(*this, mask, row - 1, left)) --row;
    return row;
}

bool PlayField::drop_piece(const Piece& piece, int column, const GameState& state) {
    PieceMask mask;
    state.piece_mask_type->get_piece_mask(piece.type, piece.orientation, &mask);
    const int row = find_lowest_row(mask, column, state);
    if (row < 0) return false;
    const int left = column - mask.axis_column;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            if (mask.occupied(c, r)) set_cell(left + c, row + r, piece.type);
    return true;
}

int PlayField::line_clears(const GameState& state) {
    const int height = state.get_playfield_height();
    int cleared = 0;
    // Top-down, so the row that moves into a cleared row has already been looked at.
    for (int row = height - 1; row >= 0; --row) {
        if (!row_is_full(row, state)) continue;
        for (int above = row; above < height - 1; ++above) copy_row(above + 1, above, state);
        for (int column = 0; column < state.get_playfield_width(); ++column)
            cells[column][height - 1] = CELL_EMPTY;
        ++cleared;
    }
    return cleared;
}

#include "model/playfield.h"

void PlayField::clear(bool big) {
    width_ = big ? PLAYFIELD_COLUMNS / 2 : PLAYFIELD_COLUMNS;
    height_ = big ? PLAYFIELD_ROWS / 2 : PLAYFIELD_ROWS;
    for (auto& column : cells_)
        for (int& cell : column) cell = CELL_EMPTY;
}

bool PlayField::row_is_full(int row) const {
    for (int column = 0; column < width_; ++column)
        if (cells_[column][row] == CELL_EMPTY) return false;
    return true;
}

bool PlayField::fits(const PieceMask& mask, int row, int left) const {
    if (row + mask.height() > height_) return false;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            if (mask.occupied(c, r) && cells_[left + c][row + r] != CELL_EMPTY) return false;
    return true;
}

int PlayField::resting_row(const PieceMask& mask, int column, bool deep_drop) const {
    const int left = column - mask.axis_column;
    const int top = height_ - mask.height();
    if (deep_drop) {
        for (int row = 0; row <= top; ++row)
            if (fits(mask, row, left)) return row;
        return -1;
    }
    // The piece falls straight down from above the stack and stops on the first block.
    if (top < 0 || !fits(mask, top, left)) return -1;
    int row = top;
    while (row > 0 && fits(mask, row - 1, left)) --row;
    return row;
}

bool PlayField::drop(const PieceMask& mask, Cell cell, int column, bool deep_drop) {
    const int row = resting_row(mask, column, deep_drop);
    if (row < 0) return false;
    const int left = column - mask.axis_column;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            if (mask.occupied(c, r)) cells_[left + c][row + r] = cell;
    return true;
}

int PlayField::clear_full_rows() {
    int cleared = 0;
    // Top-down, so the row that moves into a cleared row has already been looked at.
    for (int row = height_ - 1; row >= 0; --row) {
        if (!row_is_full(row)) continue;
        for (int above = row; above < height_ - 1; ++above)
            for (int column = 0; column < width_; ++column) cells_[column][above] = cells_[column][above + 1];
        for (int column = 0; column < width_; ++column) cells_[column][height_ - 1] = CELL_EMPTY;
        ++cleared;
    }
    return cleared;
}

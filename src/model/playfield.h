// PlayField: the grid of settled cells, [column][row] with row 0 at the bottom, in its normal
// 10 x 20 size or the 5 x 10 of big mode. A plain value: copying it copies the grid.
#pragma once

#include "model/piece.h"

constexpr int PLAYFIELD_COLUMNS = 10;
constexpr int PLAYFIELD_ROWS = 20;

class PlayField {
public:
    explicit PlayField(bool big = false) { clear(big); }
    // Empties every cell and takes the size of the mode.
    void clear(bool big);

    int width() const { return width_; }
    int height() const { return height_; }
    Cell cell(int column, int row) const { return Cell(cells_[column][row]); }
    void set_cell(int column, int row, Cell cell) { cells_[column][row] = cell; }
    bool row_is_full(int row) const;

    // Whether the mask, its bottom-left corner at (row, left), lies below the top and on empty
    // cells; keeping it inside the width is the caller's duty.
    bool fits(const PieceMask& mask, int row, int left) const;
    // The row the mask comes to rest in when typed into `column`, or -1 when it has no room.
    // With deep drop the piece passes through settled blocks to the lowest place it fits.
    int resting_row(const PieceMask& mask, int column, bool deep_drop) const;
    // Writes the piece's cells where it comes to rest; false, with nothing written, without room.
    bool drop(const PieceMask& mask, Cell cell, int column, bool deep_drop);
    // Removes every full row; returns how many went.
    int clear_full_rows();

private:
    int cells_[PLAYFIELD_COLUMNS][PLAYFIELD_ROWS];
    int width_ = PLAYFIELD_COLUMNS;
    int height_ = PLAYFIELD_ROWS;
};

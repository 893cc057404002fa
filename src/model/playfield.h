// PlayField: the grid of settled cells, [column][row] with row 0 at the bottom.
// A plain value: copying it copies the grid, which is how trial drops are made.
#pragma once

#include "model/piece.h"

struct GameState;

constexpr int PLAYFIELD_COLUMNS = 10;
constexpr int PLAYFIELD_ROWS = 20;

struct PlayField {
    int cells[PLAYFIELD_COLUMNS][PLAYFIELD_ROWS];

    PlayField();
    void clear();
    int get_cell(int column, int row) const { return cells[column][row]; }
    // Stores the cell value of a piece type 0..6; anything else leaves the cell alone.
    void set_cell(int column, int row, int type);

    // The size in force (normal or big mode) comes from the game state.
    bool row_is_full(int row, const GameState& state) const;
    void copy_row(int from, int to, const GameState& state);
    bool check_mask(const PieceMask& mask, int row, int column, const GameState& state) const;
    // The row the mask comes to rest in when typed into `column`, or -1 when it has no room.
    int find_lowest_row(const PieceMask& mask, int column, const GameState& state) const;
    bool drop_piece(const Piece& piece, int column, const GameState& state);
    // Removes every full row; returns how many went.
    int line_clears(const GameState& state);
};

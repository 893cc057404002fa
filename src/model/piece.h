// Piece: one tetromino type in one rotation, copied freely by value.
// PieceMask: the 4x4 cells a piece covers, with the column that lands under the typed key.
#pragma once

// Types are used as indexes everywhere, always in this order.
enum PieceType { PIECE_I = 0, PIECE_O, PIECE_T, PIECE_L, PIECE_J, PIECE_S, PIECE_Z };
constexpr int PIECE_TYPES = 7;
// The type of an empty hold slot.
constexpr int NO_PIECE = -1;

// The numeric order is not the rotation order.
enum Orientation { UP = 0, LEFT = 1, RIGHT = 2, DOWN = 3 };

// What one playfield cell holds: empty, or the type + 1 of the piece that settled there.
enum Cell { CELL_EMPTY = 0, CELL_I, CELL_O, CELL_T, CELL_L, CELL_J, CELL_S, CELL_Z };

struct Piece {
    int type = PIECE_I;
    Orientation orientation = UP;

    void rotate_cw();
    void rotate_ccw();
    void rotate_double();
    // Spawn orientation: UP for everything, except T, L and J which spawn flat side up with ARS.
    void orient_init(bool ars);
};

void swap_pieces(Piece* a, Piece* b);

// Cells are indexed column * 4 + row; row 0 is the bottom row of the mask.
struct PieceMask {
    int cells[16] = {};
    int axis_column = 0;
    int preview_offset = 0;

    // The picture is given as it looks: top row first, each row left to right.
    void set(const int (&picture)[16], int axis, int preview);
    bool occupied(int column, int row) const { return cells[column * 4 + row] != 0; }
    int get_width() const;
    int get_height() const;
};

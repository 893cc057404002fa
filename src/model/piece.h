// Piece: one tetromino type in one rotation, copied freely by value.
// PieceMask: the 4x4 cells a piece covers, with the column that lands under the typed key.
#pragma once

// Types are used as indexes everywhere, always in this order.
enum PieceType { PIECE_I = 0, PIECE_O, PIECE_T, PIECE_L, PIECE_J, PIECE_S, PIECE_Z };
constexpr int PIECE_TYPES = 7;
// The type of an empty hold slot.
constexpr int NO_PIECE = -1;

// The numeric order (an index of the shape tables) is not the rotation order.
enum class Orientation { Up, Left, Right, Down };

// A quarter turn either way, a half turn, or none.
enum class Turn { None, Ccw, Cw, Half };
Turn opposite(Turn turn);

// What one playfield cell holds: empty, or the type + 1 of the piece that settled there.
enum Cell { CELL_EMPTY = 0, CELL_I, CELL_O, CELL_T, CELL_L, CELL_J, CELL_S, CELL_Z };

struct Piece {
    int type = PIECE_I;
    Orientation orientation = Orientation::Up;

    void turn(Turn turn);
    // Spawn orientation: Up for everything, except T, L and J which spawn flat side up with ARS.
    void spawn(bool ars);
    Cell cell() const { return Cell(type + 1); }
};

// Cells are indexed column * 4 + row; row 0 is the bottom row of the mask.
struct PieceMask {
    int cells[16] = {};
    int axis_column = 0;
    int preview_offset = 0;

    bool occupied(int column, int row) const { return cells[column * 4 + row] != 0; }
    int width() const;
    int height() const;
};

// The cells of the piece in its orientation, flush with the bottom-left corner of the mask, its
// axis column and preview offset not yet set; a type outside 0..6 gives an empty mask.
PieceMask piece_shape(const Piece& piece);

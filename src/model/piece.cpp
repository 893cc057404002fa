#include "model/piece.h"

void Piece::rotate_cw() {
    static const Orientation next[] = {RIGHT, UP, DOWN, LEFT};
    orientation = next[orientation];
}

void Piece::rotate_ccw() {
    static const Orientation next[] = {LEFT, DOWN, UP, RIGHT};
    orientation = next[orientation];
}

void Piece::rotate_double() {
    static const Orientation next[] = {DOWN, RIGHT, LEFT, UP};
    orientation = next[orientation];
}

void Piece::orient_init(bool ars) {
    bool flat_side_up = ars && (type == PIECE_T || type == PIECE_L || type == PIECE_J);
    orientation = flat_side_up ? DOWN : UP;
}

void swap_pieces(Piece* a, Piece* b) {
    Piece held = *a;
    *a = *b;
    *b = held;
}

void PieceMask::set(const int (&picture)[16], int axis, int preview) {
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            cells[column * 4 + row] = picture[(3 - row) * 4 + column];
    axis_column = axis;
    preview_offset = preview;
}

int PieceMask::get_width() const {
    for (int column = 3; column >= 0; --column)
        for (int row = 0; row < 4; ++row)
            if (occupied(column, row)) return column + 1;
    return 0;
}

int PieceMask::get_height() const {
    for (int row = 3; row >= 0; --row)
        for (int column = 0; column < 4; ++column)
            if (occupied(column, row)) return row + 1;
    return 0;
}

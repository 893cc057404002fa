#include "model/piece.h"

Turn opposite(Turn turn) {
    switch (turn) {
        case Turn::Ccw: return Turn::Cw;
        case Turn::Cw: return Turn::Ccw;
        default: return turn;
    }
}

void Piece::turn(Turn turn) {
    // Indexed by the current orientation: Up, Left, Right, Down.
    static const Orientation CW[] = {Orientation::Right, Orientation::Up, Orientation::Down, Orientation::Left};
    static const Orientation CCW[] = {Orientation::Left, Orientation::Down, Orientation::Up, Orientation::Right};
    static const Orientation HALF[] = {Orientation::Down, Orientation::Right, Orientation::Left, Orientation::Up};
    const int now = int(orientation);
    switch (turn) {
        case Turn::Cw: orientation = CW[now]; break;
        case Turn::Ccw: orientation = CCW[now]; break;
        case Turn::Half: orientation = HALF[now]; break;
        case Turn::None: break;
    }
}

void Piece::spawn(bool ars) {
    const bool flat_side_up = ars && (type == PIECE_T || type == PIECE_L || type == PIECE_J);
    orientation = flat_side_up ? Orientation::Down : Orientation::Up;
}

int PieceMask::width() const {
    for (int column = 3; column >= 0; --column)
        for (int row = 0; row < 4; ++row)
            if (occupied(column, row)) return column + 1;
    return 0;
}

int PieceMask::height() const {
    for (int row = 3; row >= 0; --row)
        for (int column = 0; column < 4; ++column)
            if (occupied(column, row)) return row + 1;
    return 0;
}

#include "model/piece.h"

#include <array>

namespace {

// Rows from the top down, separated by '/'; X is a block. Order: Up, Left, Right, Down.
const char* const SHAPES[PIECE_TYPES][4] = {
    {"XXXX", "X/X/X/X", "X/X/X/X", "XXXX"},          // I
    {"XX/XX", "XX/XX", "XX/XX", "XX/XX"},            // O
    {".X./XXX", ".X/XX/.X", "X./XX/X.", "XXX/.X."},  // T
    {"..X/XXX", "XX/.X/.X", "X./X./XX", "XXX/X.."},  // L
    {"X../XXX", ".X/.X/XX", "XX/X./X.", "XXX/..X"},  // J
    {".XX/XX.", "X./XX/.X", "X./XX/.X", ".XX/XX."},  // S
    {"XX./.XX", ".X/XX/X.", ".X/XX/X.", "XX./.XX"},  // Z
};

PieceMask parse_shape(const char* shape) {
    int row = 0;
    for (const char* c = shape; *c; ++c) row += *c == '/';
    PieceMask mask;
    int column = 0;
    for (const char* c = shape; *c; ++c) {
        if (*c == '/') {
            --row;
            column = 0;
        } else {
            mask.cells[column++ * 4 + row] = *c == 'X';
        }
    }
    return mask;
}

// Parsed once: masks are asked for every frame and hundreds of times per Bastet decision.
const PieceMask& shape(int piece, Orientation orientation) {
    static const auto masks = [] {
        std::array<std::array<PieceMask, 4>, PIECE_TYPES> parsed;
        for (int type = 0; type < PIECE_TYPES; ++type)
            for (int turn = 0; turn < 4; ++turn) parsed[type][turn] = parse_shape(SHAPES[type][turn]);
        return parsed;
    }();
    return masks[piece][int(orientation)];
}

}  // namespace

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

PieceMask piece_shape(const Piece& piece) {
    if (piece.type < 0 || piece.type >= PIECE_TYPES) return PieceMask{};
    return shape(piece.type, piece.orientation);
}

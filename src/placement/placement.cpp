#include "placement/placement.h"

#include <array>

namespace {

// Rows from the top down, separated by '/'; X is a block. Order: Up, Left, Right, Down.
const char* const SHAPES[PIECE_TYPES][4] = {
    {"XXXX", "X/X/X/X", "X/X/X/X", "XXXX"},
    {"XX/XX", "XX/XX", "XX/XX", "XX/XX"},
    {".X./XXX", ".X/XX/.X", "X./XX/X.", "XXX/.X."},
    {"..X/XXX", "XX/.X/.X", "X./X./XX", "XXX/X.."},
    {"X../XXX", ".X/.X/XX", "XX/X./X.", "XXX/..X"},
    {".XX/XX.", "X./XX/.X", "X./XX/.X", ".XX/XX."},
    {"XX./.XX", ".X/XX/X.", ".X/XX/X.", "XX./.XX"},
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

int lowest_row_edge(const PieceMask& mask, int from, int step) {
    int column = from;
    while (!mask.occupied(column, 0)) column += step;
    return column;
}

void left_aligned(PieceMask& mask, int, Orientation) {
    mask.axis_column = 0;
    mask.preview_offset = 0;
}

// The column a player thinks of as the piece's middle; O has no middle and takes its left.
void center_aligned(PieceMask& mask, int piece, Orientation orientation) {
    const bool upright = orientation == Orientation::Left || orientation == Orientation::Right;
    if (piece == PIECE_O)
        mask.axis_column = 0;
    else if (piece == PIECE_I)
        mask.axis_column = upright ? 0 : 1;
    else
        mask.axis_column = orientation == Orientation::Right ? 0 : 1;
    mask.preview_offset = 1 - mask.axis_column;
}

void right_aligned(PieceMask& mask, int, Orientation) {
    mask.axis_column = mask.width() - 1;
    mask.preview_offset = 4 - mask.width();
}

void leftmost_lowest(PieceMask& mask, int, Orientation) {
    mask.axis_column = lowest_row_edge(mask, 0, 1);
    mask.preview_offset = 0;
}

void rightmost_lowest(PieceMask& mask, int, Orientation) {
    mask.axis_column = lowest_row_edge(mask, 3, -1);
    mask.preview_offset = 4 - mask.width();
}

const char* const LEFTMOST = "Dropping in a column places the leftmost cell of the piece in that column";
const char* const RIGHTMOST = "Dropping in a column places the rightmost cell of the piece in that column";
const char* const LOWEST = "Only considers cells in the lowest row of the piece";

}  // namespace

const std::vector<PlacementSystem>& placement_systems() {
    static const std::vector<PlacementSystem> systems = {
        {"Left-aligned", {LEFTMOST}, left_aligned},
        {"Center-aligned", {"Dropping in a column places the \"center\" cell of the piece in that column"},
         center_aligned},
        {"Right-aligned", {RIGHTMOST}, right_aligned},
        {"Leftmost lowest", {LEFTMOST, LOWEST}, leftmost_lowest},
        {"Rightmost lowest", {RIGHTMOST, LOWEST}, rightmost_lowest},
    };
    return systems;
}

PieceMask piece_mask(const PlacementSystem& system, const Piece& piece) {
    if (piece.type < 0 || piece.type >= PIECE_TYPES) return PieceMask{};
    PieceMask mask = shape(piece.type, piece.orientation);
    system.align(mask, piece.type, piece.orientation);
    return mask;
}

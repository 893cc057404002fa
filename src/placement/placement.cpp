#include "placement/placement.h"

namespace {

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
    if (piece == PIECE_O) mask.axis_column = 0;
    else if (piece == PIECE_I) mask.axis_column = upright ? 0 : 1;
    else mask.axis_column = orientation == Orientation::Right ? 0 : 1;
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
        {"Center-aligned",
         {"Dropping in a column places the \"center\" cell of the piece in that column"},
         center_aligned},
        {"Right-aligned", {RIGHTMOST}, right_aligned},
        {"Leftmost lowest", {LEFTMOST, LOWEST}, leftmost_lowest},
        {"Rightmost lowest", {RIGHTMOST, LOWEST}, rightmost_lowest},
    };
    return systems;
}

PieceMask piece_mask(const PlacementSystem& system, const Piece& piece) {
    // An empty mask has no edge for an alignment to find.
    if (piece.type < 0 || piece.type >= PIECE_TYPES) return PieceMask{};
    PieceMask mask = piece_shape(piece);
    system.align(mask, piece.type, piece.orientation);
    return mask;
}

#include "placement/centerpiecemask.h"

const std::string CENTER_PIECE_MASK_NAME = "Center-aligned";

namespace {

// The column a player thinks of as the piece's middle; O has no middle and takes its left.
int center_column(int piece, Orientation orientation) {
    if (piece == PIECE_O) return 0;
    if (piece == PIECE_I) return orientation == UP || orientation == DOWN ? 1 : 0;
    return orientation == RIGHT ? 0 : 1;
}

}  // namespace

void CenterPieceMask::get_piece_mask(int piece, Orientation orientation, PieceMask* mask) const {
    if (!fill_piece_shape(piece, orientation, mask)) return;
    // An unknown orientation has the UP shape, so it takes UP's centre too.
    if (orientation != LEFT && orientation != RIGHT && orientation != DOWN) orientation = UP;
    mask->axis_column = center_column(piece, orientation);
    mask->preview_offset = 1 - mask->axis_column;
}

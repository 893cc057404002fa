#include "placement/leftpiecemask.h"

const std::string LEFT_PIECE_MASK_NAME = "Left-aligned";

void LeftPieceMask::get_piece_mask(int piece, Orientation orientation, PieceMask* mask) const {
    if (!fill_piece_shape(piece, orientation, mask)) return;
    mask->axis_column = 0;
    mask->preview_offset = 0;
}

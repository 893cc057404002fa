#include "placement/rightpiecemask.h"

const std::string RIGHT_PIECE_MASK_NAME = "Right-aligned";

void RightPieceMask::get_piece_mask(int piece, Orientation orientation, PieceMask* mask) const {
    if (!fill_piece_shape(piece, orientation, mask)) return;
    int width = mask->get_width();
    mask->axis_column = width - 1;
    mask->preview_offset = 4 - width;
}

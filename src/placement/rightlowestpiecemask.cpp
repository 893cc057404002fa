#include "placement/rightlowestpiecemask.h"

const std::string RIGHT_LOWEST_PIECE_MASK_NAME = "Rightmost lowest";

void RightLowestPieceMask::get_piece_mask(int piece, Orientation orientation, PieceMask* mask) const {
    if (!fill_piece_shape(piece, orientation, mask)) return;
    int column = 3;
    while (!mask->occupied(column, 0)) --column;
    mask->axis_column = column;
    mask->preview_offset = 4 - mask->get_width();
}

#include "placement/leftlowestpiecemask.h"

const std::string LEFT_LOWEST_PIECE_MASK_NAME = "Leftmost lowest";

void LeftLowestPieceMask::get_piece_mask(int piece, Orientation orientation, PieceMask* mask) const {
    if (!fill_piece_shape(piece, orientation, mask)) return;
    int column = 0;
    while (!mask->occupied(column, 0)) ++column;
    mask->axis_column = column;
    mask->preview_offset = 0;
}

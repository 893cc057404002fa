// LeftLowestPieceMask: the "Leftmost lowest" placement system.
// The typed column takes the leftmost block of the piece's bottom row.
#pragma once

#include "placement/piecemasktype.h"

class LeftLowestPieceMask : public PieceMaskType {
public:
    void get_piece_mask(int piece, Orientation orientation, PieceMask* mask) const override;
    std::string get_name() const override { return LEFT_LOWEST_PIECE_MASK_NAME; }
};

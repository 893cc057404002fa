// RightLowestPieceMask: the "Rightmost lowest" placement system.
// The typed column takes the rightmost block of the piece's bottom row.
#pragma once

#include "placement/piecemasktype.h"

class RightLowestPieceMask : public PieceMaskType {
public:
    void get_piece_mask(int piece, Orientation orientation, PieceMask* mask) const override;
    std::string get_name() const override { return RIGHT_LOWEST_PIECE_MASK_NAME; }
};

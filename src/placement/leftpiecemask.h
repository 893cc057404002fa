// LeftPieceMask: the "Left-aligned" placement system.
// The typed column takes the piece's leftmost column; pieces sit at the left of their box.
#pragma once

#include "placement/piecemasktype.h"

class LeftPieceMask : public PieceMaskType {
public:
    void get_piece_mask(int piece, Orientation orientation, PieceMask* mask) const override;
    std::string get_name() const override { return LEFT_PIECE_MASK_NAME; }
};

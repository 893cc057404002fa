// RightPieceMask: the "Right-aligned" placement system.
// The typed column takes the piece's rightmost column; pieces sit at the right of their box.
#pragma once

#include "placement/piecemasktype.h"

class RightPieceMask : public PieceMaskType {
public:
    void get_piece_mask(int piece, Orientation orientation, PieceMask* mask) const override;
    std::string get_name() const override { return RIGHT_PIECE_MASK_NAME; }
};

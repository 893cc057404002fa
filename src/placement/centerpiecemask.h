// CenterPieceMask: the "Center-aligned" placement system.
// The typed column takes the piece's centre column, shown in box column 1.
#pragma once

#include "placement/piecemasktype.h"

class CenterPieceMask : public PieceMaskType {
public:
    void get_piece_mask(int piece, Orientation orientation, PieceMask* mask) const override;
    std::string get_name() const override { return CENTER_PIECE_MASK_NAME; }
};

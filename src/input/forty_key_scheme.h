// The 40-key schemes: each key of the four main rows drops the piece into its column, the home
// row as the piece spawned, the number row turned half round, the upper row turned one way and
// the lower row the other. "40-Key" turns counter-clockwise on the upper row, "40-Key-Inverse"
// clockwise. A drop that is refused turns the piece back.
#pragma once

#include "input/control_scheme.h"

class FortyKeyScheme : public ControlScheme {
public:
    explicit FortyKeyScheme(Turn upper_row_turn) : upper_row_turn_(upper_row_turn) {}
    KeyBlock keys() const override { return KeyBlock::FourRows; }
    // The home row's piece, then the upper row's, the number row's and the lower row's.
    std::vector<Piece> guide_pieces(const Piece& active) const override;
    const RotationGuide& guide() const override { return FORTY_KEY_GUIDE; }

protected:
    KeyOutcome press_own_key(Session& session, KeyCode key, uint32_t now) const override;

private:
    Turn turn_of_row(int row) const;
    Turn upper_row_turn_;
};

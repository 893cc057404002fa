// The "10-Key" scheme: the home row drops the piece, as it is turned, into its column; w and u,
// e and i, r and o turn it counter-clockwise, half round and clockwise without dropping.
#pragma once

#include "input/control_scheme.h"

class TenKeyScheme : public ControlScheme {
public:
    KeyBlock keys() const override { return KeyBlock::HomeRow; }
    // Three slots below the active piece: one, two and three quarter turns counter-clockwise.
    std::vector<Piece> guide_pieces(const Piece& active) const override;
    const RotationGuide& guide() const override { return TEN_KEY_GUIDE; }

protected:
    KeyOutcome press_own_key(Session& session, KeyCode key, uint32_t now) const override;
};

// BagRandomizer ("Bag"): deals the seven types in a shuffled bag, refilled when it runs empty,
// so every run of seven pieces from a bag boundary holds each type once.
#pragma once

#include "randomizers/randomizer.h"

class BagRandomizer : public Randomizer {
public:
    BagRandomizer() { reset(); }
    void reset() override;
    void get_piece(Piece* piece, GameState& state) override;
    std::string get_name() const override { return BAG_RANDOMIZER_NAME; }
    int pieces_left() const;

private:
    bool in_bag_[PIECE_TYPES];
};

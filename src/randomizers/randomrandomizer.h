// RandomRandomizer ("Random"): every type equally likely every time, repeats and all.
// It keeps no state.
#pragma once

#include "randomizers/randomizer.h"

class RandomRandomizer : public Randomizer {
public:
    void reset() override {}
    void get_piece(Piece* piece, GameState& state) override;
    std::string get_name() const override { return RANDOM_RANDOMIZER_NAME; }
};

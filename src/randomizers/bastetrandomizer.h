// BastetRandomizer ("Bastet"): the adversary. It deals a type that can clear the fewest lines
// with one drop on the current field, breaking ties at random. It keeps no state.
#pragma once

#include "randomizers/randomizer.h"

class BastetRandomizer : public Randomizer {
public:
    void reset() override {}
    void get_piece(Piece* piece, GameState& state) override;
    std::string get_name() const override { return BASTET_RANDOMIZER_NAME; }
};

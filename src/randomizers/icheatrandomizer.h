// ICheatRandomizer ("I-Cheat"): nothing but I pieces, for drilling the long bar.
// It keeps no state.
#pragma once

#include "randomizers/randomizer.h"

class ICheatRandomizer : public Randomizer {
public:
    void reset() override {}
    void get_piece(Piece* piece, GameState&) override { piece->type = PIECE_I; }
    std::string get_name() const override { return ICHEAT_RANDOMIZER_NAME; }
};

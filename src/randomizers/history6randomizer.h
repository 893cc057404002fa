// History6Randomizer ("History (6 roll)"): rerolls, up to six times, a type that is among the
// last four dealt; the first piece of a game is never S, Z or O.
#pragma once

#include "randomizers/randomizer.h"

class History6Randomizer : public Randomizer {
public:
    History6Randomizer() { reset(); }
    void reset() override;
    void get_piece(Piece* piece, GameState& state) override;
    std::string get_name() const override { return HISTORY6_RANDOMIZER_NAME; }

private:
    // history_[0] is the most recent type.
    int history_[4];
    bool first_piece_;
};

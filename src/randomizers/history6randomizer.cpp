#include "randomizers/history6randomizer.h"

#include <algorithm>

#include "model/random_source.h"

const std::string HISTORY6_RANDOMIZER_NAME = "History (6 roll)";

namespace {

constexpr int MAX_ROLLS = 6;

bool awkward_opener(int type) { return type == PIECE_S || type == PIECE_Z || type == PIECE_O; }

}  // namespace

void History6Randomizer::reset() {
    const int start[] = {PIECE_Z, PIECE_S, PIECE_Z, PIECE_S};
    std::copy(std::begin(start), std::end(start), history_);
    first_piece_ = true;
}

void History6Randomizer::get_piece(Piece* piece, GameState&) {
    int type = 0;
    for (int roll = 1;; ++roll) {
        type = random_number() % PIECE_TYPES;
        // Rerolling an awkward opener does not use up one of the six rolls.
        while (first_piece_ && awkward_opener(type)) type = random_number() % PIECE_TYPES;
        const bool recent = std::find(std::begin(history_), std::end(history_), type) != std::end(history_);
        if (roll == MAX_ROLLS || !recent) break;
    }
    std::copy_backward(history_, history_ + 3, history_ + 4);
    history_[0] = type;
    first_piece_ = false;
    piece->type = type;
}

#include "randomizers/simple_randomizers.h"

#include <algorithm>

#include "model/piece.h"
#include "model/random_source.h"

namespace {

constexpr int MAX_ROLLS = 6;

bool awkward_opener(int type) { return type == PIECE_S || type == PIECE_Z || type == PIECE_O; }

}  // namespace

int BagRandomizer::next(const DealView&) {
    const int draw = random_number();
    const int left = int(std::count(std::begin(in_bag_), std::end(in_bag_), true));
    int k = draw % left;
    int type = 0;
    while (!in_bag_[type] || k-- > 0) ++type;
    in_bag_[type] = false;
    if (left == 1) std::fill(std::begin(in_bag_), std::end(in_bag_), true);
    return type;
}

HistoryRandomizer::HistoryRandomizer() : history_{PIECE_Z, PIECE_S, PIECE_Z, PIECE_S} {}

int HistoryRandomizer::next(const DealView&) {
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
    return type;
}

int RandomRandomizer::next(const DealView&) { return random_number() % PIECE_TYPES; }

int ICheatRandomizer::next(const DealView&) { return PIECE_I; }

#include "randomizers/bagrandomizer.h"

#include "model/random_source.h"

const std::string BAG_RANDOMIZER_NAME = "Bag";

void BagRandomizer::reset() {
    for (bool& in_bag : in_bag_) in_bag = true;
}

int BagRandomizer::pieces_left() const {
    int left = 0;
    for (bool in_bag : in_bag_) left += in_bag;
    return left;
}

void BagRandomizer::get_piece(Piece* piece, GameState&) {
    const int draw = random_number();
    int k = draw % pieces_left();
    int type = 0;
    while (!in_bag_[type] || k-- > 0) ++type;
    in_bag_[type] = false;
    if (pieces_left() == 0) reset();
    piece->type = type;
}

// The randomizers that only draw numbers: "Bag" (each type once in every run of seven from a
// bag boundary), "History (6 roll)" (rerolls recent types), "Random" and "I-Cheat".
#pragma once

#include "randomizers/randomizer.h"

class BagRandomizer : public Randomizer {
public:
    int next(const DealView& view) override;

private:
    bool in_bag_[7] = {true, true, true, true, true, true, true};
};

class HistoryRandomizer : public Randomizer {
public:
    HistoryRandomizer();
    int next(const DealView& view) override;

private:
    // history_[0] is the most recent type.
    int history_[4];
    bool first_piece_ = true;
};

class RandomRandomizer : public Randomizer {
public:
    int next(const DealView& view) override;
};

// Nothing but I pieces, for drilling the long bar.
class ICheatRandomizer : public Randomizer {
public:
    int next(const DealView& view) override;
};

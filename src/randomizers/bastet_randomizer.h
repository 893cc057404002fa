// The adversary ("Bastet"): deals a type that can clear the fewest lines with one drop on the
// current field, breaking ties at random. It keeps no memory.
#pragma once

#include "randomizers/randomizer.h"

class BastetRandomizer : public Randomizer {
public:
    int next(const DealView& view) override;
};

// Randomizers: the strategies that deal the sequence of piece types. A game makes a fresh one
// at its start, so a randomizer's memory (a bag, a history) lasts one game.
#pragma once

#include <memory>
#include <vector>

#include "model/playfield.h"
#include "model/registry.h"
#include "placement/placement.h"

// What a randomizer may look at when it deals: the field as it stands and how a drop lands.
struct DealView {
    const PlayField& field;
    const PlacementSystem& placement;
    bool deep_drop;
};

class Randomizer {
public:
    virtual ~Randomizer() = default;
    // The type of the next piece; only the adversary looks at the view.
    virtual int next(const DealView& view) = 0;
};

struct RandomizerKind {
    static constexpr Family FAMILY = Family::Randomizer;
    const char* name;
    InfoLines info;
    // Judges the field it deals for, so it is played without previews or hold.
    bool judges_the_field;
    std::unique_ptr<Randomizer> (*make)();
};

// In the order the options menu cycles through them; the first is the default.
const std::vector<RandomizerKind>& randomizer_kinds();
inline const RandomizerKind& randomizer_kind(RandomizerId id) { return kind_of(randomizer_kinds(), id); }

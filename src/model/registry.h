// What the three strategy families (randomizers, placement systems, control schemes) share:
// each is one table of kinds, in the order the options menu cycles through them, every kind
// with the name the menus show and the settings file stores, and its explanation. A kind is
// named elsewhere by its place in the table, typed by its family.
#pragma once

#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

// Up to four lines for the options screen; nullptr for a line not drawn.
using InfoLines = std::array<const char*, 4>;

enum class Family { Randomizer, ControlScheme, PlacementSystem };

// A kind's place in its family's table; the family in the type keeps a randomizer's place from
// picking a placement system. The first kind of each table is the default.
template <Family>
struct KindId {
    int index = 0;

    bool operator==(KindId other) const { return index == other.index; }
    bool operator!=(KindId other) const { return index != other.index; }
};

using RandomizerId = KindId<Family::Randomizer>;
using ControlSchemeId = KindId<Family::ControlScheme>;
using PlacementSystemId = KindId<Family::PlacementSystem>;

// Each kind declares its family as `static constexpr Family FAMILY`.
template <class Kind>
using IdOf = KindId<Kind::FAMILY>;

template <class Kind>
const Kind& kind_of(const std::vector<Kind>& kinds, IdOf<Kind> id) {
    return kinds[size_t(id.index)];
}

// The next kind in the table, the first after the last.
template <class Kind>
IdOf<Kind> next_kind(const std::vector<Kind>& kinds, IdOf<Kind> id) {
    return {int((size_t(id.index) + 1) % kinds.size())};
}

// The kind with exactly this name.
template <class Kind>
std::optional<IdOf<Kind>> find_kind(const std::vector<Kind>& kinds, const std::string& name) {
    for (size_t i = 0; i < kinds.size(); ++i)
        if (name == kinds[i].name) return IdOf<Kind>{int(i)};
    return std::nullopt;
}

// The kind whose name the text begins with, the longest such name winning ("40-Key-Inverse"
// over "40-Key", which begins it).
template <class Kind>
std::optional<IdOf<Kind>> kind_named_at_start(const std::vector<Kind>& kinds, const std::string& text) {
    std::optional<IdOf<Kind>> best;
    for (size_t i = 0; i < kinds.size(); ++i) {
        const size_t length = std::strlen(kinds[i].name);
        if (text.compare(0, length, kinds[i].name) == 0 && (!best || length > std::strlen(kinds[best->index].name)))
            best = IdOf<Kind>{int(i)};
    }
    return best;
}

// What the three strategy families (randomizers, placement systems, control schemes) share:
// each is one table of kinds, in the order the options menu cycles through them, every kind
// with the name the menus show and the settings file stores, and its explanation.
#pragma once

#include <array>
#include <cstring>
#include <string>
#include <vector>

// Up to four lines for the options screen; nullptr for a line not drawn.
using InfoLines = std::array<const char*, 4>;

// The index of the kind with exactly this name, or -1.
template <class Kind>
int find_kind(const std::vector<Kind>& kinds, const std::string& name) {
    for (size_t i = 0; i < kinds.size(); ++i)
        if (name == kinds[i].name) return int(i);
    return -1;
}

// The kind whose name the text begins with, the longest such name winning ("40-Key-Inverse"
// over "40-Key", which begins it); -1 for none.
template <class Kind>
int kind_named_at_start(const std::vector<Kind>& kinds, const std::string& text) {
    int best = -1;
    for (size_t i = 0; i < kinds.size(); ++i) {
        const size_t length = std::strlen(kinds[i].name);
        if (text.compare(0, length, kinds[i].name) == 0 && (best < 0 || length > std::strlen(kinds[best].name)))
            best = int(i);
    }
    return best;
}

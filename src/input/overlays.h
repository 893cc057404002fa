// The input overlays worked out without drawing: which key label stands under each playfield
// column and whether its key is held, and which columns light up.
#pragma once

#include <functional>
#include <vector>

#include "input/control_scheme.h"

// Whether the physical key bound to a logical key is down.
using KeyHeld = std::function<bool(KeyCode logical)>;

// True while the game runs and the keyboard state marks the bound key as down. A binding
// outside the keyboard table is a key that is never held.
bool key_held(const Session& session, KeyCode logical, const unsigned char* keyboard, int keyboard_size);

struct LegendLabel {
    char label;
    bool pressed;
};

// One label per playfield column: the first held key of its keyboard column in row precedence,
// or the home row key when none is held.
std::vector<LegendLabel> key_legend(const Session& session, KeyBlock keys, const KeyHeld& held);
// Whether each playfield column lights up; none before the game has started.
std::vector<bool> lit_columns(const Session& session, KeyBlock keys, const KeyHeld& held);

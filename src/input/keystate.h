// KeyStateTable: which physical keys are down, as SDL's keyboard state table tells it, and
// whether a logical key counts as held. A binding outside the table is a key never held.
#pragma once

#include <cstdint>

#include "input/keyconfig.h"

struct GameState;

struct KeyStateTable {
    const uint8_t* down = nullptr;  // indexed by physical key code
    int size = 0;
};

// SDL's table for the current frame.
KeyStateTable sdl_key_state();
// False for any code outside the table: bindings read from the settings file may hold any number.
bool physical_key_down(KeyStateTable table, KeyCode physical);
// Held while the game runs and the physical key bound to the logical key is down.
bool logical_key_held(const GameState& state, KeyCode logical, KeyStateTable table);

// Recording: what playing a game again needs besides its settings: every piece type the
// randomizer dealt, in order, and every key handled since play began, with the milliseconds
// since the countdown ended. Keys are physical keys, as the player pressed them.
#pragma once

#include <cstdint>
#include <vector>

#include "model/key_bindings.h"

struct TimedKey {
    uint32_t at;
    KeyCode key;
};

struct Recording {
    std::vector<int> dealt;
    std::vector<TimedKey> keys;
};

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

// How a finished game ended, for a game played again to be checked against.
struct GameResult {
    int lines = 0;
    int pieces = 0;
    int keys = 0;
    uint32_t time_ms = 0;
    uint32_t field = 0;  // a checksum of every cell of the field

    bool operator==(const GameResult& other) const {
        return lines == other.lines && pieces == other.pieces && keys == other.keys && time_ms == other.time_ms &&
               field == other.field;
    }
};

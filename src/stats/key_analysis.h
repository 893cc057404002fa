// The key analysis: recorded games played again without a window to see, for every key the
// player pressed, how often they pressed it, how long after a piece's arrival (the start of
// play, or the drop, hold or undo before) it came, and how often the drop it asked for was
// refused. Only keys up to the end of a game count.
#pragma once

#include <string>
#include <vector>

#include "persist/replay_file.h"

struct KeyStats {
    KeyCode key = 0;
    int presses = 0;
    // Those that asked for a drop, and those of them refused.
    int drops = 0;
    int refused = 0;
    // Milliseconds from the piece's arrival to each press.
    std::vector<uint32_t> waits;

    double mean_wait() const;
    double median_wait() const;
};

// Plays the replay again and adds what its keys did. Returns the number of the key by which the
// game ended otherwise than the replay says, and then adds nothing; 0 when it ended as recorded.
size_t analyse_replay(const Replay& replay, std::vector<KeyStats>& keys);
// How the key is written on the keyboard.
std::string key_name(KeyCode key);
std::string keys_report(const std::vector<KeyStats>& keys);

// ReplayFeed: a recorded game's keys handed back to the game at the times they were handled, so
// that it plays out again exactly as it was played, however the frames of the replay fall. The
// keys of one frame of the game were handled at the frame's time, after the frame checked the
// two-minute end; keys sharing a time are handed over the same way, whatever frame of the
// replay they fall in.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "input/control_scheme.h"

// What a key did, as the key analysis sees it.
using KeyWatcher = std::function<void(const TimedKey& key, KeyOutcome outcome, const Game& game)>;

class ReplayFeed {
public:
    // Sets the game up as the recorded one began: its settings, and the pieces it will be dealt.
    ReplayFeed(Game& game, const Settings& settings, const Recording& recording);
    // Hands over every key due by `now`, then checks the two-minute end at `now`.
    void feed(Game& game, uint32_t now, const KeyWatcher& watch = nullptr);
    bool done() const { return next_ == keys_.size(); }
    // When the last key is due, in milliseconds since play began; 0 for none.
    uint32_t last_key_at() const { return keys_.empty() ? 0 : keys_.back().at; }

private:
    std::vector<TimedKey> keys_;
    size_t next_ = 0;
};

// ReplayFeed: a recorded game's keys handed back to the game at the times they were handled, so
// that it plays out again exactly as it was played, however the frames of the replay fall. The
// keys of one frame of the game were handled at the frame's time, after the frame checked the
// two-minute end; keys sharing a time are handed over the same way, whatever frame of the
// replay they fall in.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "input/control_scheme.h"

// What a key did, as the key analysis sees it.
using KeyWatcher = std::function<void(const TimedKey& key, KeyOutcome outcome, const Game& game)>;

class ReplayFeed {
public:
    // Sets the game up as the recorded one began: its settings, and the pieces it will be dealt.
    // `expected` is how the recorded game ended, where the recording says.
    ReplayFeed(Session& session, const Settings& settings, const Recording& recording,
               const std::optional<GameResult>& expected = std::nullopt);
    // Hands over every key due by `now`, then checks the two-minute end at `now`.
    void feed(Session& session, uint32_t now, const KeyWatcher& watch = nullptr);
    bool done() const { return next_ == keys_.size(); }
    // The number of the key (from 1) by which the game is seen to have ended otherwise than
    // recorded, or 0 while it is not: a game other than a practice one finished before its last
    // key, or, once every key is handed over, it finished with another result, or it has not
    // finished when the recorded game had.
    size_t diverged_at(const Session& session, uint32_t now) const;
    // When the last key is due, in milliseconds since play began; 0 for none.
    uint32_t last_key_at() const { return keys_.empty() ? 0 : keys_.back().at; }

private:
    std::vector<TimedKey> keys_;
    std::optional<GameResult> expected_;
    size_t next_ = 0;
    size_t finished_early_ = 0;
};

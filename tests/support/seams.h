// Test doubles for the game's two seams: a clock the test sets, and a random source that replays
// a script. Each brings back the real one when it goes out of scope.
#pragma once

#include <cstdint>
#include <deque>

#include "model/clock.h"
#include "model/random_source.h"

// The game's clock reads `now`.
class FakeClock {
public:
    explicit FakeClock(uint32_t start = 0) : now(start) { set_clock([this] { return now; }); }
    ~FakeClock() { set_clock(nullptr); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    uint32_t now;
};

// Replays the scripted numbers, then repeats the last one for ever.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::deque<int> script = {0}) : script_(std::move(script)) {
        set_random_source([this] {
            const int value = script_.front();
            if (script_.size() > 1) script_.pop_front();
            return value;
        });
    }
    ~ScriptedRandom() { set_random_source(nullptr); }
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;

private:
    std::deque<int> script_;
};

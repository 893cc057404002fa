// Test doubles for the game's two seams, the clock and the random source. Each guard puts the
// game's own back when it goes out of scope, also when a failed assertion leaves the test early,
// so that no later test calls into a double that is gone.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>

#include "model/clock.h"
#include "model/random_source.h"

// The game's random numbers come from `source`.
class RandomFrom {
public:
    explicit RandomFrom(std::function<int()> source) { set_random_source(std::move(source)); }
    ~RandomFrom() { set_random_source(nullptr); }
    RandomFrom(const RandomFrom&) = delete;
    RandomFrom& operator=(const RandomFrom&) = delete;
};

// Replays the scripted numbers, then repeats the last one for ever.
class ScriptedRandom : RandomFrom {
public:
    explicit ScriptedRandom(std::deque<int> script = {0})
        : RandomFrom([this] {
              const int value = script_.front();
              if (script_.size() > 1) script_.pop_front();
              return value;
          }),
          script_(std::move(script)) {}

private:
    std::deque<int> script_;
};

// The game's clock reads `now`.
class FakeClock {
public:
    explicit FakeClock(uint32_t start = 0) : now(start) {
        set_clock([this] { return now; });
    }
    ~FakeClock() { set_clock(nullptr); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    uint32_t now;
};

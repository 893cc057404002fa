// Test doubles for the game's three seams: a clock the test sets, a random source that
// replays a script, and a sound log. Each restores the real seam when it goes out of scope.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "model/clock.h"
#include "model/random_source.h"
#include "model/sound.h"

class FakeClock {
public:
    explicit FakeClock(uint32_t start = 0) : now_(start) {
        set_clock([this] { return now_; }, [this](uint32_t ms) { now_ += ms; });
    }
    ~FakeClock() { use_sdl_clock(); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    void set(uint32_t now) { now_ = now; }
    void advance(uint32_t ms) { now_ += ms; }
    uint32_t now() const { return now_; }

private:
    uint32_t now_;
};

// Replays the scripted numbers, then repeats the last one for ever.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::deque<int> script = {0}) : script_(std::move(script)) {
        set_random_source([this] { return next(); });
    }
    ~ScriptedRandom() { use_standard_random(); }
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;

    int draws() const { return draws_; }

private:
    int next() {
        ++draws_;
        int value = script_.front();
        if (script_.size() > 1) script_.pop_front();
        return value;
    }
    std::deque<int> script_;
    int draws_ = 0;
};

// Every sound played, and when by the game's clock.
class SoundLog {
public:
    SoundLog() {
        set_sound_player([this](Mix_Chunk* chunk) {
            played_.push_back(chunk);
            times_.push_back(ticks_now());
        });
    }
    ~SoundLog() { use_mixer_sound_player(); }
    SoundLog(const SoundLog&) = delete;
    SoundLog& operator=(const SoundLog&) = delete;

    const std::vector<Mix_Chunk*>& played() const { return played_; }
    int count(const Mix_Chunk* chunk) const { return static_cast<int>(times_of(chunk).size()); }
    std::vector<uint32_t> times_of(const Mix_Chunk* chunk) const {
        std::vector<uint32_t> times;
        for (size_t i = 0; i < played_.size(); ++i)
            if (played_[i] == chunk) times.push_back(times_[i]);
        return times;
    }
    void clear() {
        played_.clear();
        times_.clear();
    }

private:
    std::vector<Mix_Chunk*> played_;
    std::vector<uint32_t> times_;
};

// The game loop: a three-second countdown, then frames of input, drawing and 16 ms pacing
// until the player leaves, and the clock of the two-minute mode.
#pragma once

#include <cstdint>
#include <functional>

struct GameState;
struct Resources;

constexpr uint32_t COUNTDOWN_MS = 3000;
constexpr uint32_t FRAME_MS = 16;
constexpr uint32_t TWO_MINUTES_MS = 120000;
constexpr uint32_t HURRY_MS = 10000;

// Runs one game; true when the player pressed Escape, false when the window was closed.
bool main_loop(GameState& state, Resources& resources);

// What a frame does besides keeping time: read the input (an InputResult) and draw.
struct FrameSteps {
    std::function<int(GameState&, Resources&)> input;
    std::function<void(GameState&, Resources&)> draw;
};
// main_loop with its input and drawing supplied, so that the loop runs without a window.
bool run_game_loop(GameState& state, Resources& resources, const FrameSteps& steps);

// Sleeps out the rest of a 16 ms frame that began at frame_start; a frame that took
// longer than 15 ms is not delayed at all.
void pace_frame(uint32_t frame_start);
// Play begins: the start sound, the clock starts, and an undo cannot reach back into the
// countdown.
void start_play(GameState& state, Resources& resources);
// The two-minute mode's end of game and hurry warning; nothing in the other modes.
void update_two_minute_clock(GameState& state, Resources& resources);

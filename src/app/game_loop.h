// The game loop: a three-second countdown, then frames of input, drawing and 16 ms pacing until
// the player leaves; a finished game stays on screen, frozen, until then.
#pragma once

#include <cstdint>
#include <functional>

#include "model/game.h"

struct Resources;
class SoundBoard;

constexpr uint32_t FRAME_MS = 16;

enum class InputResult { Continue, LeaveGame, Quit };

// What a frame does besides keeping time: read the input, draw, and sleep.
struct FrameSteps {
    std::function<InputResult(Game&)> input;
    std::function<void(Game&)> draw;
    std::function<void(uint32_t ms)> sleep;
};

// Runs one game; true when the player pressed Escape, false when the window was closed.
bool main_loop(Game& game, const Resources& resources, const SoundBoard& sounds);
// The same loop with its steps supplied, so that it runs without a window.
bool run_game_loop(Game& game, const FrameSteps& steps);

// Sleeps out the rest of a 16 ms frame that began at frame_start; a frame that took longer
// than 15 ms is not delayed at all.
void pace_frame(uint32_t frame_start, const std::function<void(uint32_t)>& sleep);

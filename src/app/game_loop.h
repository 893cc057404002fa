// The game loop: a three-second countdown, then frames of input, drawing and 16 ms pacing until
// the player leaves; a finished game stays on screen, frozen, until then.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>

#include "rules/session.h"

class ReplayFeed;
class Screen;
class SoundBoard;

constexpr uint32_t FRAME_MS = 16;

enum class InputResult { Continue, LeaveGame, Quit };

// What a frame does besides keeping time: read the input, draw, and sleep.
struct FrameSteps {
    std::function<InputResult(Session&, uint32_t now)> input;
    std::function<void(Session&)> draw;
    std::function<void(uint32_t ms)> sleep;
};

// Where a frame's events come from: SDL_PollEvent, or a test's script.
using EventPoll = std::function<int(SDL_Event*)>;
// What keeps a finished game's result.
using FinishedGame = std::function<void(const Session&)>;
// A play frame's input: the two-minute end checked first, so that no key after it counts, then
// every event since the frame before. Keys pressed during the countdown are dropped. A game that
// finishes is handed to `finished` at once, before a later key of the same frame can leave it or
// start it anew.
// Whether the frame about to be drawn is to be saved: F2 was pressed, or the game finished with
// the automatic screenshot on (and is finished still), since the last frame.
bool screenshot_due(const Session& session);

InputResult read_game_input(Session& session, uint32_t now, const EventPoll& poll,
                            const FinishedGame& finished = nullptr);

// Runs one game; true when the player pressed Escape, false when the window was closed.
bool main_loop(Session& session, Screen& screen, const SoundBoard& sounds);
// A recorded game played again at its own pace, from its countdown on; Escape leaves and F2
// saves a screenshot, but it leaves no record or replay of its own. A game that ends otherwise
// than recorded is not played on: returns the number of the key by which it did, or 0.
size_t replay_loop(Session& session, ReplayFeed& feed, Screen& screen, const SoundBoard& sounds);
// The same loop with its steps supplied, so that it runs without a window.
bool run_game_loop(Session& session, const FrameSteps& steps);

// Sleeps out the rest of a 16 ms frame that began at frame_start; a frame that took longer
// than 15 ms is not delayed at all.
void pace_frame(uint32_t frame_start, const std::function<void(uint32_t)>& sleep);

#include "app/mainloop.h"

#include <SDL.h>

#include "model/clock.h"
#include "model/gameactions.h"
#include "model/gamestate.h"
#include "model/sound.h"
#include "render/gamescreen.h"
#include "render/resources.h"

namespace {

// Input, drawing and pacing; returns the input's result.
int run_frame(GameState& state, Resources& resources, const FrameSteps& steps) {
    uint32_t frame_start = ticks_now();
    int result = steps.input(state, resources);
    if (result != INPUT_CONTINUE) return result;
    steps.draw(state, resources);
    pace_frame(frame_start);
    return INPUT_CONTINUE;
}

// One beep at the start of each of the three seconds, then play begins.
int run_countdown(GameState& state, Resources& resources, const FrameSteps& steps) {
    state.countdown_ticks = ticks_now();
    for (uint32_t second_end = 1000; second_end <= COUNTDOWN_MS; second_end += 1000) {
        play_game_sound(state, resources.countdownSound);
        while (ticks_now() - state.countdown_ticks < second_end) {
            int result = run_frame(state, resources, steps);
            if (result != INPUT_CONTINUE) return result;
        }
    }
    start_play(state, resources);
    return INPUT_CONTINUE;
}

}  // namespace

bool main_loop(GameState& state, Resources& resources) {
    return run_game_loop(state, resources, FrameSteps{process_input_logic, render});
}

bool run_game_loop(GameState& state, Resources& resources, const FrameSteps& steps) {
    for (;;) {
        if (!state.started) {
            int result = run_countdown(state, resources, steps);
            if (result != INPUT_CONTINUE) return result == INPUT_LEAVE_GAME;
        }
        uint32_t frame_start = ticks_now();
        // Before the keys, so that no key pressed after the end of a two-minute game counts.
        update_two_minute_clock(state, resources);
        int result = steps.input(state, resources);
        if (result != INPUT_CONTINUE) return result == INPUT_LEAVE_GAME;
        // The restart key reset the game: the next pass counts down again.
        if (!state.started) continue;
        steps.draw(state, resources);
        pace_frame(frame_start);
    }
}

void pace_frame(uint32_t frame_start) {
    uint32_t took = ticks_now() - frame_start;
    if (took < FRAME_MS) sleep_ms(FRAME_MS - took);
}

void start_play(GameState& state, Resources& resources) {
    play_game_sound(state, resources.countdownStartSound);
    // Whatever disabled key presses before the game, play needs them.
    SDL_EventState(SDL_KEYDOWN, SDL_ENABLE);
    state.started = true;
    state.start_ticks = ticks_now();
    state.updateHistory();
    state.history_valid = false;
}

void update_two_minute_clock(GameState& state, Resources& resources) {
    if (state.game_mode != GAME_MODE_2_MINUTES) return;
    uint32_t now = ticks_now();
    if (state.started && !state.finished && now - state.start_ticks >= TWO_MINUTES_MS) {
        state.finished = true;
        // Exactly two minutes, however late this frame came.
        state.end_ticks = state.start_ticks + TWO_MINUTES_MS;
        play_game_sound(state, resources.finishSound);
        if (state.auto_screenshot) state.screenshot_pending = true;
    }
    // Past the end the unsigned difference wraps to a huge value, so the warning can only
    // come in the last ten seconds.
    uint32_t remaining = state.start_ticks + TWO_MINUTES_MS - now;
    if (!state.hurry && remaining <= HURRY_MS) {
        state.hurry = true;
        play_game_sound(state, resources.hurrySound);
    }
}

#include "app/game_loop.h"

#include <SDL.h>

#include "app/screenshot.h"
#include "app/sound_board.h"
#include "input/control_scheme.h"
#include "model/actions.h"
#include "model/clock.h"
#include "render/game_screen.h"

namespace {

// One beep at the start of each of the three seconds, then play begins.
InputResult run_countdown(Game& game, const FrameSteps& steps) {
    game.countdown_ticks = ticks_now();
    for (uint32_t second_end = 1000; second_end <= COUNTDOWN_MS; second_end += 1000) {
        game.play(Sound::Countdown);
        while (ticks_now() - game.countdown_ticks < second_end) {
            const uint32_t frame_start = ticks_now();
            const InputResult result = steps.input(game);
            if (result != InputResult::Continue) return result;
            steps.draw(game);
            pace_frame(frame_start, steps.sleep);
        }
    }
    start_play(game, ticks_now());
    return InputResult::Continue;
}

InputResult process_events(Game& game) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) return InputResult::Quit;
        if (event.type != SDL_KEYDOWN) continue;
        const KeyCode key = event.key.keysym.sym;
        // Checked before the key bindings see it, so that no binding can take Escape.
        if (key == KEY_ESCAPE) {
            game.play(Sound::MenuCancel);
            return InputResult::LeaveGame;
        }
        // Keys pressed during the countdown are dropped.
        if (game.started) handle_game_key(game, key);
    }
    return InputResult::Continue;
}

}  // namespace

bool main_loop(Game& game, const Resources& resources, const SoundBoard& sounds) {
    // Whatever disabled key presses before the game, play needs them.
    SDL_EventState(SDL_KEYDOWN, SDL_ENABLE);
    const auto draw = [&](Game& g) {
        sounds.play_pending(g);
        int size = 0;
        const Uint8* keyboard = SDL_GetKeyState(&size);
        draw_game(g, resources, [&](KeyCode key) { return key_held(g, key, keyboard, size); }, ticks_now());
        if (g.screenshot_pending) {
            save_screenshot(g);
            g.screenshot_pending = false;
        }
        SDL_GL_SwapBuffers();
    };
    return run_game_loop(game, FrameSteps{process_events, draw, SDL_Delay});
}

bool run_game_loop(Game& game, const FrameSteps& steps) {
    for (;;) {
        if (!game.started) {
            const InputResult result = run_countdown(game, steps);
            if (result != InputResult::Continue) return result == InputResult::LeaveGame;
        }
        const uint32_t frame_start = ticks_now();
        // Before the keys, so that no key pressed after the end of a two-minute game counts.
        check_time_limit(game, frame_start);
        const InputResult result = steps.input(game);
        if (result != InputResult::Continue) return result == InputResult::LeaveGame;
        // The restart key reset the game: the next pass counts down again.
        if (!game.started) continue;
        steps.draw(game);
        pace_frame(frame_start, steps.sleep);
    }
}

void pace_frame(uint32_t frame_start, const std::function<void(uint32_t)>& sleep) {
    const uint32_t took = ticks_now() - frame_start;
    if (took < FRAME_MS) sleep(FRAME_MS - took);
}

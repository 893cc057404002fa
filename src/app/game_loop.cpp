#include "app/game_loop.h"

#include <SDL.h>

#include <ctime>
#include <string>

#include "app/screenshot.h"
#include "app/sound_board.h"
#include "input/control_scheme.h"
#include "input/replay_feed.h"
#include "model/actions.h"
#include "model/clock.h"
#include "persist/results.h"
#include "render/game_screen.h"
#include "render/screen.h"

namespace {

// One beep at the start of each of the three seconds, then play begins.
InputResult run_countdown(Game& game, const FrameSteps& steps) {
    game.countdown_ticks = ticks_now();
    for (uint32_t second_end = 1000; second_end <= COUNTDOWN_MS; second_end += 1000) {
        game.play(Sound::Countdown);
        while (ticks_now() - game.countdown_ticks < second_end) {
            const uint32_t frame_start = ticks_now();
            const InputResult result = steps.input(game, frame_start);
            if (result != InputResult::Continue) return result;
            steps.draw(game);
            pace_frame(frame_start, steps.sleep);
        }
    }
    start_play(game, ticks_now());
    return InputResult::Continue;
}

// The window's events since the frame before: closing it quits, Escape leaves the game, and any
// other key press goes to `pressed`.
InputResult read_window(Game& game, const EventPoll& poll, const std::function<void(KeyCode)>& pressed) {
    SDL_Event event;
    while (poll(&event)) {
        if (event.type == SDL_QUIT) return InputResult::Quit;
        if (event.type != SDL_KEYDOWN) continue;
        const KeyCode key = event.key.keysym.sym;
        // Checked before the key bindings see it, so that no binding can take Escape.
        if (key == KEY_ESCAPE) {
            game.play(Sound::MenuCancel);
            return InputResult::LeaveGame;
        }
        pressed(key);
    }
    return InputResult::Continue;
}

// The window's events; an uncovered window is drawn whole again in the next frame.
EventPoll window_events(Screen& screen) {
    return [&screen](SDL_Event* event) {
        const int got = SDL_PollEvent(event);
        if (got && event->type == SDL_VIDEOEXPOSE) screen.redraw_next();
        return got;
    };
}

// Draws and shows one frame unless the window shows it already, and saves it when it was asked
// to, beside the finished game's replay where there is one.
void draw_frame(Game& game, Screen& screen, const SoundBoard& sounds, const KeptResult& kept) {
    sounds.play_pending(game);
    int size = 0;
    const Uint8* keyboard = SDL_GetKeyState(&size);
    // What the back buffer holds after a swap is undefined: a frame to be saved is drawn anew.
    if (game.screenshot_pending) screen.redraw_next();
    const KeyHeld held = [&](KeyCode key) { return key_held(game, key, keyboard, size); };
    if (!screen.draw(game_view(game, held, ticks_now()))) return;
    if (game.screenshot_pending) {
        save_screenshot(game, std::time(nullptr), game.finished && kept.belongs_to(game) ? kept.stem() : "");
        game.screenshot_pending = false;
    }
    screen.show();
}

bool play_in_window(Game& game, const std::function<InputResult(Game&, uint32_t)>& input, const KeptResult& kept,
                    Screen& screen, const SoundBoard& sounds) {
    // Whatever disabled key presses before the game, play needs them.
    SDL_EventState(SDL_KEYDOWN, SDL_ENABLE);
    const auto draw = [&](Game& g) { draw_frame(g, screen, sounds, kept); };
    return run_game_loop(game, FrameSteps{input, draw, SDL_Delay});
}

}  // namespace

InputResult read_game_input(Game& game, uint32_t now, const EventPoll& poll, const FinishedGame& finished) {
    const auto keep = [&] {
        if (!game.result_pending) return;
        game.result_pending = false;
        if (finished) finished(game);
    };
    if (game.started) check_time_limit(game, now);
    keep();
    return read_window(game, poll, [&](KeyCode key) {
        // Keys pressed during the countdown are dropped.
        if (game.started) handle_game_key(game, key, now);
        keep();
    });
}

bool main_loop(Game& game, Screen& screen, const SoundBoard& sounds) {
    KeptResult kept;
    const auto keep = [&kept](const Game& g) { keep_result(g, std::time(nullptr), kept); };
    const EventPoll poll = window_events(screen);
    const auto input = [&](Game& g, uint32_t now) { return read_game_input(g, now, poll, keep); };
    return play_in_window(game, input, kept, screen, sounds);
}

size_t replay_loop(Game& game, ReplayFeed& feed, Screen& screen, const SoundBoard& sounds) {
    size_t diverged = 0;
    const EventPoll poll = window_events(screen);
    const auto input = [&](Game& g, uint32_t now) {
        // The game's own keys come from the replay; of the player's, only F2 counts.
        const InputResult result =
            read_window(g, poll, [&g](KeyCode key) { g.screenshot_pending |= key == KEY_F2; });
        if (result == InputResult::Continue) feed.feed(g, now);
        g.result_pending = false;
        diverged = feed.diverged_at(g, now);
        return diverged ? InputResult::Quit : result;
    };
    play_in_window(game, input, KeptResult(), screen, sounds);
    return diverged;
}

bool run_game_loop(Game& game, const FrameSteps& steps) {
    for (;;) {
        if (!game.started) {
            const InputResult result = run_countdown(game, steps);
            if (result != InputResult::Continue) return result == InputResult::LeaveGame;
        }
        const uint32_t frame_start = ticks_now();
        const InputResult result = steps.input(game, frame_start);
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

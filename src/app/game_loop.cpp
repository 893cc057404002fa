#include "app/game_loop.h"

#include <SDL.h>

#include <ctime>
#include <string>

#include "app/platform.h"
#include "app/screenshot.h"
#include "app/sound_board.h"
#include "input/control_scheme.h"
#include "input/replay_feed.h"
#include "model/clock.h"
#include "persist/results.h"
#include "render/game_screen.h"
#include "render/screen.h"
#include "rules/actions.h"

namespace {

// One beep at the start of each of the three seconds, then play begins.
InputResult run_countdown(Session& session, const FrameSteps& steps) {
    session.game.countdown_ticks = ticks_now();
    for (uint32_t second_end = 1000; second_end <= COUNTDOWN_MS; second_end += 1000) {
        session.report(Event::CountdownBeat);
        while (ticks_now() - session.game.countdown_ticks < second_end) {
            const uint32_t frame_start = ticks_now();
            const InputResult result = steps.input(session, frame_start);
            if (result != InputResult::Continue) return result;
            steps.draw(session);
            pace_frame(frame_start, steps.sleep);
        }
    }
    start_play(session, ticks_now());
    return InputResult::Continue;
}

// The window's events since the frame before: closing it quits, Escape leaves the game, and any
// other key press goes to `pressed`.
InputResult read_window(Session& session, const EventPoll& poll, const std::function<void(KeyCode)>& pressed) {
    SDL_Event event;
    while (poll(&event)) {
        if (event.type == SDL_QUIT) return InputResult::Quit;
        if (event.type != SDL_KEYDOWN) continue;
        const KeyCode key = key_code_of(event.key.keysym);
        // Checked before the key bindings see it, so that no binding can take Escape.
        if (key == KEY_ESCAPE) {
            session.report(Event::Left);
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

// Plays the sounds of the events since the last frame, then draws and shows the frame unless the
// window shows it already, and saves it when the events asked for a screenshot, beside the
// finished game's replay where there is one.
void draw_frame(Session& session, Screen& screen, const SoundBoard& sounds, const KeptResult& kept) {
    const bool screenshot = screenshot_due(session);
    sounds.play(session.events, session.settings);
    session.events.clear();
    int size = 0;
    const Uint8* keyboard = keyboard_state(&size);
    // What the back buffer holds after a swap is undefined: a frame to be saved is drawn anew.
    if (screenshot) screen.redraw_next();
    const KeyHeld held = [&](KeyCode key) { return key_held(session, key, keyboard, size); };
    if (!screen.draw(game_view(session, held, ticks_now()))) return;
    if (screenshot)
        save_screenshot(session, std::time(nullptr),
                        session.game.finished && kept.belongs_to(session) ? kept.stem() : "");
    screen.show();
}

bool play_in_window(Session& session, const std::function<InputResult(Session&, uint32_t)>& input,
                    const KeptResult& kept, Screen& screen, const SoundBoard& sounds) {
    enable_key_presses();
    const auto draw = [&](Session& s) { draw_frame(s, screen, sounds, kept); };
    const bool left = run_game_loop(session, FrameSteps{input, draw, pause_for});
    // What the last frame reported, the way out included, is heard over the menus.
    sounds.play(session.events, session.settings);
    session.events.clear();
    return left;
}

}  // namespace

bool screenshot_due(const Session& session) {
    bool asked = false;
    bool finished = false;
    for (const GameEvent& event : session.events) {
        asked |= event.kind == Event::ScreenshotAsked;
        finished |= event.kind == Event::Finished;
        // A new game takes back what the one before asked for.
        if (event.kind == Event::Restarted) asked = finished = false;
    }
    // An undo can take the finish back within the same frame.
    return asked || (finished && session.settings.auto_screenshot && session.game.finished);
}

InputResult read_game_input(Session& session, uint32_t now, const EventPoll& poll, const FinishedGame& finished) {
    size_t seen = session.events.size();
    const auto keep = [&] {
        for (; seen < session.events.size(); ++seen)
            if (session.events[seen].kind == Event::Finished && finished) finished(session);
    };
    if (session.game.started) check_time_limit(session, now);
    keep();
    return read_window(session, poll, [&](KeyCode key) {
        // Keys pressed during the countdown are dropped.
        if (session.game.started) handle_game_key(session, key, now);
        keep();
    });
}

bool main_loop(Session& session, Screen& screen, const SoundBoard& sounds) {
    KeptResult kept;
    const auto keep = [&kept](const Session& s) { keep_result(s, std::time(nullptr), kept); };
    const EventPoll poll = window_events(screen);
    const auto input = [&](Session& s, uint32_t now) { return read_game_input(s, now, poll, keep); };
    return play_in_window(session, input, kept, screen, sounds);
}

size_t replay_loop(Session& session, ReplayFeed& feed, Screen& screen, const SoundBoard& sounds) {
    size_t diverged = 0;
    const EventPoll poll = window_events(screen);
    const auto input = [&](Session& s, uint32_t now) {
        // The game's own keys come from the replay; of the player's, only F2 counts.
        const InputResult result = read_window(s, poll, [&s](KeyCode key) {
            if (key == KEY_F2) s.report(Event::ScreenshotAsked);
        });
        if (result == InputResult::Continue) feed.feed(s, now);
        diverged = feed.diverged_at(s, now);
        return diverged ? InputResult::Quit : result;
    };
    play_in_window(session, input, KeptResult(), screen, sounds);
    return diverged;
}

bool run_game_loop(Session& session, const FrameSteps& steps) {
    for (;;) {
        if (!session.game.started) {
            const InputResult result = run_countdown(session, steps);
            if (result != InputResult::Continue) return result == InputResult::LeaveGame;
        }
        const uint32_t frame_start = ticks_now();
        const InputResult result = steps.input(session, frame_start);
        if (result != InputResult::Continue) return result == InputResult::LeaveGame;
        // The restart key reset the game: the next pass counts down again.
        if (!session.game.started) continue;
        steps.draw(session);
        pace_frame(frame_start, steps.sleep);
    }
}

void pace_frame(uint32_t frame_start, const std::function<void(uint32_t)>& sleep) {
    const uint32_t took = ticks_now() - frame_start;
    if (took < FRAME_MS) sleep(FRAME_MS - took);
}

#include "app/game_loop.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rules/actions.h"
#include "support/seams.h"

namespace {

class GameLoop : public ::testing::Test {
protected:
    // Frames until the clock reaches `until`, each doing `on_frame`, then `result`. Drawing takes
    // `drawing_ms`, and the time of each frame drawn is noted, and so is each countdown beat and start of play heard,
    // in whole seconds since the clock's start: "0 1 2 start 3 ".
    FrameSteps play_until(
        uint32_t until, InputResult result = InputResult::LeaveGame,
        std::function<void(Session&)> on_frame = [](Session&) {}) {
        return {[=](Session& s, uint32_t) {
                    if (ticks_now() >= until) return result;
                    on_frame(s);
                    return InputResult::Continue;
                },
                [this](Session& s) {
                    draws.push_back(ticks_now());
                    clock.now += drawing_ms;
                    for (const GameEvent& event : s.events)
                        if (event.kind == Event::CountdownBeat || event.kind == Event::PlayStarted)
                            heard += (event.kind == Event::PlayStarted ? "start " : "") +
                                     std::to_string((ticks_now() - 1000) / 1000) + " ";
                    s.events.clear();
                },
                [this](uint32_t ms) { clock.now += ms; }};
    }

    FakeClock clock{1000};
    ScriptedRandom random;
    Session session;
    uint32_t drawing_ms = 0;
    std::vector<uint32_t> draws;
    std::string heard;
};

}  // namespace

TEST_F(GameLoop, CountsDownBeepingEachSecondThenPlaysInSixteenMillisecondFrames) {
    EXPECT_TRUE(run_game_loop(session, play_until(5000)));
    EXPECT_EQ("0 1 2 start 3 ", heard);
    for (size_t i = 1; i < draws.size(); ++i) EXPECT_EQ(16u, draws[i] - draws[i - 1]);
    // A slow frame is not delayed at all; closing the window says so.
    draws.clear();
    drawing_ms = 40;
    EXPECT_FALSE(run_game_loop(session, play_until(5500, InputResult::Quit)));
    for (size_t i = 1; i < draws.size(); ++i) EXPECT_EQ(40u, draws[i] - draws[i - 1]);
    session.reset();
    EXPECT_FALSE(run_game_loop(session, play_until(clock.now + 500, InputResult::Quit)));  // in the countdown
}

TEST_F(GameLoop, ARestartCountsDownAgainWithoutDrawingTheFrameThatSawIt) {
    const auto restart_once = [&](Session& s) {
        if (s.game.started && ticks_now() >= 6000 && s.game.start_ticks < 6000) s.reset();
    };
    run_game_loop(session, play_until(12000, InputResult::LeaveGame, restart_once));
    EXPECT_EQ("0 1 2 start 3 5 6 7 start 8 ", heard);
    // The new countdown begins in the very frame that saw the restart, not one frame later.
    EXPECT_LT(session.game.countdown_ticks - 6000, FRAME_MS);
    EXPECT_EQ(3u, (session.game.start_ticks - session.game.countdown_ticks) / 1000);
    EXPECT_EQ(draws.end(), std::adjacent_find(draws.begin(), draws.end()));
}

// A game finished by a key is kept before a later key of the same frame can leave it or start it
// anew; so is one whose two minutes ran out as the frame began, before its first key.
TEST_F(GameLoop, KeepsAFinishedGameBeforeTheNextKeyOfItsFrame) {
    for (const auto& [after, mode] : {std::pair(KEY_ESCAPE, GameMode::FortyLines),
                                      {KEY_ESCAPE, GameMode::TwoMinutes},
                                      {KEY_RETURN, GameMode::FortyLines},
                                      {KEY_RETURN, GameMode::TwoMinutes}}) {
        session.settings.game_mode = mode;
        session.reset();
        start_play(session, clock.now);
        session.game.lines = 39;  // a flat I piece fills the bottom row's last four cells
        for (int column = 0; column < 6; ++column) session.game.playfield.set_cell(column, 0, CELL_O);
        session.game.active_piece = Piece{0, Orientation::Up};
        const KeyCode keys[] = {mode == GameMode::TwoMinutes ? after : 'j', after, 0};
        const KeyCode* next = keys;
        std::vector<int> kept;
        read_game_input(
            session, clock.now + (mode == GameMode::TwoMinutes ? 120000 : 16),
            [&](SDL_Event* event) {
                event->type = SDL_KEYDOWN;
                event->key.keysym.sym = SDLKey(*next);
                return *next++ != 0;
            },
            [&](const Session& finished) { kept.push_back(finished.game.lines); });
        EXPECT_EQ((std::vector<int>{mode == GameMode::TwoMinutes ? 39 : 40}), kept) << after;
    }
}

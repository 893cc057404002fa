#include "app/mainloop.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/gameactions.h"
#include "model/gamestate.h"
#include "support/fake_resources.h"
#include "support/seams.h"

namespace {

class GameLoop : public ::testing::Test {
protected:
    FakeClock clock{1000};
    FakeResources resources;
    SoundLog sounds;
    GameState state;
    std::vector<uint32_t> draws;
    std::vector<bool> drawn_while_started;

    // Keeps playing, doing on_frame each frame, until the clock reaches `until`; then answers `result`.
    FrameSteps play_until(uint32_t until, int result = INPUT_LEAVE_GAME,
                          std::function<void(GameState&)> on_frame = [](GameState&) {}) {
        return FrameSteps{[until, result, on_frame](GameState& s, Resources&) {
                              if (ticks_now() >= until) return result;
                              on_frame(s);
                              return int(INPUT_CONTINUE);
                          },
                          [this](GameState& s, Resources&) {
                              draws.push_back(ticks_now());
                              drawn_while_started.push_back(s.started);
                          }};
    }
};

void expect_within_a_frame_after(const std::vector<uint32_t>& times, const std::vector<uint32_t>& expected) {
    ASSERT_EQ(times.size(), expected.size());
    for (size_t i = 0; i < times.size(); ++i) {
        EXPECT_GE(times[i], expected[i]) << "sound " << i;
        EXPECT_LT(times[i], expected[i] + FRAME_MS) << "sound " << i;
    }
}

}  // namespace

TEST_F(GameLoop, EscapeLeavesAndClosingTheWindowQuitsDuringTheCountdownOrPlay) {
    EXPECT_TRUE(run_game_loop(state, resources, play_until(0)));
    EXPECT_FALSE(state.started);
    EXPECT_TRUE(draws.empty());
    EXPECT_EQ(clock.now(), 1000u);
    EXPECT_EQ(sounds.count(resources.countdownSound), 1);
    EXPECT_FALSE(run_game_loop(state, resources, play_until(2500, INPUT_QUIT)));
    EXPECT_FALSE(run_game_loop(state, resources, play_until(6000, INPUT_QUIT)));
    EXPECT_TRUE(state.started);
}

TEST_F(GameLoop, FramesAreSixteenMillisecondsApartUnlessDrawingTakesLonger) {
    run_game_loop(state, resources, play_until(1200));
    ASSERT_GT(draws.size(), 2u);
    for (size_t i = 1; i < draws.size(); ++i) EXPECT_EQ(draws[i] - draws[i - 1], FRAME_MS);

    draws.clear();
    FrameSteps slow = play_until(2500);
    slow.draw = [this](GameState&, Resources&) {
        draws.push_back(ticks_now());
        clock.advance(40);
    };
    run_game_loop(state, resources, slow);
    ASSERT_GT(draws.size(), 2u);
    for (size_t i = 1; i < draws.size(); ++i) EXPECT_EQ(draws[i] - draws[i - 1], 40u);
}

TEST_F(GameLoop, CountsDownBeepingEachSecondThenPlaysAndARestartCountsDownAgainUndrawn) {
    bool restarted = false;
    auto restart_once = [&restarted](GameState& s) {
        if (s.started && ticks_now() >= 6000 && !restarted) {
            restarted = true;
            s.reset();
            s.history_valid = true;
        }
    };
    EXPECT_TRUE(run_game_loop(state, resources, play_until(12000, INPUT_LEAVE_GAME, restart_once)));
    ASSERT_TRUE(restarted);
    const uint32_t again = state.countdown_ticks;
    EXPECT_GE(again, 6000u);
    EXPECT_LT(again, 6000 + FRAME_MS);
    expect_within_a_frame_after(sounds.times_of(resources.countdownSound),
                                {1000, 2000, 3000, again, again + 1000, again + 2000});
    expect_within_a_frame_after(sounds.times_of(resources.countdownStartSound), {4000, again + COUNTDOWN_MS});
    EXPECT_EQ(sounds.played().size(), 8u);
    EXPECT_EQ(state.start_ticks, sounds.times_of(resources.countdownStartSound)[1]);
    // Play begins with a snapshot that an undo cannot reach back into the countdown with.
    EXPECT_FALSE(state.history_valid);
    EXPECT_TRUE(state.history.started);
    EXPECT_EQ(state.history.start_ticks, state.start_ticks);
    // The frame that saw the restart drew nothing: the next drawing is the new countdown's.
    int restarts_drawn = 0;
    for (size_t i = 1; i < draws.size(); ++i) {
        if (drawn_while_started[i - 1] && !drawn_while_started[i]) {
            ++restarts_drawn;
            EXPECT_EQ(draws[i], again);
        }
    }
    EXPECT_EQ(restarts_drawn, 1);
}

TEST_F(GameLoop, ATwoMinuteGameEndsAtTwoMinutesWithOneHurryAndOneFinishHeardOnlyWithSound) {
    state.game_mode = GAME_MODE_2_MINUTES;
    for (bool sound : {true, false}) {
        state.sound = sound;
        state.reset();
        sounds.clear();
        run_game_loop(state, resources, play_until(clock.now() + COUNTDOWN_MS + TWO_MINUTES_MS + 5000));
        EXPECT_TRUE(state.finished);
        EXPECT_EQ(state.end_ticks - state.start_ticks, TWO_MINUTES_MS);
        EXPECT_TRUE(state.screenshot_pending);
        if (!sound) {
            EXPECT_TRUE(sounds.played().empty());
            continue;
        }
        expect_within_a_frame_after(sounds.times_of(resources.hurrySound),
                                    {state.start_ticks + TWO_MINUTES_MS - HURRY_MS});
        expect_within_a_frame_after(sounds.times_of(resources.finishSound), {state.end_ticks});
    }
}

class TwoMinuteClock : public ::testing::Test {
protected:
    static constexpr uint32_t START = 50000;
    FakeClock clock;
    FakeResources resources;
    SoundLog sounds;
    GameState state;

    TwoMinuteClock() {
        state.game_mode = GAME_MODE_2_MINUTES;
        state.started = true;
        state.start_ticks = START;
    }
    void tick_at(uint32_t elapsed) {
        clock.set(state.start_ticks + elapsed);
        update_two_minute_clock(state, resources);
    }
};

TEST_F(TwoMinuteClock, HurriesOnceInTheLastTenSecondsAndFinishesAtExactlyTwoMinutes) {
    for (bool auto_screenshot : {true, false}) {
        state.reset();
        state.started = true;
        state.auto_screenshot = auto_screenshot;
        sounds.clear();
        tick_at(109999);
        EXPECT_FALSE(state.hurry);
        tick_at(110000);
        EXPECT_TRUE(state.hurry);
        tick_at(119999);
        EXPECT_FALSE(state.finished);
        tick_at(120345);
        EXPECT_TRUE(state.finished);
        EXPECT_EQ(state.end_ticks, START + TWO_MINUTES_MS);
        tick_at(121000);
        EXPECT_EQ(state.end_ticks, START + TWO_MINUTES_MS);
        EXPECT_EQ(state.screenshot_pending, auto_screenshot);
        EXPECT_EQ(sounds.played(), (std::vector<Mix_Chunk*>{resources.hurrySound, resources.finishSound}));
    }
}

TEST_F(TwoMinuteClock, AGameUndoneAfterTheEndIsFinishedAgainButNotHurried) {
    state.finished = true;
    tick_at(TWO_MINUTES_MS + 10);
    EXPECT_FALSE(state.hurry);
    EXPECT_TRUE(sounds.played().empty());
    state.finished = false;
    tick_at(TWO_MINUTES_MS + 500);
    EXPECT_TRUE(state.finished);
    EXPECT_TRUE(state.screenshot_pending);
    EXPECT_EQ(state.end_ticks, START + TWO_MINUTES_MS);
    EXPECT_EQ(sounds.played(), std::vector<Mix_Chunk*>{resources.finishSound});
}

TEST_F(TwoMinuteClock, WorksAcrossTheWrapOfTheTickCounter) {
    state.start_ticks = 0xFFFFFFFFu - 5000;
    tick_at(111000);
    EXPECT_TRUE(state.hurry);
    EXPECT_FALSE(state.finished);
    tick_at(TWO_MINUTES_MS);
    EXPECT_TRUE(state.finished);
    EXPECT_EQ(state.end_ticks, state.start_ticks + TWO_MINUTES_MS);
}

TEST_F(TwoMinuteClock, LeavesTheOtherModesAndTheCountdownAlone) {
    for (int mode : {GAME_MODE_40_LINES, GAME_MODE_ENDLESS}) {
        state.game_mode = mode;
        tick_at(TWO_MINUTES_MS + 1);
    }
    state.game_mode = GAME_MODE_2_MINUTES;
    state.started = false;
    tick_at(TWO_MINUTES_MS + 1);
    EXPECT_FALSE(state.finished || state.hurry);
}

TEST(FramePacing, SleepsTheRestOfSixteenMillisecondsOnlyForFastFrames) {
    FakeClock clock;
    const std::pair<uint32_t, uint32_t> took_then_now[] = {{0, 16}, {1, 16}, {15, 16}, {16, 16}, {17, 17}, {40, 40}};
    for (auto [took, now] : took_then_now) {
        clock.set(100 + took);
        pace_frame(100);
        EXPECT_EQ(clock.now(), 100 + now) << "frame took " << took;
    }
    clock.set(4);
    pace_frame(0xFFFFFFFAu);
    EXPECT_EQ(clock.now(), 10u);
}

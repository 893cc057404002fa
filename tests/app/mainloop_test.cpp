#include "app/mainloop.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/gameactions.h"
#include "model/gamestate.h"
#include "support/fake_resources.h"
#include "support/seams.h"

namespace {

// Which sound played at which tick, so that the countdown can be checked against the clock.
class TimedSoundLog {
public:
    TimedSoundLog() {
        set_sound_player([this](Mix_Chunk* chunk) { played_.emplace_back(chunk, ticks_now()); });
    }
    ~TimedSoundLog() { use_mixer_sound_player(); }
    TimedSoundLog(const TimedSoundLog&) = delete;
    TimedSoundLog& operator=(const TimedSoundLog&) = delete;

    std::vector<uint32_t> times_of(const Mix_Chunk* chunk) const {
        std::vector<uint32_t> times;
        for (const auto& [played, at] : played_)
            if (played == chunk) times.push_back(at);
        return times;
    }
    size_t size() const { return played_.size(); }

private:
    std::vector<std::pair<Mix_Chunk*, uint32_t>> played_;
};

class GameLoop : public ::testing::Test {
protected:
    FakeClock clock{1000};
    FakeResources resources;
    SoundLog sounds;
    GameState state;
    std::vector<uint32_t> draws;
    std::vector<bool> drawn_while_started;

    // Keeps playing until the clock reaches `until`, then answers `result`.
    FrameSteps play_until(uint32_t until, int result = INPUT_LEAVE_GAME) {
        return play_until(until, result, [](GameState&, Resources&) {});
    }
    template <typename OnFrame>
    FrameSteps play_until(uint32_t until, int result, OnFrame on_frame) {
        return FrameSteps{[this, until, result, on_frame](GameState& s, Resources& r) {
                              if (ticks_now() >= until) return result;
                              on_frame(s, r);
                              return int(INPUT_CONTINUE);
                          },
                          [this](GameState& s, Resources&) {
                              draws.push_back(ticks_now());
                              drawn_while_started.push_back(s.started);
                          }};
    }
};

void expect_within_a_frame_after(const std::vector<uint32_t>& times,
                                 const std::vector<uint32_t>& expected) {
    ASSERT_EQ(times.size(), expected.size());
    for (size_t i = 0; i < times.size(); ++i) {
        EXPECT_GE(times[i], expected[i]) << "sound " << i;
        EXPECT_LT(times[i], expected[i] + FRAME_MS) << "sound " << i;
    }
}

}  // namespace

TEST_F(GameLoop, CountdownBeepsEachSecondThenStartsPlayAtThreeSeconds) {
    TimedSoundLog timed;
    EXPECT_TRUE(run_game_loop(state, resources, play_until(5000)));

    EXPECT_EQ(state.countdown_ticks, 1000u);
    expect_within_a_frame_after(timed.times_of(resources.countdownSound), {1000, 2000, 3000});
    expect_within_a_frame_after(timed.times_of(resources.countdownStartSound), {4000});
    EXPECT_EQ(timed.size(), 4u);
    EXPECT_TRUE(state.started);
    EXPECT_EQ(state.start_ticks, timed.times_of(resources.countdownStartSound)[0]);
}

TEST_F(GameLoop, PlayBeginsWithASnapshotThatCannotBeRewound) {
    state.history_valid = true;
    run_game_loop(state, resources, play_until(4100));
    EXPECT_FALSE(state.history_valid);
    EXPECT_TRUE(state.history.started);
    EXPECT_EQ(state.history.start_ticks, state.start_ticks);
}

TEST_F(GameLoop, SilentWhenSoundIsOff) {
    state.sound = false;
    state.game_mode = GAME_MODE_2_MINUTES;
    run_game_loop(state, resources, play_until(1000 + COUNTDOWN_MS + TWO_MINUTES_MS + 100));
    EXPECT_TRUE(state.finished);
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(GameLoop, EscapeDuringTheCountdownLeavesAtOnce) {
    EXPECT_TRUE(run_game_loop(state, resources, play_until(0)));
    EXPECT_FALSE(state.started);
    EXPECT_TRUE(draws.empty());
    EXPECT_EQ(clock.now(), 1000u);
    EXPECT_EQ(sounds.count(resources.countdownSound), 1);
}

TEST_F(GameLoop, ClosingTheWindowQuits) {
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

TEST_F(GameLoop, RestartingDuringPlayCountsDownAgainWithoutDrawingTheResetFrame) {
    TimedSoundLog timed;
    bool restarted = false;
    auto restart_once = [&restarted](GameState& s, Resources&) {
        if (s.started && ticks_now() >= 6000 && !restarted) {
            restarted = true;
            s.reset();
        }
    };
    run_game_loop(state, resources, play_until(12000, INPUT_LEAVE_GAME, restart_once));

    ASSERT_TRUE(restarted);
    EXPECT_GE(state.countdown_ticks, 6000u);
    EXPECT_LT(state.countdown_ticks, 6000 + FRAME_MS);
    auto beeps = timed.times_of(resources.countdownSound);
    ASSERT_EQ(beeps.size(), 6u);
    EXPECT_EQ(beeps[3], state.countdown_ticks);
    expect_within_a_frame_after(timed.times_of(resources.countdownStartSound),
                                {4000, state.countdown_ticks + COUNTDOWN_MS});
    // The frame that saw the restart drew nothing: the next drawing is the new countdown's.
    int restarts_drawn = 0;
    for (size_t i = 1; i < draws.size(); ++i) {
        if (drawn_while_started[i - 1] && !drawn_while_started[i]) {
            ++restarts_drawn;
            EXPECT_EQ(draws[i], state.countdown_ticks);
        }
    }
    EXPECT_EQ(restarts_drawn, 1);
}

TEST_F(GameLoop, ATwoMinuteGameEndsAtExactlyTwoMinutesWithOneHurryAndOneFinish) {
    TimedSoundLog timed;
    state.game_mode = GAME_MODE_2_MINUTES;
    run_game_loop(state, resources, play_until(1000 + COUNTDOWN_MS + TWO_MINUTES_MS + 5000));

    EXPECT_TRUE(state.finished);
    EXPECT_EQ(state.end_ticks - state.start_ticks, TWO_MINUTES_MS);
    auto hurry = timed.times_of(resources.hurrySound);
    ASSERT_EQ(hurry.size(), 1u);
    EXPECT_GE(hurry[0], state.start_ticks + TWO_MINUTES_MS - HURRY_MS);
    EXPECT_LT(hurry[0], state.start_ticks + TWO_MINUTES_MS - HURRY_MS + FRAME_MS);
    auto finish = timed.times_of(resources.finishSound);
    ASSERT_EQ(finish.size(), 1u);
    EXPECT_GE(finish[0], state.end_ticks);
    EXPECT_TRUE(state.screenshot_pending);
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

TEST_F(TwoMinuteClock, HurriesOnceWhenTenSecondsOrLessRemain) {
    tick_at(109999);
    EXPECT_FALSE(state.hurry);
    tick_at(110000);
    EXPECT_TRUE(state.hurry);
    tick_at(115000);
    EXPECT_EQ(sounds.count(resources.hurrySound), 1);
    EXPECT_FALSE(state.finished);
}

TEST_F(TwoMinuteClock, FinishesAtTwoMinutesHoweverLateTheFrameComes) {
    state.hurry = true;
    tick_at(119999);
    EXPECT_FALSE(state.finished);
    tick_at(120345);
    EXPECT_TRUE(state.finished);
    EXPECT_EQ(state.end_ticks, START + TWO_MINUTES_MS);
    tick_at(121000);
    EXPECT_EQ(state.end_ticks, START + TWO_MINUTES_MS);
    EXPECT_EQ(sounds.count(resources.finishSound), 1);
}

TEST_F(TwoMinuteClock, AutomaticScreenshotOnlyWhenEnabled) {
    state.auto_screenshot = false;
    tick_at(TWO_MINUTES_MS);
    EXPECT_TRUE(state.finished);
    EXPECT_FALSE(state.screenshot_pending);
}

TEST_F(TwoMinuteClock, NoHurryWarningOnceTheTwoMinutesAreOver) {
    state.finished = true;
    tick_at(TWO_MINUTES_MS + 1);
    tick_at(TWO_MINUTES_MS + 60000);
    EXPECT_FALSE(state.hurry);
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(TwoMinuteClock, AnUndoneFinishIsFinishedAgainOnTheNextFrame) {
    state.hurry = true;
    tick_at(TWO_MINUTES_MS + 10);
    state.finished = false;
    state.screenshot_pending = false;
    tick_at(TWO_MINUTES_MS + 500);
    EXPECT_TRUE(state.finished);
    EXPECT_TRUE(state.screenshot_pending);
    EXPECT_EQ(state.end_ticks, START + TWO_MINUTES_MS);
    EXPECT_EQ(sounds.count(resources.finishSound), 2);
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
        EXPECT_FALSE(state.finished);
        EXPECT_FALSE(state.hurry);
    }
    state.game_mode = GAME_MODE_2_MINUTES;
    state.started = false;
    tick_at(TWO_MINUTES_MS + 1);
    EXPECT_FALSE(state.finished);
}

TEST(FramePacing, SleepsTheRestOfSixteenMillisecondsOnlyForFastFrames) {
    FakeClock clock;
    const std::pair<uint32_t, uint32_t> took_then_now[] = {
        {0, 16}, {1, 16}, {15, 16}, {16, 16}, {17, 17}, {40, 40}};
    for (auto [took, now] : took_then_now) {
        clock.set(100 + took);
        pace_frame(100);
        EXPECT_EQ(clock.now(), 100 + now) << "frame took " << took;
    }
    clock.set(4);
    pace_frame(0xFFFFFFFAu);
    EXPECT_EQ(clock.now(), 10u);
}

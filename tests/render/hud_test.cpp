#include "render/hud.h"

#include <gtest/gtest.h>

namespace {

bool same_color(const SDL_Color& a, const SDL_Color& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

#define EXPECT_COLOR(actual, expected) EXPECT_TRUE(same_color((actual), (expected)))

GameRecord playing(uint32_t start, int pieces, int keys) {
    GameRecord state;
    state.started = true;
    state.start_ticks = start;
    state.pieces = pieces;
    state.keys = keys;
    return state;
}

std::vector<std::string> texts(const std::vector<GameInfoLine>& lines) {
    std::vector<std::string> result;
    for (const GameInfoLine& line : lines) result.push_back(line.line.text);
    return result;
}

}  // namespace

TEST(Statistics, BeforeTheFirstPieceEverythingIsZeroAndRightAligned) {
    GameRecord countdown;
    countdown.start_ticks = 500;
    EXPECT_EQ(timer_statistic(countdown, 90000).text, "     0.000");
    EXPECT_EQ(tpm_statistic(countdown, 90000).text, "      0.00");
    EXPECT_EQ(kpt_statistic(countdown).text, "      0.00");
    EXPECT_EQ(line_statistic(countdown).text, "         0");
    EXPECT_EQ(piece_statistic(countdown).text, "         0");
    EXPECT_EQ(key_statistic(countdown).text, "         0");
    EXPECT_COLOR(timer_statistic(countdown, 90000).color, STATISTIC_COLOR);

    GameRecord just_started = playing(1000, 0, 0);
    EXPECT_EQ(tpm_statistic(just_started, 1000).text, "      0.00");
}

TEST(Statistics, RatesDuringPlay) {
    GameRecord state = playing(1000, 10, 25);
    EXPECT_EQ(timer_statistic(state, 6000).text, "     5.000");
    EXPECT_EQ(tpm_statistic(state, 6000).text, "    120.00");
    EXPECT_EQ(kpt_statistic(state).text, "      2.50");
    EXPECT_COLOR(tpm_statistic(state, 6000).color, STATISTIC_COLOR);
}

TEST(Statistics, TheClockWrapsInUnsignedArithmetic) {
    GameRecord state = playing(0xFFFFFC18u, 6, 6);
    EXPECT_EQ(timer_statistic(state, 2000).text, "     3.000");
    EXPECT_EQ(tpm_statistic(state, 2000).text, "    120.00");
}

TEST(Statistics, TpmIsLimitedToTenCharacters) {
    GameRecord state = playing(1000, 1000000, 0);
    EXPECT_EQ(tpm_statistic(state, 1001).text, "9999999.00");
}

TEST(Statistics, FinishedFortyLinesShowsTheTimeAsItsResult) {
    GameRecord state = playing(1000, 100, 250);
    state.game_mode = GAME_MODE_40_LINES;
    state.finished = true;
    state.end_ticks = 46123;
    state.lines = 41;
    // The clock has stopped: later frames show the same time and rate.
    EXPECT_EQ(timer_statistic(state, 999999).text, "    45.123");
    EXPECT_EQ(tpm_statistic(state, 999999).text, tpm_statistic(state, 46123).text);
    EXPECT_COLOR(timer_statistic(state, 0).color, STATISTIC_RESULT_COLOR);
    EXPECT_COLOR(line_statistic(state).color, STATISTIC_FINISHED_COLOR);
    EXPECT_COLOR(piece_statistic(state).color, STATISTIC_FINISHED_COLOR);
    EXPECT_COLOR(tpm_statistic(state, 0).color, STATISTIC_FINISHED_COLOR);
    EXPECT_COLOR(key_statistic(state).color, STATISTIC_FINISHED_COLOR);
    EXPECT_COLOR(kpt_statistic(state).color, STATISTIC_FINISHED_COLOR);
}

TEST(Statistics, FinishedTwoMinutesShowsTheLinesAsItsResult) {
    GameRecord state = playing(1000, 100, 250);
    state.game_mode = GAME_MODE_2_MINUTES;
    state.finished = true;
    state.end_ticks = 121000;
    state.lines = 52;
    EXPECT_EQ(timer_statistic(state, 0).text, "   120.000");
    EXPECT_EQ(line_statistic(state).text, "        52");
    EXPECT_COLOR(line_statistic(state).color, STATISTIC_RESULT_COLOR);
    EXPECT_COLOR(timer_statistic(state, 0).color, STATISTIC_FINISHED_COLOR);
}

TEST(Statistics, EndlessStaysWhite) {
    GameRecord state = playing(1000, 500, 900);
    state.game_mode = GAME_MODE_ENDLESS;
    state.lines = 200;
    EXPECT_COLOR(line_statistic(state).color, STATISTIC_COLOR);
    EXPECT_COLOR(timer_statistic(state, 5000).color, STATISTIC_COLOR);
}

TEST(Countdown, CountsDownFromThreeAndStopsAtZero) {
    GameRecord state;
    state.countdown_ticks = 10000;
    EXPECT_EQ(countdown_text(state, 10000), "     3.000");
    EXPECT_EQ(countdown_text(state, 11250), "     1.750");
    EXPECT_EQ(countdown_text(state, 13000), "     0.000");
    EXPECT_EQ(countdown_text(state, 13017), "     0.000");
    EXPECT_EQ(countdown_text(state, 60000), "     0.000");
}

TEST(GameInfo, SummarisesTheSettingsFromTheTop) {
    GameRecord state;
    state.game_mode = GAME_MODE_2_MINUTES;
    state.deep_drop = false;
    state.column_clamp = true;
    state.hold_allowed = true;
    state.double_hold = false;
    const auto lines = game_info_lines(state, "40-Key", "Center-aligned", "Bastet");
    EXPECT_EQ(texts(lines),
              (std::vector<std::string>{"2 Minutes", "40-Key", "Center-aligned", "Bastet",
                                        "Deep Drop Disabled", "Column Clamp Enabled",
                                        "Double Hold Disabled"}));
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_FLOAT_EQ(lines[i].rise, 140 - 20.0f * i);
        EXPECT_COLOR(lines[i].line.color, GAME_INFO_COLOR);
    }
}

TEST(GameInfo, HoldDisabledPracticeModeAndUnknownModes) {
    GameRecord state;
    state.game_mode = 7;
    state.hold_allowed = false;
    state.double_hold = true;
    state.practice_mode = true;
    const auto lines = game_info_lines(state, "10-Key", "Left-aligned", "Bag");
    EXPECT_EQ(texts(lines), (std::vector<std::string>{"10-Key", "Left-aligned", "Bag",
                                                      "Deep Drop Enabled", "Column Clamp Enabled",
                                                      "Hold Disabled", "Practice Mode"}));
    EXPECT_FLOAT_EQ(lines.back().rise, 0);
    EXPECT_COLOR(lines.back().line.color, GAME_INFO_PRACTICE_COLOR);

    state.game_mode = GAME_MODE_40_LINES;
    EXPECT_EQ(game_info_lines(state, "", "", "").front().line.text, "40 Lines");
    state.game_mode = GAME_MODE_ENDLESS;
    EXPECT_EQ(game_info_lines(state, "", "", "").front().line.text, "Endless");
}

TEST(Version, NamesTheGameAndItsVersion) { EXPECT_EQ(version_text(), "Tapfall v1.07"); }

#include "render/hud.h"

#include <gtest/gtest.h>

namespace {

bool same_color(const SDL_Color& a, const SDL_Color& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

GameRecord playing(uint32_t start, int pieces, int keys) {
    GameRecord state;
    state.started = true;
    state.start_ticks = start;
    state.pieces = pieces;
    state.keys = keys;
    return state;
}

// Time, lines, pieces, TPM, keys and KPT as shown, and their colours: W for a statistic in
// play, R for the finished mode's result, F for the other statistics of a finished game.
void expect_statistics(const GameRecord& state, uint32_t now, const std::vector<std::string>& texts,
                       const std::string& colours) {
    const HudText shown[] = {timer_statistic(state, now), line_statistic(state), piece_statistic(state),
                             tpm_statistic(state, now),   key_statistic(state),  kpt_statistic(state)};
    std::vector<std::string> shown_texts;
    std::string shown_colours;
    for (const HudText& statistic : shown) {
        shown_texts.push_back(statistic.text);
        shown_colours += same_color(statistic.color, STATISTIC_COLOR)          ? 'W'
                         : same_color(statistic.color, STATISTIC_RESULT_COLOR)   ? 'R'
                         : same_color(statistic.color, STATISTIC_FINISHED_COLOR) ? 'F'
                                                                                 : '?';
    }
    EXPECT_EQ(shown_texts, texts);
    EXPECT_EQ(shown_colours, colours);
}

}  // namespace

TEST(Statistics, BeforeTheFirstPieceEverythingIsZeroAndRightAligned) {
    GameRecord countdown;
    countdown.start_ticks = 500;
    const std::vector<std::string> zeros = {"     0.000", "         0", "         0",
                                            "      0.00", "         0", "      0.00"};
    expect_statistics(countdown, 90000, zeros, "WWWWWW");
    expect_statistics(playing(1000, 0, 0), 1000, zeros, "WWWWWW");
}

TEST(Statistics, RatesDuringPlayAcrossTheClocksWrapAndWithinTenCharacters) {
    expect_statistics(playing(1000, 10, 25), 6000,
                      {"     5.000", "         0", "        10", "    120.00", "        25", "      2.50"}, "WWWWWW");
    expect_statistics(playing(0xFFFFFC18u, 6, 6), 2000,
                      {"     3.000", "         0", "         6", "    120.00", "         6", "      1.00"}, "WWWWWW");
    EXPECT_EQ(tpm_statistic(playing(1000, 1000000, 0), 1001).text, "9999999.00");
}

TEST(Statistics, AFinishedGameStopsTheClockAndShowsItsModesResult) {
    GameRecord forty = playing(1000, 100, 250);
    forty.finished = true;
    forty.end_ticks = 46123;
    forty.lines = 41;
    expect_statistics(forty, 999999,
                      {"    45.123", "        41", "       100", "    132.97", "       250", "      2.50"}, "RFFFFF");
    GameRecord two_minutes = forty;
    two_minutes.game_mode = GAME_MODE_2_MINUTES;
    two_minutes.end_ticks = 121000;
    two_minutes.lines = 52;
    expect_statistics(two_minutes, 0,
                      {"   120.000", "        52", "       100", "     50.00", "       250", "      2.50"}, "FRFFFF");
    // The frame drawn just past the end, before the loop has seen it, shows no more than two minutes.
    GameRecord late = playing(1000, 100, 250);
    late.game_mode = GAME_MODE_2_MINUTES;
    expect_statistics(late, 121017,
                      {"   120.000", "         0", "       100", "     50.00", "       250", "      2.50"}, "WWWWWW");
    // Endless has no result and no end.
    GameRecord endless = playing(1000, 500, 900);
    endless.game_mode = GAME_MODE_ENDLESS;
    endless.lines = 200;
    expect_statistics(endless, 5000,
                      {"     4.000", "       200", "       500", "   7500.00", "       900", "      1.80"}, "WWWWWW");
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
    state.double_hold = false;
    auto lines = game_info_lines(state, "40-Key", "Center-aligned", "Bastet");
    std::vector<std::string> texts;
    for (size_t i = 0; i < lines.size(); ++i) {
        texts.push_back(lines[i].line.text);
        EXPECT_FLOAT_EQ(lines[i].rise, 140 - 20.0f * i);
        EXPECT_TRUE(same_color(lines[i].line.color, GAME_INFO_COLOR));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"2 Minutes", "40-Key", "Center-aligned", "Bastet",
                                               "Deep Drop Disabled", "Column Clamp Enabled", "Double Hold Disabled"}));

    // Hold off hides double hold; practice mode is added; an unknown mode has no line.
    state.game_mode = 7;
    state.deep_drop = state.double_hold = state.practice_mode = true;
    state.hold_allowed = false;
    lines = game_info_lines(state, "10-Key", "Left-aligned", "Bag");
    texts.clear();
    for (const GameInfoLine& line : lines) texts.push_back(line.line.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"10-Key", "Left-aligned", "Bag", "Deep Drop Enabled",
                                               "Column Clamp Enabled", "Hold Disabled", "Practice Mode"}));
    EXPECT_FLOAT_EQ(lines.back().rise, 0);
    EXPECT_TRUE(same_color(lines.back().line.color, GAME_INFO_PRACTICE_COLOR));
    state.game_mode = GAME_MODE_40_LINES;
    EXPECT_EQ(game_info_lines(state, "", "", "").front().line.text, "40 Lines");
    state.game_mode = GAME_MODE_ENDLESS;
    EXPECT_EQ(game_info_lines(state, "", "", "").front().line.text, "Endless");
}

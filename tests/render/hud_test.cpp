#include "render/hud.h"

#include <gtest/gtest.h>

#include "render/field_drawing.h"
#include "render/texture.h"

namespace {

Game playing(uint32_t start, int pieces, int keys, GameMode mode = GameMode::FortyLines) {
    Game game;
    game.settings.game_mode = mode;
    game.started = true;
    game.start_ticks = start;
    game.pieces = pieces;
    game.keys = keys;
    return game;
}

// The six statistics as shown, then their colours: W in play, R for the finished mode's
// result, F for the other statistics of a finished game.
std::string shown(const Game& game, uint32_t now) {
    std::string text, colours;
    for (int which = 0; which < 6; ++which) {
        const HudText statistic_text = statistic(Statistic(which), game, now);
        text += statistic_text.text + "|";
        colours += statistic_text.color.r == 255 ? 'W' : statistic_text.color.r == 64 ? 'R' : 'F';
    }
    return text + colours;
}

}  // namespace

TEST(Statistics, TenCharactersEachFromTheStartOfPlayToTheFinish) {
    Game countdown;
    countdown.start_ticks = 500;
    EXPECT_EQ("     0.000|         0|         0|      0.00|         0|      0.00|WWWWWW", shown(countdown, 90000));
    EXPECT_EQ("     3.000|         6|         0|    120.00|        15|      2.50|WWWWWW",
              shown(playing(0xFFFFFC18u, 6, 15), 2000));
    EXPECT_EQ("9999999.00", statistic(Statistic::Tpm, playing(1000, 1000000, 0), 1001).text);
    EXPECT_EQ("      0.00", statistic(Statistic::Tpm, playing(1000, 0, 0), 1000).text);
    Game forty = playing(1000, 100, 250);
    forty.finished = true;
    forty.end_ticks = 46123;
    forty.lines = 41;
    EXPECT_EQ("    45.123|       100|        41|    132.97|       250|      2.50|RFFFFF", shown(forty, 999999));
    // The frame drawn just past the end, before the loop has seen it, shows no more than two minutes.
    Game two_minutes = playing(1000, 100, 250, GameMode::TwoMinutes);
    EXPECT_EQ("   120.000|       100|         0|     50.00|       250|      2.50|WWWWWW", shown(two_minutes, 121017));
    two_minutes.finished = true;
    two_minutes.lines = 52;
    EXPECT_EQ("   120.000|       100|        52|     50.00|       250|      2.50|FFRFFF", shown(two_minutes, 0));
    Game endless = playing(1000, 100, 250, GameMode::Endless);
    endless.finished = true;
    EXPECT_EQ("FFFFFF", shown(endless, 0).substr(67));
}

TEST(Statistics, TheCountdownAndTheSummaryOfTheSettings) {
    Game game;
    game.countdown_ticks = 10000;
    EXPECT_EQ("     3.000", countdown_text(game, 10000));
    EXPECT_EQ("     0.750", countdown_text(game, 12250));
    EXPECT_EQ("     0.000", countdown_text(game, 14000));
    const auto summary = [&] {
        std::string text;
        for (const SummaryLine& line : summary_lines(game)) text += std::to_string(line.rise) + " " + line.line.text + "|";
        return text;
    };
    EXPECT_EQ("140 40 Lines|120 10-Key|100 Left-aligned|80 Bag|60 Deep Drop Enabled|40 Column Clamp Enabled|"
              "20 Double Hold Enabled|",
              summary());
    Settings& set = game.settings;
    set.game_mode = GameMode::Endless;
    set.randomizer = 4;
    set.practice_mode = true;
    set.control_scheme = 2;
    set.placement_system = 1;
    set.deep_drop = set.hold_allowed = false;
    EXPECT_EQ("140 Endless|120 40-Key-Inverse|100 Center-aligned|80 Bastet|60 Deep Drop Disabled|"
              "40 Column Clamp Enabled|20 Hold Disabled|0 Practice Mode|",
              summary());
    EXPECT_EQ(0, summary_lines(game).back().line.color.r);
    EXPECT_EQ("Tapfall v" TAPFALL_VERSION, version_text());
}

TEST(Drawing, CellColoursAndPaddedTextureSizes) {
    // The x of each cell's tile in the normal sheet, I to Z; ARS swaps I, T, S and Z round.
    std::string x;
    for (bool ars : {false, true})
        for (int cell = CELL_I; cell <= CELL_Z; ++cell) x += std::to_string(20 * cell_tile(cell, ars)) + " ";
    EXPECT_EQ("0 20 120 100 80 40 60 " "60 20 0 100 80 120 40 ", x);
    EXPECT_EQ(-1, cell_tile(CELL_EMPTY, false));
    EXPECT_EQ(-1, cell_tile(8, true));
    const std::pair<int, int> pads[] = {{-5, 1}, {1, 1}, {2, 2}, {3, 4}, {20, 32}, {32, 32}, {33, 64}, {640, 1024}};
    for (auto [size, padded] : pads) EXPECT_EQ(padded, pad(size)) << size;
}

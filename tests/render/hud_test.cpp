#include "render/hud.h"

#include <gtest/gtest.h>

#include "render/cell_sprites.h"
#include "render/texture.h"

// The statistics and the summary are checked in the scenarios, scenarios/game_ends.txt.

TEST(Hud, TheCountdownAndTheVersion) {
    Game game;
    game.countdown_ticks = 10000;
    EXPECT_EQ("     3.000", countdown_text(game, 10000));
    EXPECT_EQ("     0.750", countdown_text(game, 12250));
    EXPECT_EQ("     0.000", countdown_text(game, 14000));
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

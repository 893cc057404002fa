#include "render/hud.h"

#include <gtest/gtest.h>

#include <set>

#include "render/field_drawing.h"
#include "render/texture.h"

// The statistics and the summary are checked in the scenarios, scenarios/game_ends.txt.
TEST(Hud, TheCountdownTheTilesOfTheBlocksAndTexturesPaddedToPowersOfTwo) {
    Session session;
    session.game.countdown_ticks = 10000;
    for (const auto& [now, shown] : {std::pair(10000u, "     3.000"), {12250u, "     0.750"}, {14000u, "     0.000"}})
        EXPECT_EQ(shown, countdown_text(session, now));
    // Each kind of block has a tile of its own in the cell sheet, in either colouring; nothing else has one.
    for (bool ars : {false, true}) {
        std::multiset<int> tiles;
        for (int cell = CELL_EMPTY; cell <= CELL_Z + 1; ++cell) tiles.insert(cell_tile(cell, ars));
        EXPECT_EQ((std::multiset<int>{-1, -1, 0, 1, 2, 3, 4, 5, 6}), tiles);
    }
    for (auto [size, padded] : {std::pair(-5, 1), {1, 1}, {2, 2}, {3, 4}, {20, 32}, {32, 32}, {33, 64}, {640, 1024}})
        EXPECT_EQ(padded, pad(size)) << size;
}

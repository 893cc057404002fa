#include "render/hud.h"

#include <gtest/gtest.h>

#include "render/field_drawing.h"
#include "render/texture.h"

// The statistics and the summary are checked in the scenarios, scenarios/game_ends.txt.
TEST(Hud, TheCountdownOnlyBlocksHaveTilesAndTexturesArePaddedToPowersOfTwo) {
    Session session;
    session.game.countdown_ticks = 10000;
    for (const auto& [now, shown] : {std::pair(10000u, "     3.000"), {12250u, "     0.750"}, {14000u, "     0.000"}})
        EXPECT_EQ(shown, countdown_text(session, now));
    EXPECT_EQ(-1, cell_tile(CELL_EMPTY, false));
    EXPECT_EQ(-1, cell_tile(CELL_Z + 1, true));
    EXPECT_TRUE(cell_tile(CELL_I, true) >= 0 && cell_tile(CELL_Z, false) >= 0);
    for (auto [size, padded] : {std::pair(-5, 1), {1, 1}, {2, 2}, {3, 4}, {20, 32}, {32, 32}, {33, 64}, {640, 1024}})
        EXPECT_EQ(padded, pad(size)) << size;
}

#include "render/game_screen.h"

#include <gtest/gtest.h>

#include <set>

#include "render/cell_sprites.h"
#include "render/texture.h"

// The statistics and the summary are checked in the scenarios, scenarios/game_ends.txt.

// A frame is drawn only when its view differs from the one the window shows, so the view must
// change with all that the screen shows, and with nothing else.
TEST(GameView, ChangesWithWhatTheScreenShowsAndOnlyThen) {
    Session session;
    Game& game = session.game;
    game.countdown_ticks = 10000;
    const KeyHeld none = [](KeyCode) { return false; };
    const ScreenView counting = game_view(session, none, 12250), later = game_view(session, none, 12260);
    EXPECT_EQ("     0.750", counting.running.back().text);
    EXPECT_EQ("     0.000", game_view(session, none, 14000).running.back().text);
    EXPECT_TRUE(counting.still == later.still && !(counting.running == later.running));
    // Held in the countdown, a key lights no column but turns its label pink: only green and blue change.
    EXPECT_FALSE(counting == game_view(
                                 session, [](KeyCode key) { return key == 'a'; }, 12250));
    game.started = game.finished = true;
    game.end_ticks = 20000;
    const ScreenView finished = game_view(session, none, 30000);
    EXPECT_TRUE(finished == game_view(session, none, 90000));
    game.playfield.set_cell(0, 0, CELL_I);
    EXPECT_FALSE(finished == game_view(session, none, 90000));
}

TEST(Drawing, EachBlockHasATileOfItsOwnAndTexturesArePaddedToPowersOfTwo) {
    // In the cell sheet, in either colouring; nothing else has one.
    for (bool ars : {false, true}) {
        std::multiset<int> tiles;
        for (int cell = CELL_EMPTY; cell <= CELL_Z + 1; ++cell) tiles.insert(cell_tile(cell, ars));
        EXPECT_EQ((std::multiset<int>{-1, -1, 0, 1, 2, 3, 4, 5, 6}), tiles);
    }
    for (auto [size, padded] : {std::pair(-5, 1), {1, 1}, {2, 2}, {3, 4}, {20, 32}, {32, 32}, {33, 64}, {640, 1024}})
        EXPECT_EQ(padded, pad(size)) << size;
}

#include "randomizers/randomizer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/game.h"
#include "support/seams.h"

namespace {

std::vector<int> deal(const char* name, int count, const Game& game) {
    const std::unique_ptr<Randomizer> randomizer = randomizer_kinds()[find_kind(randomizer_kinds(), name)].make();
    std::vector<int> types;
    for (int i = 0; i < count; ++i) types.push_back(randomizer->next(game));
    return types;
}

}  // namespace

TEST(Randomizers, BagDealsEachTypeOncePerSevenAndRefillsAtOnce) {
    Game game;
    ScriptedRandom draws({3, 3, 100, 0, 5, 1, 0, 6});
    // 3 of I..Z is L; 3 of I,O,T,J,S,Z is J; 100 % 5 = 0 is I; then O; 5 % 3 = 2 is Z...
    EXPECT_EQ((std::vector<int>{PIECE_L, PIECE_J, PIECE_I, PIECE_O, PIECE_Z, PIECE_S, PIECE_T, PIECE_Z}),
              deal("Bag", 8, game));
}

TEST(Randomizers, HistoryRerollsRecentTypesUpToSixTimesAndNeverOpensWithSZOrO) {
    Game game;
    {
        // S, Z and O are passed over for the first piece; then T, T again is rerolled into L.
        ScriptedRandom draws({5, 6, 1, 2, 2, 3});
        EXPECT_EQ((std::vector<int>{PIECE_T, PIECE_L}), deal("History (6 roll)", 2, game));
    }
    {
        // A stubborn source: the sixth roll is taken even though it repeats.
        ScriptedRandom draws({0});
        EXPECT_EQ((std::vector<int>{PIECE_I, PIECE_I}), deal("History (6 roll)", 2, game));
    }
    {
        // The history starts as Z, S, Z, S: an S is rerolled even for the second piece. After I, T, L
        // and J the history is J, L, T, I: I is rerolled, and S is new again.
        ScriptedRandom draws({0, 5, 2, 3, 4, 0, 5});
        EXPECT_EQ((std::vector<int>{PIECE_I, PIECE_T, PIECE_L, PIECE_J, PIECE_S}), deal("History (6 roll)", 5, game));
    }
}

TEST(Randomizers, RandomTakesTheNumberAndICheatOnlyDealsI) {
    Game game;
    ScriptedRandom draws({13, 6, 6});
    EXPECT_EQ((std::vector<int>{PIECE_Z, PIECE_Z, PIECE_Z}), deal("Random", 3, game));
    EXPECT_EQ((std::vector<int>{PIECE_I, PIECE_I}), deal("I-Cheat", 2, game));
    // Only the adversary judges the field, and so is played without previews or hold.
    for (const RandomizerKind& kind : randomizer_kinds())
        EXPECT_EQ(std::string("Bastet") == kind.name, kind.judges_the_field) << kind.name;
}

TEST(Randomizers, BastetDealsWhatClearsTheFewestLinesBreakingTiesAtRandom) {
    Game game;
    {
        // Nothing can clear a line on an empty field: all seven are candidates.
        ScriptedRandom draws({6, 0});
        EXPECT_EQ((std::vector<int>{PIECE_Z, PIECE_I}), deal("Bastet", 2, game));
    }
    // One hole in the middle of the bottom row: every type but O can fill it.
    for (int column = 0; column < 10; ++column)
        if (column != 4) game.playfield.set_cell(column, 0, CELL_J);
    ScriptedRandom draws({3});
    EXPECT_EQ((std::vector<int>{PIECE_O}), deal("Bastet", 1, game));
    // Covered two rows up, the hole is only reachable with deep drop, and only by a piece that
    // turns under the cover: I and O cannot, and 3 picks O of the two.
    game.playfield.set_cell(4, 2, CELL_J);
    EXPECT_EQ((std::vector<int>{PIECE_O}), deal("Bastet", 1, game));
    // Without deep drop nothing reaches it: all seven are candidates again, and 3 picks L.
    game.settings.deep_drop = false;
    EXPECT_EQ((std::vector<int>{PIECE_L}), deal("Bastet", 1, game));
    // A type that fits nowhere is dealt before all else: the top three rows leave gaps three
    // wide, and the holes below never line up, so I has no room.
    Game full;
    for (int row = 0; row < 20; ++row)
        for (int column = 0; column < 10; ++column)
            if (row < 17 ? column != (row * 3 + 1) % 10 : column % 4 == 1) full.playfield.set_cell(column, row, CELL_S);
    EXPECT_EQ((std::vector<int>{PIECE_I}), deal("Bastet", 1, full));
}

#include "randomizers/randomizer.h"

#include <gtest/gtest.h>

#include <set>

#include "model/gamestate.h"
#include "randomizers/bagrandomizer.h"
#include "randomizers/history6randomizer.h"
#include "support/seams.h"

namespace {

class RandomizerTest : public ::testing::Test {
protected:
    // The type dealt; a randomizer deals types and leaves the orientation alone.
    int deal(Randomizer& randomizer) {
        Piece piece{NO_PIECE, LEFT};
        randomizer.get_piece(&piece, state);
        EXPECT_EQ(piece.orientation, LEFT);
        return piece.type;
    }

    GameState state;
};

}  // namespace

TEST_F(RandomizerTest, BagDealsEachTypeOncePerBagPickingTheKthRemainingInTypeOrder) {
    ScriptedRandom random{{2, 2, 8, 3, 17, 0, 5, 4, 9, 1, 6, 2, 0, 3}};
    BagRandomizer bag;
    // T; then index 2 is L, T being gone; then 8 % 5 = 3 among I O J S Z is S.
    const int opening[] = {PIECE_T, PIECE_L, PIECE_S};
    for (int round = 0; round < 2; ++round) {
        std::set<int> seen;
        for (int i = 0; i < PIECE_TYPES; ++i) {
            EXPECT_EQ(bag.pieces_left(), PIECE_TYPES - i);
            const int type = deal(bag);
            if (round == 0 && i < 3) {
                EXPECT_EQ(type, opening[i]);
            }
            seen.insert(type);
        }
        EXPECT_EQ(seen.size(), 7u);
    }
    deal(bag);
    bag.reset();
    EXPECT_EQ(bag.pieces_left(), 7);
}

TEST_F(RandomizerTest, HistoryNeverOpensWithSZOAndRerollsThemForFree) {
    // S, Z, O are thrown away without counting; then T is not in the Z S Z S history.
    ScriptedRandom random{{5, 6, 1, 5, 2}};
    History6Randomizer history;
    EXPECT_EQ(deal(history), PIECE_T);
    EXPECT_EQ(random.draws(), 5);
    history.reset();
    ScriptedRandom again{{6, 4}};
    EXPECT_EQ(deal(history), PIECE_J);  // the reset brings back the no-S/Z/O opener
}

TEST_F(RandomizerTest, HistoryRerollsRecentTypesAndAcceptsTheSixthRollWhateverItIs) {
    ScriptedRandom random{{2, 2, 6, 3}};
    History6Randomizer history;
    EXPECT_EQ(deal(history), PIECE_T);
    // T is recent, Z is still in the starting history; L is fresh.
    EXPECT_EQ(deal(history), PIECE_L);
    EXPECT_EQ(random.draws(), 4);
    // L is now recent; a source that keeps answering L is asked six times, then believed.
    EXPECT_EQ(deal(history), PIECE_L);
    EXPECT_EQ(random.draws(), 10);
}

TEST_F(RandomizerTest, RandomAndICheatDealWhatTheyPromise) {
    ScriptedRandom random{{3, 10}};
    auto any = make_randomizer(RANDOM_RANDOMIZER_NAME);
    EXPECT_EQ(deal(*any), PIECE_L);
    EXPECT_EQ(deal(*any), PIECE_L);  // 10 % 7
    auto cheat = make_randomizer(ICHEAT_RANDOMIZER_NAME);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(deal(*cheat), PIECE_I);
}

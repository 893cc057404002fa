#include "randomizers/randomizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/gamestate.h"
#include "randomizers/bagrandomizer.h"
#include "randomizers/history6randomizer.h"
#include "support/seams.h"

namespace {

class RandomizerTest : public ::testing::Test {
protected:
    GameState state;

    int deal(Randomizer& randomizer) {
        Piece piece{NO_PIECE, LEFT};
        randomizer.get_piece(&piece, state);
        EXPECT_EQ(piece.orientation, LEFT);
        return piece.type;
    }
};

}  // namespace

TEST_F(RandomizerTest, BagDealsEveryTypeOncePerBag) {
    ScriptedRandom random{{3, 17, 0, 5, 2, 9, 1, 4, 4, 4, 4, 4, 4, 4}};
    BagRandomizer bag;
    for (int round = 0; round < 2; ++round) {
        std::set<int> seen;
        for (int i = 0; i < PIECE_TYPES; ++i) {
            EXPECT_EQ(bag.pieces_left(), PIECE_TYPES - i);
            seen.insert(deal(bag));
        }
        EXPECT_EQ(seen.size(), 7u);
        EXPECT_EQ(bag.pieces_left(), 7);
    }
}

TEST_F(RandomizerTest, BagPicksTheKthRemainingTypeInTypeOrder) {
    ScriptedRandom random{{2, 2, 8}};
    BagRandomizer bag;
    EXPECT_EQ(deal(bag), PIECE_T);
    EXPECT_EQ(deal(bag), PIECE_L);  // T is gone, so index 2 is now L
    EXPECT_EQ(deal(bag), PIECE_S);  // 8 % 5 = 3 among I O J S Z
    bag.reset();
    EXPECT_EQ(bag.pieces_left(), 7);
}

TEST_F(RandomizerTest, HistoryNeverOpensWithSZOAndRerollsThemForFree) {
    // S, Z, O are thrown away without counting; then T is not in the Z S Z S history.
    ScriptedRandom random{{5, 6, 1, 5, 2}};
    History6Randomizer history;
    EXPECT_EQ(deal(history), PIECE_T);
    EXPECT_EQ(random.draws(), 5);
}

TEST_F(RandomizerTest, HistoryAcceptsTheSixthRollWhateverItIs) {
    ScriptedRandom random{{0}};  // always I
    History6Randomizer history;
    EXPECT_EQ(deal(history), PIECE_I);
    EXPECT_EQ(random.draws(), 1);
    // I is now history[0]; the source keeps answering I, so six rolls are made.
    EXPECT_EQ(deal(history), PIECE_I);
    EXPECT_EQ(random.draws(), 7);
}

TEST_F(RandomizerTest, HistoryRerollsRecentTypesAndAcceptsFreshOnes) {
    ScriptedRandom random{{2, 2, 6, 3}};
    History6Randomizer history;
    EXPECT_EQ(deal(history), PIECE_T);
    // T is recent, Z is still in the starting history; L is fresh.
    EXPECT_EQ(deal(history), PIECE_L);
    EXPECT_EQ(random.draws(), 4);
    history.reset();
    ScriptedRandom again{{6, 4}};
    EXPECT_EQ(deal(history), PIECE_J);  // the reset brings back the no-S/Z/O opener
}

TEST_F(RandomizerTest, RandomAndICheatDealWhatTheyPromise) {
    ScriptedRandom random{{3, 3, 3, 10}};
    auto any = make_randomizer(RANDOM_RANDOMIZER_NAME);
    EXPECT_EQ(deal(*any), PIECE_L);
    EXPECT_EQ(deal(*any), PIECE_L);
    EXPECT_EQ(deal(*any), PIECE_L);
    EXPECT_EQ(deal(*any), PIECE_L);  // 10 % 7
    auto cheat = make_randomizer(ICHEAT_RANDOMIZER_NAME);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(deal(*cheat), PIECE_I);
}

TEST(RandomizerRegistry, NamesRoundTripInMenuOrder) {
    const std::vector<std::string> expected = {"Bag", "History (6 roll)", "Random", "I-Cheat", "Bastet"};
    EXPECT_EQ(randomizer_names(), expected);
    for (const std::string& name : expected) EXPECT_EQ(make_randomizer(name)->get_name(), name);
    EXPECT_EQ(make_randomizer("bag"), nullptr);
}

// The 10-key scheme: the home row drops the piece as it is turned, six upper-row keys turn it.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "input/input_scheme_fixture.h"

namespace {

const std::string HOME_ROW = "asdfghjkl;";

class InkdropTest : public InputSchemeFixture, public ::testing::Test {
protected:
    void SetUp() override { use_scheme("10-Key"); }
};

TEST_F(InkdropTest, HomeRowKeysDropThePieceAsItIsTurnedIntoTheirColumn) {
    for (Orientation orientation : {UP, LEFT})
        for (int column = 0; column < 10; ++column) {
            start_over_with(PIECE_T, orientation);
            std::string expected = field_after_drop(PIECE_T, orientation, column);
            press(HOME_ROW[column]);
            EXPECT_EQ(field(), expected) << "key " << HOME_ROW[column];
            EXPECT_EQ(drop_sound_column(), column);
        }
    EXPECT_EQ(state.keys, 20);
    EXPECT_EQ(state.pieces, 20);
}

TEST_F(InkdropTest, RotationKeysTurnWithoutDroppingAndEachCounts) {
    const std::pair<const char*, Orientation> cases[] = {
        {"w", LEFT}, {"ww", DOWN}, {"er", LEFT}, {"e", DOWN}, {"r", RIGHT},
        {"u", LEFT}, {"i", DOWN},  {"o", RIGHT}, {"wo", UP},  {"uuuu", UP}};
    for (const auto& [keys, orientation] : cases) {
        start_over_with(PIECE_T);
        int counted = state.keys;
        press_all(keys);
        EXPECT_EQ(state.active_piece.orientation, orientation) << keys;
        EXPECT_EQ(state.keys, counted + static_cast<int>(std::string(keys).size()));
        EXPECT_EQ(sounds.count(resources.rotateSound), static_cast<int>(std::string(keys).size()));
        EXPECT_EQ(field(), picture(PlayField()));
    }
}

TEST_F(InkdropTest, APieceTurnedAndDroppedCostsTwoKeys) {
    start_over_with(PIECE_T);
    std::string expected = field_after_drop(PIECE_T, LEFT, 3);
    press_all("wf");
    EXPECT_EQ(field(), expected);
    EXPECT_EQ(state.keys, 2);
    // The next piece starts from its own spawn orientation.
    EXPECT_EQ(state.active_piece.orientation, UP);
}

TEST_F(InkdropTest, WithSoundOffRotationKeysTurnSilently) {
    state.sound = false;
    start_over_with(PIECE_L);
    press('r');
    EXPECT_EQ(state.active_piece.orientation, RIGHT);
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(InkdropTest, BigModeDropsTheMiddleFiveHomeKeysIntoTheFiveFieldColumns) {
    state.big_mode = true;
    state.reset();
    state.started = true;
    const int columns[] = {0, 0, 0, 0, 1, 2, 3, 4, 4, 4};
    for (int key_column = 0; key_column < 10; ++key_column) {
        start_over_with(PIECE_O);
        std::string expected = field_after_drop(PIECE_O, UP, columns[key_column]);
        press(HOME_ROW[key_column]);
        EXPECT_EQ(field(), expected) << "key " << HOME_ROW[key_column];
        EXPECT_EQ(drop_sound_column(), columns[key_column]);
    }
}

TEST_F(InkdropTest, KeysWithoutAMeaningHereAreNotCounted) {
    start_over_with(PIECE_T, LEFT);
    press_all("1234567890qtypzxcvbnm,./QAZ-=[]'`");
    for (KeyCode key : {KEY_NONE, KEY_ESCAPE, 273, 1000, INT_MIN, INT_MAX}) press(key);
    EXPECT_EQ(state.keys, 0);
    EXPECT_EQ(state.active_piece.orientation, LEFT);
    EXPECT_EQ(field(), picture(PlayField()));
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(InkdropTest, ARefusedDropChangesNothingButTheCount) {
    start_over_with(PIECE_S, LEFT);
    fill_field();
    std::string full = field();
    press('f');
    EXPECT_EQ(field(), full);
    EXPECT_EQ(state.active_piece.type, PIECE_S);
    EXPECT_EQ(state.active_piece.orientation, LEFT);
    EXPECT_EQ(state.keys, 1);
    EXPECT_EQ(state.pieces, 0);
}

}  // namespace

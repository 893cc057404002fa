// The keys every input scheme shares: Backspace (undo), Return (restart) and Space (hold),
// and which presses count toward the keys statistic.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <string>

#include "input/input_scheme_fixture.h"

namespace {

class SharedKeysTest : public InputSchemeFixture, public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { use_scheme(GetParam()); }
};

TEST_P(SharedKeysTest, DisabledUndoAndHoldAndKeysOfNoSchemeDoNothingAtAll) {
    state.practice_mode = false;
    state.hold_allowed = false;
    press('f');
    const std::string after_drop = field();
    const Piece active = state.active_piece;
    sounds.clear();
    const KeyCode idle[] = {KEY_BACKSPACE, KEY_SPACE, KEY_NONE, KEY_ESCAPE, 9, 'A', 'Q', '-', '=',
                            '[', '\'', '`', 127, 273, 1000, INT_MIN, INT_MAX};
    for (KeyCode key : idle) press(key);
    EXPECT_EQ(field(), after_drop);
    EXPECT_EQ(state.keys, 1);
    EXPECT_EQ(state.pieces, 1);
    EXPECT_EQ(state.active_piece.type, active.type);
    EXPECT_EQ(state.active_piece.orientation, active.orientation);
    EXPECT_EQ(state.hold_piece.type, NO_PIECE);
    EXPECT_TRUE(sounds.played().empty());
}

TEST_P(SharedKeysTest, BackspaceInPracticeModeUndoesAndIsCountedAndHeardEvenWithNothingToUndo) {
    state.practice_mode = true;
    press(KEY_BACKSPACE);
    press('f');
    ASSERT_EQ(state.pieces, 1);
    press(KEY_BACKSPACE);
    EXPECT_EQ(state.pieces, 0);
    EXPECT_EQ(field(), empty_field());
    EXPECT_EQ(sounds.count(resources.rewindSound), 2);
    // The counters go back to the snapshot, which the drop took after its key was counted.
    EXPECT_EQ(state.keys, 2);
}

TEST_P(SharedKeysTest, SpaceHoldsAndIsCountedEvenWhenTheHoldIsRefused) {
    state.double_hold = false;
    const int active = state.active_piece.type;
    press(KEY_SPACE);
    press(KEY_SPACE);
    EXPECT_EQ(state.hold_piece.type, active);
    EXPECT_EQ(state.keys, 2);
    EXPECT_EQ(sounds.count(resources.holdSound), 1);
}

TEST_P(SharedKeysTest, ReturnStartsAFreshGameWithoutBeingCounted) {
    press('f');
    sounds.clear();
    press(KEY_RETURN);
    EXPECT_EQ(sounds.played(), std::vector<Mix_Chunk*>{resources.menuGameStartSound});
    EXPECT_FALSE(state.started);
    EXPECT_EQ(state.keys + state.pieces, 0);
    EXPECT_EQ(field(), empty_field());
}

TEST_P(SharedKeysTest, WithSoundOffNothingIsHeard) {
    state.sound = false;
    state.practice_mode = true;
    press_all("fwe j");
    press(KEY_BACKSPACE);
    press(KEY_RETURN);
    EXPECT_TRUE(sounds.played().empty());
}

TEST_P(SharedKeysTest, KeysAfterTheFinishAreNotCounted) {
    state.finished = true;
    state.practice_mode = true;
    press_all("fwez ");
    press(KEY_BACKSPACE);
    EXPECT_EQ(state.keys, 0);
}

std::string test_name(const ::testing::TestParamInfo<std::string>& scheme) {
    std::string name;
    for (char c : scheme.param)
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryScheme, SharedKeysTest,
                         ::testing::Values("10-Key", "40-Key", "40-Key-Inverse"), test_name);

}  // namespace

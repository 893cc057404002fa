// The 10-key scheme: the home row drops the piece as it is turned, six upper-row keys turn it.
#include <SDL_keysym.h>
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
    for (bool big : {false, true}) {
        state.big_mode = big;
        for (Orientation orientation : {UP, LEFT})
            for (int key = 0; key < 10; ++key) {
                const int column = big ? BIG_MODE_COLUMNS[key] : key;
                start_over_with(PIECE_T, orientation);
                const std::string expected = field_after_drop(PIECE_T, orientation, column);
                press(HOME_ROW[key]);
                EXPECT_EQ(field(), expected) << "key " << HOME_ROW[key] << " big " << big;
                EXPECT_EQ(drop_sound_column(), column) << "key " << HOME_ROW[key] << " big " << big;
            }
    }
    EXPECT_EQ(state.keys, 40);
    EXPECT_EQ(state.pieces, 40);
}

TEST_F(InkdropTest, RotationKeysTurnWithoutDroppingAndEachCounts) {
    const std::pair<std::string, Orientation> cases[] = {
        {"w", LEFT}, {"ww", DOWN}, {"er", LEFT}, {"e", DOWN}, {"r", RIGHT},
        {"u", LEFT}, {"i", DOWN},  {"o", RIGHT}, {"wo", UP},  {"uuuu", UP}};
    for (const auto& [keys, orientation] : cases) {
        start_over_with(PIECE_T);
        const int counted = state.keys;
        press_all(keys);
        EXPECT_EQ(state.active_piece.orientation, orientation) << keys;
        EXPECT_EQ(state.keys, counted + static_cast<int>(keys.size()));
        EXPECT_EQ(sounds.count(resources.rotateSound), static_cast<int>(keys.size()));
        EXPECT_EQ(field(), empty_field());
    }
    // A turned piece drops turned; the next one starts from its own spawn orientation.
    start_over_with(PIECE_T);
    const std::string expected = field_after_drop(PIECE_T, LEFT, 3);
    press_all("wf");
    EXPECT_EQ(field(), expected);
    EXPECT_EQ(state.active_piece.orientation, UP);
}

TEST_F(InkdropTest, TheOtherRowsMeanNothingHere) {
    start_over_with(PIECE_T, LEFT);
    press_all("1234567890qtypzxcvbnm,./");
    EXPECT_EQ(state.keys, 0);
    EXPECT_EQ(state.active_piece.orientation, LEFT);
    EXPECT_EQ(field(), empty_field());
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(InkdropTest, ARefusedDropChangesNothingButTheCount) {
    start_over_with(PIECE_S, LEFT);
    fill_field();
    const std::string full = field();
    press('f');
    EXPECT_EQ(field(), full);
    EXPECT_EQ(state.active_piece.type, PIECE_S);
    EXPECT_EQ(state.active_piece.orientation, LEFT);
    EXPECT_EQ(state.keys, 1);
    EXPECT_EQ(state.pieces, 0);
}

// Key codes read from the settings file are stored as read, so a binding may hold any number;
// such a key is never pressed, and nothing is ever indexed with it.
TEST_F(InkdropTest, NoRealKeyReachesTheColumnsOfHostileBindings) {
    const KeyCode hostile[] = {-5, INT_MAX, INT_MIN, 99999, SDLK_LAST};
    for (int i = 0; i < 5; ++i) state.key_config.bindings[10 + "asdfg"[i] - 'a'] = hostile[i];
    state.practice_mode = true;
    for (KeyCode physical = 0; physical < SDLK_LAST; ++physical) {
        // Return starts over and F2 needs a window: neither can drop a piece.
        if (physical == KEY_RETURN || physical == KEY_F2) continue;
        state.playfield.clear();
        press(state.key_config.translate(physical));
    }
    for (int column = 0; column < 10; ++column)
        EXPECT_EQ(sounds.count(resources.dropSounds[column][0]) > 0, column >= 5) << column;
}

}  // namespace

// Both 40-key schemes: the four keyboard rows turn the piece, the ten keyboard columns name the
// playfield column. They differ only in which way the upper and lower rows turn.
#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>
#include <vector>

#include "input/input_scheme_fixture.h"

namespace {

const std::string NUMBER_ROW = "1234567890";
const std::string UPPER_ROW = "qwertyuiop";
const std::string HOME_ROW = "asdfghjkl;";
const std::string LOWER_ROW = "zxcvbnm,./";

struct FortyKeyScheme {
    const char* name;
    // Where each row leaves a piece that starts UP, and one that starts DOWN (T, L and J spawn
    // that way with ARS).
    Orientation number_from_up, upper_from_up, home_from_up, lower_from_up;
    Orientation upper_from_down, lower_from_down;
};

void PrintTo(const FortyKeyScheme& scheme, std::ostream* out) { *out << scheme.name; }

const FortyKeyScheme PLAIN = {"40-Key", DOWN, LEFT, UP, RIGHT, RIGHT, LEFT};
const FortyKeyScheme INVERSE = {"40-Key-Inverse", DOWN, RIGHT, UP, LEFT, LEFT, RIGHT};

class FortyKeyTest : public InputSchemeFixture, public ::testing::TestWithParam<FortyKeyScheme> {
protected:
    void SetUp() override { use_scheme(GetParam().name); }

    struct Row {
        const std::string& keys;
        Orientation from_up;
    };
    std::vector<Row> rows() const {
        const FortyKeyScheme& scheme = GetParam();
        return {{NUMBER_ROW, scheme.number_from_up},
                {UPPER_ROW, scheme.upper_from_up},
                {HOME_ROW, scheme.home_from_up},
                {LOWER_ROW, scheme.lower_from_up}};
    }
};

TEST_P(FortyKeyTest, EveryKeyDropsTheTPieceTurnedByItsRowIntoItsColumn) {
    for (const Row& row : rows())
        for (int column = 0; column < 10; ++column) {
            KeyCode key = row.keys[column];
            start_over_with(PIECE_T);
            std::string expected = field_after_drop(PIECE_T, row.from_up, column);
            int keys = state.keys;
            press(key);
            EXPECT_EQ(field(), expected) << "key " << char(key);
            EXPECT_EQ(drop_sound_column(), column) << "key " << char(key);
            EXPECT_EQ(state.keys, keys + 1);
        }
    EXPECT_EQ(state.pieces, 40);
}

TEST_P(FortyKeyTest, RowsTurnFromTheOrientationThePieceSpawnedIn) {
    const FortyKeyScheme& scheme = GetParam();
    state.ars = true;
    const std::pair<char, Orientation> cases[] = {
        {'q', scheme.upper_from_down}, {'z', scheme.lower_from_down}, {'a', DOWN}, {'1', UP}};
    for (const auto& [key, orientation] : cases) {
        start_over_with(PIECE_T, DOWN);
        std::string expected = field_after_drop(PIECE_T, orientation, 0);
        press(key);
        EXPECT_EQ(field(), expected) << "key " << key;
    }
}

TEST_P(FortyKeyTest, BigModeDropsTheMiddleFiveKeyColumnsIntoTheFiveFieldColumns) {
    state.big_mode = true;
    state.reset();
    state.started = true;
    for (const Row& row : rows())
        for (int key_column = 0; key_column < 10; ++key_column) {
            int column = key_column < 3 ? 0 : key_column > 7 ? 4 : key_column - 3;
            start_over_with(PIECE_T);
            std::string expected = field_after_drop(PIECE_T, row.from_up, column);
            press(row.keys[key_column]);
            EXPECT_EQ(field(), expected) << "key " << row.keys[key_column];
            EXPECT_EQ(drop_sound_column(), column) << "key " << row.keys[key_column];
        }
}

TEST_P(FortyKeyTest, ARefusedDropTurnsThePieceBackAndStillCountsTheKey) {
    // Nowhere to go: every key is refused.
    fill_field();
    std::string full = field();
    for (const Row& row : rows())
        for (char key : row.keys) {
            int keys = state.keys;
            state.active_piece.orientation = UP;
            press(key);
            EXPECT_EQ(state.active_piece.orientation, UP) << "key " << key;
            EXPECT_EQ(state.active_piece.type, PIECE_I);
            EXPECT_EQ(state.keys, keys + 1);
        }
    EXPECT_EQ(field(), full);
    EXPECT_EQ(state.pieces, 0);
    EXPECT_EQ(drop_sound_column(), -1);

    // Sticking out of the field with clamping off: a T is at least two wide in every turn.
    state.column_clamp = false;
    for (const Row& row : rows()) {
        start_over_with(PIECE_T);
        int keys = state.keys;
        press(row.keys[9]);
        EXPECT_EQ(state.active_piece.orientation, UP) << "key " << row.keys[9];
        EXPECT_EQ(state.keys, keys + 1);
        EXPECT_EQ(state.pieces, 0);
    }
}

TEST_P(FortyKeyTest, MusicModePlaysEachKeysColumnAndCountsItWithoutDropping) {
    state.music_mode = true;
    for (const Row& row : rows())
        for (int column = 0; column < 10; ++column) {
            start_over_with(PIECE_T);
            int keys = state.keys;
            press(row.keys[column]);
            EXPECT_EQ(drop_sound_column(), column);
            EXPECT_EQ(state.active_piece.orientation, UP);
            EXPECT_EQ(state.keys, keys + 1);
        }
    EXPECT_EQ(state.pieces, 0);
    EXPECT_EQ(field(), picture(PlayField()));
}

TEST_P(FortyKeyTest, AfterTheFinishKeysStillDropButAreNotCounted) {
    state.finished = true;
    start_over_with(PIECE_O);
    std::string expected = field_after_drop(PIECE_O, UP, 4);
    press('g');
    EXPECT_EQ(field(), expected);
    EXPECT_EQ(state.keys, 0);
    EXPECT_EQ(state.pieces, 0);
}

TEST_P(FortyKeyTest, KeysOutsideTheFourRowsDoNothing) {
    start_over_with(PIECE_T, LEFT);
    const KeyCode others[] = {KEY_NONE, KEY_ESCAPE, 9, 'A', 'Q', '-', '=', '[', '\'', '`', 127,
                              273, 1000, INT_MIN, INT_MAX};
    for (KeyCode key : others) press(key);
    EXPECT_EQ(state.keys, 0);
    EXPECT_EQ(state.active_piece.orientation, LEFT);
    EXPECT_EQ(field(), picture(PlayField()));
    EXPECT_TRUE(sounds.played().empty());
}

std::string test_name(const ::testing::TestParamInfo<FortyKeyScheme>& scheme) {
    return std::string(scheme.param.name) == "40-Key" ? "Plain" : "Inverse";
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, FortyKeyTest, ::testing::Values(PLAIN, INVERSE), test_name);

}  // namespace

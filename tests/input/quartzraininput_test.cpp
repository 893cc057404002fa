// Both 40-key schemes: the four keyboard rows turn the piece, the ten keyboard columns name the
// playfield column. They differ only in which way the upper and lower rows turn.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "input/input_scheme_fixture.h"

namespace {

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

struct Row {
    std::string keys;
    Orientation from_up;
};

class FortyKeyTest : public InputSchemeFixture, public ::testing::TestWithParam<FortyKeyScheme> {
protected:
    void SetUp() override { use_scheme(GetParam().name); }

    std::vector<Row> rows() const {
        const FortyKeyScheme& scheme = GetParam();
        return {{"1234567890", scheme.number_from_up},
                {"qwertyuiop", scheme.upper_from_up},
                {"asdfghjkl;", scheme.home_from_up},
                {"zxcvbnm,./", scheme.lower_from_up}};
    }
};

TEST_P(FortyKeyTest, EveryKeyDropsTheTPieceTurnedByItsRowIntoItsColumn) {
    // Plainly, in big mode, and in music mode, where the column is only heard.
    for (int mode = 0; mode < 3; ++mode) {
        state.big_mode = mode == 1;
        state.music_mode = mode == 2;
        for (const Row& row : rows())
            for (int key = 0; key < 10; ++key) {
                const int column = state.big_mode ? BIG_MODE_COLUMNS[key] : key;
                start_over_with(PIECE_T);
                const std::string expected =
                    state.music_mode ? empty_field() : field_after_drop(PIECE_T, row.from_up, column);
                const int keys = state.keys;
                press(row.keys[key]);
                EXPECT_EQ(field(), expected) << "key " << row.keys[key] << " mode " << mode;
                EXPECT_EQ(drop_sound_column(), column) << "key " << row.keys[key] << " mode " << mode;
                EXPECT_EQ(state.active_piece.orientation, UP);
                EXPECT_EQ(state.keys, keys + 1);
            }
    }
    EXPECT_EQ(state.pieces, 80);
}

TEST_P(FortyKeyTest, RowsTurnFromTheOrientationThePieceSpawnedIn) {
    const FortyKeyScheme& scheme = GetParam();
    state.ars = true;
    const std::pair<char, Orientation> cases[] = {
        {'q', scheme.upper_from_down}, {'z', scheme.lower_from_down}, {'a', DOWN}, {'1', UP}};
    for (const auto& [key, orientation] : cases) {
        start_over_with(PIECE_T, DOWN);
        const std::string expected = field_after_drop(PIECE_T, orientation, 0);
        press(key);
        EXPECT_EQ(field(), expected) << "key " << key;
    }
}

TEST_P(FortyKeyTest, ARefusedDropTurnsThePieceBackAndStillCountsTheKey) {
    fill_field();
    const std::string full = field();
    for (const Row& row : rows())
        for (char key : row.keys) {
            const int keys = state.keys;
            press(key);
            EXPECT_EQ(state.active_piece.orientation, UP) << "key " << key;
            EXPECT_EQ(state.active_piece.type, PIECE_I);
            EXPECT_EQ(state.keys, keys + 1);
        }
    EXPECT_EQ(field(), full);
    EXPECT_EQ(state.pieces, 0);
    EXPECT_EQ(drop_sound_column(), -1);
}

std::string test_name(const ::testing::TestParamInfo<FortyKeyScheme>& scheme) {
    return std::string(scheme.param.name) == "40-Key" ? "Plain" : "Inverse";
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, FortyKeyTest, ::testing::Values(PLAIN, INVERSE), test_name);

}  // namespace

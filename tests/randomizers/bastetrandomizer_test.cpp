// The adversarial randomizer deals the type that can clear the fewest lines on the field as it
// stands, breaking ties at random.
#include "randomizers/bastetrandomizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/gameactions.h"
#include "model/gamestate.h"
#include "support/seams.h"

namespace {

class BastetTest : public ::testing::Test {
protected:
    // The types dealt for the random numbers 0 .. n - 1: with c candidates, number k picks
    // the (k mod c)-th of them in type order.
    std::vector<int> dealt_for_numbers(int n) {
        std::vector<int> types;
        for (int number = 0; number < n; ++number) {
            ScriptedRandom random({number});
            Piece piece;
            bastet.get_piece(&piece, state);
            EXPECT_EQ(random.draws(), 1);
            types.push_back(piece.type);
        }
        return types;
    }
    void fill(int column, int row) { state.playfield.set_cell(column, row, PIECE_Z); }
    void fill_row_except(int row, std::initializer_list<int> holes) {
        for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
            if (std::find(holes.begin(), holes.end(), column) == holes.end()) fill(column, row);
    }

    GameState state;
    BastetRandomizer bastet;
};

TEST_F(BastetTest, OnAnEmptyFieldEveryTypeIsACandidate) {
    EXPECT_EQ(dealt_for_numbers(14), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 4, 5, 6}));
}

TEST_F(BastetTest, OneHoleInTheBottomRowIsFilledByEverythingButTheO) {
    fill_row_except(0, {4});
    for (const std::string& system : piece_mask_type_names())
        for (bool deep_drop : {false, true}) {
            state.piece_mask_type = make_piece_mask_type(system);
            state.deep_drop = deep_drop;
            for (int type : dealt_for_numbers(7)) EXPECT_EQ(type, PIECE_O) << system << deep_drop;
        }
}

TEST_F(BastetTest, ATypeThatFitsNowhereIsDealtAlone) {
    // Full up to a three-by-three pocket at the top left, with single isolated holes below
    // that no piece fits into: only the I has no place at all.
    for (int row = 0; row < PLAYFIELD_ROWS; ++row) {
        if (row >= 17)
            fill_row_except(row, {0, 1, 2});
        else
            fill_row_except(row, {(row * 3 + 1) % PLAYFIELD_COLUMNS});
    }
    for (bool deep_drop : {false, true}) {
        state.deep_drop = deep_drop;
        for (int type : dealt_for_numbers(7)) EXPECT_EQ(type, PIECE_I) << deep_drop;
    }
}

TEST_F(BastetTest, SeveralTypesThatFitNowhereShareTheDeal) {
    // The top row open in three columns over one open cell: only a T turned down fits.
    for (int row = 0; row < PLAYFIELD_ROWS; ++row) fill_row_except(row, {});
    state.playfield.cells[0][19] = state.playfield.cells[1][19] = state.playfield.cells[2][19] = 0;
    state.playfield.cells[1][18] = 0;
    EXPECT_EQ(dealt_for_numbers(6), (std::vector<int>{PIECE_I, PIECE_O, PIECE_L, PIECE_J, PIECE_S,
                                                      PIECE_Z}));
}

TEST_F(BastetTest, DeepDropLetsPiecesReachACoveredHoleAndChangesTheScores) {
    // Row 0 is open in columns 0 and 1, and column 0 is covered. Only deep drop reaches under
    // the cover, where an S turned up or a J turned left completes the row.
    fill_row_except(0, {0, 1});
    fill(0, 1);
    state.deep_drop = false;
    std::vector<int> all = dealt_for_numbers(7);
    EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), 7u);

    state.deep_drop = true;
    EXPECT_EQ(dealt_for_numbers(5),
              (std::vector<int>{PIECE_I, PIECE_O, PIECE_T, PIECE_L, PIECE_Z}));
}

// The scores worked out the plain way, one real drop into a copy of the field per valid column.
std::vector<int> plain_scores(const GameState& state) {
    std::vector<int> scores;
    for (int type = 0; type < PIECE_TYPES; ++type) {
        int score = -1;
        Piece trial{type, UP};
        for (int turn = 0; turn < 4; ++turn, trial.rotate_cw())
            for (int column = 0; column < state.get_playfield_width(); ++column) {
                if (column_clamp(trial, column, state) != column) continue;
                PlayField copy = state.playfield;
                if (copy.drop_piece(trial, column, state))
                    score = std::max(score, copy.line_clears(state));
            }
        scores.push_back(score);
    }
    return scores;
}

TEST_F(BastetTest, DealsExactlyAsPlainTrialDropsOnRandomFields) {
    std::mt19937 generator(7);
    auto below = [&generator](int n) { return static_cast<int>(generator() % n); };
    const auto& systems = piece_mask_type_names();
    for (int round = 0; round < 300; ++round) {
        state.big_mode = below(4) == 0;
        state.deep_drop = below(2) == 0;
        state.piece_mask_type = make_piece_mask_type(systems[below(systems.size())]);
        state.playfield.clear();
        const int width = state.get_playfield_width();
        const int height = state.get_playfield_height();
        for (int column = 0; column < width; ++column)
            for (int row = below(height + 1) - 1; row >= 0; --row)
                if (below(8) != 0) fill(column, row);
        // Now and then a full row, as a finished game leaves them.
        if (below(5) == 0)
            for (int column = 0; column < width; ++column) fill(column, below(height));

        std::vector<int> scores = plain_scores(state);
        int worst = *std::min_element(scores.begin(), scores.end());
        std::vector<int> candidates;
        for (int type = 0; type < PIECE_TYPES; ++type)
            if (scores[type] == worst) candidates.push_back(type);
        std::vector<int> expected;
        for (int number = 0; number < 7; ++number)
            expected.push_back(candidates[number % candidates.size()]);
        const PlayField before = state.playfield;
        ASSERT_EQ(dealt_for_numbers(7), expected) << "round " << round;
        // The trial drops are only worked out: the live field is never changed.
        ASSERT_EQ(0, std::memcmp(before.cells, state.playfield.cells, sizeof before.cells)) << "round " << round;
    }
}

}  // namespace

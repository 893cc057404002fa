#include "model/playfield.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/gamestate.h"
#include "support/fields.h"

namespace {

class PlayFieldTest : public ::testing::Test {
protected:
    int lowest(int piece, Orientation orientation, int column) {
        PieceMask mask;
        state.piece_mask_type->get_piece_mask(piece, orientation, &mask);
        return field.find_lowest_row(mask, column, state);
    }

    GameState state;
    PlayField field;
};

}  // namespace

TEST_F(PlayFieldTest, SetCellStoresTypePlusOneAndIgnoresOtherValues) {
    field.set_cell(3, 4, PIECE_Z);
    field.set_cell(3, 4, NO_PIECE);
    field.set_cell(3, 4, 7);
    EXPECT_EQ(field.get_cell(3, 4), CELL_Z);
    field.clear();
    EXPECT_EQ(blocks_in(field), 0);
}

TEST_F(PlayFieldTest, PiecesOnAnEmptyFieldRestOnTheFloorInBothSizes) {
    for (bool big : {false, true})
        for (bool deep : {false, true}) {
            state.big_mode = big;
            state.deep_drop = deep;
            for (int column = 0; column + 4 <= state.get_playfield_width(); ++column)
                EXPECT_EQ(lowest(PIECE_I, UP, column), 0);
            EXPECT_EQ(lowest(PIECE_I, LEFT, state.get_playfield_width() - 1), 0);
        }
}

TEST_F(PlayFieldTest, APieceFallsOntoTheFirstBlockUnderAnyOfItsCells) {
    state.deep_drop = false;
    paint(field, {"..#.......",
                  "..........",
                  ".........."});
    EXPECT_EQ(lowest(PIECE_T, UP, 1), 3);
    ASSERT_TRUE(field.drop_piece(Piece{PIECE_T, UP}, 1, state));
    EXPECT_EQ(field.get_cell(1, 3), CELL_T);
    EXPECT_EQ(field.get_cell(2, 4), CELL_T);
    EXPECT_EQ(field.get_cell(1, 2), CELL_EMPTY);
}

TEST_F(PlayFieldTest, AFullColumnRefusesThePieceAndLeavesTheFieldAlone) {
    state.deep_drop = false;
    for (int row = 0; row < PLAYFIELD_ROWS - 1; ++row) field.cells[0][row] = CELL_I;
    // Height 4 does not fit above row 19 of column 0, a flat I still does.
    EXPECT_EQ(lowest(PIECE_I, LEFT, 0), -1);
    EXPECT_EQ(lowest(PIECE_I, UP, 0), PLAYFIELD_ROWS - 1);
    const PlayField before = field;
    EXPECT_FALSE(field.drop_piece(Piece{PIECE_I, LEFT}, 0, state));
    EXPECT_EQ(0, memcmp(before.cells, field.cells, sizeof field.cells));
}

TEST_F(PlayFieldTest, DeepDropReachesACoveredHoleOfThePiecesShape) {
    paint(field, {"##########",
                  "#.########",
                  "#.########",
                  "#.########",
                  "#.########"});
    field.cells[1][4] = CELL_O;  // the lid over the hole
    EXPECT_EQ(lowest(PIECE_I, LEFT, 1), 0);
    state.deep_drop = false;
    EXPECT_EQ(lowest(PIECE_I, LEFT, 1), 5);
    // With no room anywhere in the column, not even deep drop finds one.
    state.deep_drop = true;
    for (int row = 0; row < PLAYFIELD_ROWS; ++row) field.cells[1][row] = CELL_J;
    EXPECT_EQ(lowest(PIECE_I, LEFT, 1), -1);
}

TEST_F(PlayFieldTest, ClearsEveryFullRowAndDropsThePartialRowsBetween) {
    paint(field, {"#.........",
                  "##########",
                  "##########",
                  ".#########",
                  "##########",
                  "##########"});
    EXPECT_EQ(field.line_clears(state), 4);
    EXPECT_EQ(field.get_cell(0, 0), CELL_EMPTY);
    EXPECT_EQ(field.get_cell(1, 0), CELL_O);
    EXPECT_EQ(field.get_cell(0, 1), CELL_O);
    EXPECT_EQ(blocks_in(field), 10);
}

TEST_F(PlayFieldTest, BigModeRowsAreFullWithFiveBlocksAndTheFieldIsTenHigh) {
    state.big_mode = true;
    state.deep_drop = false;
    paint(field, {"#####.....",
                  "####......"});
    EXPECT_TRUE(field.row_is_full(1, state));
    EXPECT_FALSE(field.row_is_full(0, state));
    EXPECT_EQ(field.line_clears(state), 1);
    EXPECT_EQ(blocks_in(field), 4);
    for (int row = 0; row < 6; ++row) field.cells[4][row] = CELL_L;
    EXPECT_EQ(lowest(PIECE_I, LEFT, 4), 6);
    field.cells[4][6] = CELL_L;
    EXPECT_EQ(lowest(PIECE_I, LEFT, 4), -1);
}

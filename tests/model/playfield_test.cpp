#include "model/playfield.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/gamestate.h"
#include "support/fields.h"

namespace {

class PlayFieldTest : public ::testing::Test {
protected:
    GameState state;

    PieceMask mask(int piece, Orientation orientation) {
        PieceMask m;
        state.piece_mask_type->get_piece_mask(piece, orientation, &m);
        return m;
    }
};

}  // namespace

TEST_F(PlayFieldTest, SetCellStoresTypePlusOneAndIgnoresOtherValues) {
    PlayField field;
    field.set_cell(3, 4, PIECE_Z);
    EXPECT_EQ(field.get_cell(3, 4), CELL_Z);
    field.set_cell(3, 4, NO_PIECE);
    field.set_cell(3, 4, 7);
    EXPECT_EQ(field.get_cell(3, 4), CELL_Z);
    field.clear();
    EXPECT_EQ(blocks_in(field), 0);
}

TEST_F(PlayFieldTest, PiecesOnAnEmptyFieldRestOnTheFloorInBothSizes) {
    for (bool big : {false, true}) {
        for (bool deep : {false, true}) {
            state.big_mode = big;
            state.deep_drop = deep;
            PlayField field;
            for (int column = 0; column + 4 <= state.get_playfield_width(); ++column)
                EXPECT_EQ(field.find_lowest_row(mask(PIECE_I, UP), column, state), 0);
            EXPECT_EQ(field.find_lowest_row(mask(PIECE_I, LEFT), state.get_playfield_width() - 1, state), 0);
        }
    }
}

TEST_F(PlayFieldTest, APieceFallsOntoTheFirstBlockUnderAnyOfItsCells) {
    state.deep_drop = false;
    PlayField field;
    paint(field, {"..#.......",
                  "..........",
                  ".........."});
    // A flat T over columns 1..3 is stopped by the block in column 2, row 2.
    EXPECT_EQ(field.find_lowest_row(mask(PIECE_T, UP), 1, state), 3);
    ASSERT_TRUE(field.drop_piece(Piece{PIECE_T, UP}, 1, state));
    EXPECT_EQ(field.get_cell(1, 3), CELL_T);
    EXPECT_EQ(field.get_cell(2, 4), CELL_T);
    EXPECT_EQ(field.get_cell(1, 2), CELL_EMPTY);
}

TEST_F(PlayFieldTest, AFullColumnRefusesThePieceAndLeavesTheFieldAlone) {
    state.deep_drop = false;
    PlayField field;
    for (int row = 0; row < PLAYFIELD_ROWS - 1; ++row) field.cells[0][row] = CELL_I;
    // Height 4 does not fit above row 19 of column 0.
    EXPECT_EQ(field.find_lowest_row(mask(PIECE_I, LEFT), 0, state), -1);
    const PlayField before = field;
    EXPECT_FALSE(field.drop_piece(Piece{PIECE_I, LEFT}, 0, state));
    EXPECT_EQ(0, memcmp(before.cells, field.cells, sizeof field.cells));
    // A flat I still fits on the top row.
    EXPECT_EQ(field.find_lowest_row(mask(PIECE_I, UP), 0, state), PLAYFIELD_ROWS - 1);
}

TEST_F(PlayFieldTest, DeepDropReachesACoveredHoleOfThePiecesShape) {
    PlayField field;
    paint(field, {"##########",
                  "#.########",
                  "#.########",
                  "#.########",
                  "#.########"});
    field.cells[1][4] = CELL_O;  // the lid over the hole
    state.deep_drop = true;
    EXPECT_EQ(field.find_lowest_row(mask(PIECE_I, LEFT), 1, state), 0);
    state.deep_drop = false;
    EXPECT_EQ(field.find_lowest_row(mask(PIECE_I, LEFT), 1, state), 5);
}

TEST_F(PlayFieldTest, DeepDropWithNoRoomAnywhereGivesMinusOne) {
    state.deep_drop = true;
    PlayField field;
    for (int row = 0; row < PLAYFIELD_ROWS; ++row) field.cells[4][row] = CELL_J;
    EXPECT_EQ(field.find_lowest_row(mask(PIECE_I, LEFT), 4, state), -1);
}

TEST_F(PlayFieldTest, ClearsEveryFullRowAndDropsThePartialRowsBetween) {
    PlayField field;
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
    EXPECT_EQ(field.get_cell(1, 1), CELL_EMPTY);
    EXPECT_EQ(blocks_in(field), 10);
}

TEST_F(PlayFieldTest, BigModeRowsAreFullWithFiveBlocks) {
    state.big_mode = true;
    PlayField field;
    paint(field, {"#####.....",
                  "####......"});
    EXPECT_TRUE(field.row_is_full(1, state));
    EXPECT_FALSE(field.row_is_full(0, state));
    EXPECT_EQ(field.line_clears(state), 1);
    EXPECT_EQ(blocks_in(field), 4);
    // Height is ten: a vertical I fits with its top on row 9, not above.
    for (int row = 0; row < 6; ++row) field.cells[4][row] = CELL_L;
    EXPECT_EQ(field.find_lowest_row(mask(PIECE_I, LEFT), 4, state), 6);
    field.cells[4][6] = CELL_L;
    state.deep_drop = false;
    EXPECT_EQ(field.find_lowest_row(mask(PIECE_I, LEFT), 4, state), -1);
}

TEST_F(PlayFieldTest, TheAxisColumnLandsInTheTypedColumn) {
    state.piece_mask_type = make_piece_mask_type(RIGHT_PIECE_MASK_NAME);
    PlayField field;
    ASSERT_TRUE(field.drop_piece(Piece{PIECE_I, UP}, 9, state));
    for (int column = 6; column <= 9; ++column) EXPECT_EQ(field.get_cell(column, 0), CELL_I);
    EXPECT_EQ(blocks_in(field), 4);
}

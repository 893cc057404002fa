#include "model/playfield.h"

#include <gtest/gtest.h>

#include "placement/placement.h"

namespace {

PieceMask mask(int type, Orientation orientation) { return piece_mask(placement_systems()[0], {type, orientation}); }
const PieceMask FLAT_I = mask(PIECE_I, Orientation::Up);
const PieceMask TALL_I = mask(PIECE_I, Orientation::Left);

void fill(PlayField& field, int row, int except_column = -1) {
    for (int column = 0; column < field.width(); ++column)
        if (column != except_column) field.set_cell(column, row, CELL_O);
}

}  // namespace

TEST(PlayField, APieceFallsOntoTheStackOrThroughItWithDeepDrop) {
    PlayField field;
    EXPECT_EQ(0, field.resting_row(FLAT_I, 0, false));
    // A covered hole of the I's shape in row 0: only deep drop reaches it.
    fill(field, 1);
    EXPECT_EQ(2, field.resting_row(FLAT_I, 0, false));
    EXPECT_EQ(0, field.resting_row(FLAT_I, 0, true));
    // A column full to the top has no room, with or without deep drop.
    for (int row = 0; row < 20; ++row) field.set_cell(3, row, CELL_Z);
    EXPECT_EQ(-1, field.resting_row(FLAT_I, 0, false));
    EXPECT_EQ(-1, field.resting_row(FLAT_I, 0, true));
    const PlayField before = field;
    EXPECT_FALSE(field.drop(TALL_I, CELL_I, 3, true));
    for (int row = 0; row < 20; ++row) EXPECT_EQ(before.cell(4, row), field.cell(4, row));
    // The top of the piece may reach the top row and no further.
    for (int row = 2; row < 16; ++row) field.set_cell(0, row, CELL_O);
    EXPECT_EQ(16, field.resting_row(TALL_I, 0, false));
    field.set_cell(0, 16, CELL_O);
    EXPECT_EQ(-1, field.resting_row(TALL_I, 0, false));
}

TEST(PlayField, ADropWritesItsCellsWhereItRests) {
    PlayField field;
    ASSERT_TRUE(field.drop(mask(PIECE_T, Orientation::Up), CELL_T, 2, false));
    EXPECT_EQ((std::vector<int>{CELL_T, CELL_T, CELL_T, CELL_EMPTY, CELL_T, CELL_EMPTY}),
              (std::vector<int>{field.cell(2, 0), field.cell(3, 0), field.cell(4, 0), field.cell(2, 1),
                                field.cell(3, 1), field.cell(4, 1)}));
}

TEST(PlayField, FullRowsGoAndTheRowsAboveComeDown) {
    PlayField field;
    for (int row = 0; row < 5; ++row) fill(field, row, row == 2 ? 0 : -1);
    field.set_cell(0, 19, CELL_S);
    EXPECT_EQ(4, field.clear_full_rows());
    EXPECT_EQ(std::make_pair(CELL_EMPTY, CELL_O), std::make_pair(field.cell(0, 0), field.cell(4, 0)));
    EXPECT_EQ(std::make_pair(CELL_S, CELL_EMPTY), std::make_pair(field.cell(0, 15), field.cell(0, 19)));
    EXPECT_EQ(0, field.clear_full_rows());
}

TEST(PlayField, BigModeUsesTheFiveByTenCorner) {
    PlayField field(true);
    EXPECT_EQ(std::make_pair(5, 10), std::make_pair(field.width(), field.height()));
    fill(field, 0);
    EXPECT_TRUE(field.row_is_full(0));
    // Ten rows: a tall I on six blocks reaches the top; on seven it has no room.
    for (int row = 1; row < 6; ++row) field.set_cell(4, row, CELL_O);
    EXPECT_EQ(6, field.resting_row(TALL_I, 4, false));
    field.set_cell(4, 6, CELL_O);
    EXPECT_EQ(-1, field.resting_row(TALL_I, 4, true));
    EXPECT_EQ(1, field.clear_full_rows());
    field.clear(false);
    EXPECT_EQ(std::make_pair(10, CELL_EMPTY), std::make_pair(field.width(), field.cell(4, 6)));
}

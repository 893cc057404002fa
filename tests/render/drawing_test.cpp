#include "render/drawing.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "support/fake_resources.h"
#include "support/recording_input.h"
#include "support/seams.h"

namespace {

using Placed = std::tuple<int, float, float>;

// The settled cells drawn for the width x height corner of the field, and how many were visited.
std::vector<Placed> drawn_cells(const PlayField& field, int width, int height, float size, int* visited) {
    std::vector<Placed> drawn;
    *visited = 0;
    for_each_playfield_cell(field, width, height, size, 220, 40, [&](Cell cell, float x, float y) {
        ++*visited;
        if (cell != CELL_EMPTY) drawn.emplace_back(cell, x, y);
    });
    return drawn;
}

std::vector<std::pair<float, float>> box_cells(const PieceMask& mask) {
    std::vector<std::pair<float, float>> cells;
    for_each_box_cell(mask, 440, 389, [&](float x, float y) { cells.emplace_back(x, y); });
    return cells;
}

}  // namespace

TEST(CellSprites, EachCellValueHasItsSlotUnderBothColourSettings) {
    // Cell values 0..7; with ARS, I, T, S and Z take each other's pictures.
    const int normal[8] = {-1, 0, 1, 2, 3, 4, 5, 6};
    const int ars[8] = {-1, 6, 1, 0, 3, 4, 2, 5};
    for (int cell = 0; cell < 8; ++cell) {
        EXPECT_EQ(cell_sprite_slot(cell, false), normal[cell]) << cell;
        EXPECT_EQ(cell_sprite_slot(cell, true), ars[cell]) << cell;
    }
    for (int cell : {-1, 8, 100})
        for (bool colours : {false, true}) EXPECT_EQ(cell_sprite_slot(cell, colours), -1);
}

TEST(PlayfieldCells, PlacesSettledCellsInNormalAndBigSize) {
    PlayField field;
    int visited = 0;
    EXPECT_TRUE(drawn_cells(field, 10, 20, 20, &visited).empty());
    EXPECT_EQ(visited, 200);
    field.set_cell(0, 0, PIECE_T);
    field.set_cell(9, 19, PIECE_I);
    EXPECT_EQ(drawn_cells(field, 10, 20, 20, &visited),
              (std::vector<Placed>{{CELL_I, 220 + 180, 40 + 380}, {CELL_T, 220, 40}}));

    // Big mode uses the 5 x 10 corner: column 4, row 9 ends where column 9, row 19 does.
    PlayField big;
    big.set_cell(4, 9, PIECE_Z);
    big.set_cell(5, 0, PIECE_O);
    big.set_cell(0, 10, PIECE_O);
    EXPECT_EQ(drawn_cells(big, 5, 10, 40, &visited), (std::vector<Placed>{{CELL_Z, 220 + 160, 40 + 360}}));
    EXPECT_EQ(visited, 50);
}

TEST(BoxCells, FollowTheMaskShiftedByItsPreviewOffset) {
    PieceMask upright_i;
    upright_i.set({1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}, 0, 3);
    EXPECT_EQ(box_cells(upright_i),
              (std::vector<std::pair<float, float>>{{500, 389}, {500, 409}, {500, 429}, {500, 449}}));
    PieceMask t_up;
    t_up.set({0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1, 1, 0}, 1, 0);
    EXPECT_EQ(box_cells(t_up),
              (std::vector<std::pair<float, float>>{{440, 389}, {460, 389}, {460, 409}, {480, 389}}));
}

TEST(RotationGuide, IsHandedToTheInputSchemeOnlyWhenSwitchedOn) {
    ScriptedRandom random;
    FakeResources resources;
    GameState state;
    InputRecord record;
    state.input_type = std::make_unique<RecordingInput>(&record);
    draw_rotation_guide(state, resources);
    EXPECT_EQ(record.guides, 0);
    state.rotation_guide = true;
    draw_rotation_guide(state, resources);
    EXPECT_EQ(record.guides, 1);
}

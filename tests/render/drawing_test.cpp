#include "render/drawing.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "support/fake_resources.h"
#include "support/seams.h"

namespace {

using Placed = std::tuple<int, float, float>;

std::vector<Placed> drawn_cells(const PlayField& field, int width, int height, float size) {
    std::vector<Placed> drawn;
    for_each_playfield_cell(field, width, height, size, 220, 40, [&](Cell cell, float x, float y) {
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
    // Cell values 0..7; -1 draws nothing.
    const int normal[8] = {-1, 0, 1, 2, 3, 4, 5, 6};
    const int ars[8] = {-1, 6, 1, 0, 3, 4, 2, 5};
    for (int cell = 0; cell < 8; ++cell) {
        EXPECT_EQ(cell_sprite_slot(cell, false), normal[cell]) << cell;
        EXPECT_EQ(cell_sprite_slot(cell, true), ars[cell]) << cell;
    }
    for (int cell : {-1, 8, 100})
        for (bool colours : {false, true}) EXPECT_EQ(cell_sprite_slot(cell, colours), -1);
}

TEST(CellSprites, ArsRotatesThePicturesOfITSAndZ) {
    // I takes Z's picture, Z takes S's, S takes T's and T takes I's.
    EXPECT_EQ(cell_sprite_slot(CELL_I, true), cell_sprite_slot(CELL_Z, false));
    EXPECT_EQ(cell_sprite_slot(CELL_Z, true), cell_sprite_slot(CELL_S, false));
    EXPECT_EQ(cell_sprite_slot(CELL_S, true), cell_sprite_slot(CELL_T, false));
    EXPECT_EQ(cell_sprite_slot(CELL_T, true), cell_sprite_slot(CELL_I, false));
}

TEST(PieceToCell, TypesMapToTheirCellValues) {
    for (int type = PIECE_I; type <= PIECE_Z; ++type) {
        Piece piece{type, UP};
        EXPECT_EQ(piece_to_cell(piece), type + 1);
    }
}

TEST(PlayfieldCells, PlacesSettledCellsInNormalAndBigSize) {
    PlayField field;
    EXPECT_TRUE(drawn_cells(field, 10, 20, 20).empty());

    field.set_cell(0, 0, PIECE_T);
    field.set_cell(9, 19, PIECE_I);
    EXPECT_EQ(drawn_cells(field, 10, 20, 20),
              (std::vector<Placed>{{CELL_I, 220 + 180, 40 + 380}, {CELL_T, 220, 40}}));

    // Big mode uses the 5 x 10 corner: column 4, row 9 ends where column 9, row 19 does.
    PlayField big;
    big.set_cell(4, 9, PIECE_Z);
    big.set_cell(5, 0, PIECE_O);
    big.set_cell(0, 10, PIECE_O);
    EXPECT_EQ(drawn_cells(big, 5, 10, 40), (std::vector<Placed>{{CELL_Z, 220 + 160, 40 + 360}}));
}

TEST(PlayfieldCells, VisitsEveryCellOfTheFieldInUse) {
    PlayField field;
    int visited = 0;
    for_each_playfield_cell(field, 5, 10, 40, 0, 0, [&](Cell, float, float) { ++visited; });
    EXPECT_EQ(visited, 50);
    visited = 0;
    for_each_playfield_cell(field, 10, 20, 20, 0, 0, [&](Cell, float, float) { ++visited; });
    EXPECT_EQ(visited, 200);
}

TEST(BoxCells, FollowTheMaskShiftedByItsPreviewOffset) {
    PieceMask flat_i;
    flat_i.set({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1}, 0, 0);
    EXPECT_EQ(box_cells(flat_i), (std::vector<std::pair<float, float>>{
                                     {440, 389}, {460, 389}, {480, 389}, {500, 389}}));

    PieceMask upright_i;
    upright_i.set({1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}, 0, 3);
    EXPECT_EQ(box_cells(upright_i), (std::vector<std::pair<float, float>>{
                                        {500, 389}, {500, 409}, {500, 429}, {500, 449}}));

    PieceMask t_up;
    t_up.set({0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1, 1, 0}, 1, 0);
    EXPECT_EQ(box_cells(t_up), (std::vector<std::pair<float, float>>{
                                   {440, 389}, {460, 389}, {460, 409}, {480, 389}}));
}

namespace {

class GuideRecorder : public InputType {
public:
    explicit GuideRecorder(int* calls) : calls_(calls) {}
    void process_keypress(KeyCode, GameState&, Resources&) override {}
    void draw_column_highlights(float, float, Resources&, GameState&) override {}
    void draw_key_legend(float, float, Resources&, GameState&) override {}
    void draw_rotation_guide(GameState&, Resources&) override { ++*calls_; }
    std::string get_name() const override { return "recorder"; }

private:
    int* calls_;
};

}  // namespace

TEST(RotationGuide, IsHandedToTheInputSchemeOnlyWhenSwitchedOn) {
    ScriptedRandom random;
    FakeResources resources;
    GameState state;
    int calls = 0;
    state.input_type = std::make_unique<GuideRecorder>(&calls);
    state.rotation_guide = false;
    draw_rotation_guide(state, resources);
    EXPECT_EQ(calls, 0);
    state.rotation_guide = true;
    draw_rotation_guide(state, resources);
    EXPECT_EQ(calls, 1);
}

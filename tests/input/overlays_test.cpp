#include "input/overlays.h"

#include <gtest/gtest.h>

#include <set>

#include "model/gamestate.h"

namespace {

class OverlaysTest : public ::testing::Test {
protected:
    GameState state;
    std::set<KeyCode> down;
    KeyHeld held = [this](KeyCode key) { return down.count(key) > 0; };

    OverlaysTest() { state.started = true; }

    std::string labels(OverlayRows rows) {
        std::string text;
        for (const LegendLabel& label : key_legend(220, state, rows, held))
            text += label.pressed ? "[" + label.text + "]" : label.text;
        return text;
    }
};

}  // namespace

TEST_F(OverlaysTest, TheLegendShowsTheFirstHeldRowOfEachColumn) {
    EXPECT_EQ(labels(OverlayRows::ALL_FOUR), "ASDFGHJKL;");
    down = {'a', 'z', 'x', 'q', 'e', '3', '0'};
    EXPECT_EQ(labels(OverlayRows::ALL_FOUR), "[A][X][E]FGHJKL[0]");
    down = {'q', '1', ','};
    EXPECT_EQ(labels(OverlayRows::ALL_FOUR), "[Q]SDFGHJ[,]L;");
    // The 10-key scheme only lights its home row.
    down = {'q', 's'};
    EXPECT_EQ(labels(OverlayRows::HOME_ONLY), "A[S]DFGHJKL;");
}

TEST_F(OverlaysTest, TheBigLegendReadsTheMiddleFiveColumns) {
    state.big_mode = true;
    EXPECT_EQ(labels(OverlayRows::ALL_FOUR), "FGHJK");
    down = {'a', 's', 'd', 'l', ';', '9', 'o', '/'};
    EXPECT_EQ(labels(OverlayRows::ALL_FOUR), "FGHJK");
    EXPECT_TRUE(column_highlights(220, state, OverlayRows::ALL_FOUR, held).empty());
    down = {'v', 'i'};
    EXPECT_EQ(labels(OverlayRows::ALL_FOUR), "[V]GHJ[I]");
    const auto legend = key_legend(220, state, OverlayRows::ALL_FOUR, held);
    EXPECT_FLOAT_EQ(legend[0].x, 234);
    EXPECT_FLOAT_EQ(legend[4].x, 394);
}

TEST_F(OverlaysTest, HeldColumnsLightTheirBarsOnlyOnceTheGameRuns) {
    down = {'a', 'm'};
    EXPECT_EQ(column_highlights(220, state, OverlayRows::ALL_FOUR, held), (std::vector<float>{220, 340}));
    EXPECT_EQ(column_highlights(220, state, OverlayRows::HOME_ONLY, held), (std::vector<float>{220}));
    state.big_mode = true;
    down = {'h'};
    EXPECT_EQ(column_highlights(220, state, OverlayRows::HOME_ONLY, held), (std::vector<float>{300, 320}));
    state.started = false;
    EXPECT_TRUE(column_highlights(220, state, OverlayRows::ALL_FOUR, held).empty());
}

TEST_F(OverlaysTest, AKeyIsHeldThroughItsBindingAndNeverThroughAHostileOne) {
    uint8_t keyboard[323] = {};
    keyboard['q'] = 1;
    EXPECT_TRUE(key_held(state, 'q', keyboard, 323));
    EXPECT_FALSE(key_held(state, 'a', keyboard, 323));
    state.key_config.bindings[10] = 'q';  // letter a on physical Q
    EXPECT_TRUE(key_held(state, 'a', keyboard, 323));
    EXPECT_TRUE(key_held(state, 'q', keyboard, 323));
    for (KeyCode hostile : {-1, -2147483647 - 1, 323, 99999, 2147483647}) {
        state.key_config.bindings[10] = hostile;
        EXPECT_FALSE(key_held(state, 'a', keyboard, 323));
    }
    state.key_config.bindings[10] = 'q';
    state.started = false;
    EXPECT_FALSE(key_held(state, 'a', keyboard, 323));
}

TEST_F(OverlaysTest, GuideStripsFollowThePlacementSystem) {
    state.active_piece = Piece{PIECE_T, UP};
    const std::pair<std::string, float> expected[] = {
        {LEFT_PIECE_MASK_NAME, 440}, {CENTER_PIECE_MASK_NAME, 460}, {RIGHT_PIECE_MASK_NAME, 500}};
    for (const auto& [system, x] : expected) {
        state.piece_mask_type = make_piece_mask_type(system);
        for (const GuideSlot& slot : forty_key_guide(state, TURN_CCW)) EXPECT_FLOAT_EQ(slot.axis_x, x) << system;
        for (const GuideSlot& slot : ten_key_guide(state)) EXPECT_FLOAT_EQ(slot.axis_x, x) << system;
    }
    state.piece_mask_type = make_piece_mask_type(RIGHT_LOWEST_PIECE_MASK_NAME);
    std::set<float> xs;
    for (const GuideSlot& slot : forty_key_guide(state, TURN_CCW)) xs.insert(slot.axis_x);
    EXPECT_GT(xs.size(), 1u);
}

TEST_F(OverlaysTest, GuidesShowWhatEachRowOrKeyWouldDo) {
    state.active_piece = Piece{PIECE_T, UP};
    const auto forty = forty_key_guide(state, TURN_CCW);
    ASSERT_EQ(forty.size(), 5u);
    EXPECT_FALSE(forty[0].draw_piece);
    EXPECT_FLOAT_EQ(forty[0].y, 389);
    const std::pair<float, Orientation> rows[] = {{130, UP}, {230, LEFT}, {330, DOWN}, {30, RIGHT}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(forty[i + 1].y, rows[i].first);
        EXPECT_EQ(forty[i + 1].piece.orientation, rows[i].second);
        EXPECT_EQ(forty[i + 1].strip, rows[i].first == 330 ? 2 : 4);
    }
    EXPECT_EQ(forty_key_guide(state, TURN_CW)[2].piece.orientation, RIGHT);

    const auto ten = ten_key_guide(state);
    ASSERT_EQ(ten.size(), 4u);
    EXPECT_EQ(ten[1].piece.orientation, LEFT);
    EXPECT_EQ(ten[2].piece.orientation, DOWN);
    EXPECT_EQ(ten[3].piece.orientation, RIGHT);
    EXPECT_EQ(state.active_piece.orientation, UP);
}

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

TEST_F(OverlaysTest, GuidesShowWhereEachRowOrKeyLeavesThePieceAndItsAxis) {
    // Each slot as y, orientation, strip length and axis x; '-' where no piece is drawn. Under
    // this system the axis moves as the T turns.
    const auto text = [](const std::vector<GuideSlot>& slots) {
        std::string shown;
        for (const GuideSlot& slot : slots)
            shown += std::to_string(int(slot.y)) + "ULRD"[slot.piece.orientation] + std::to_string(slot.strip) + "@" +
                     std::to_string(int(slot.axis_x)) + (slot.draw_piece ? " " : "- ");
        return shown;
    };
    state.active_piece = Piece{PIECE_T, UP};
    state.piece_mask_type = make_piece_mask_type(RIGHT_LOWEST_PIECE_MASK_NAME);
    EXPECT_EQ(text(forty_key_guide(state, TURN_CCW)), "389U4@500- 130U4@500 230L4@500 330D2@480 30R4@480 ");
    EXPECT_EQ(text(forty_key_guide(state, TURN_CW)), "389U4@500- 130U4@500 230R4@480 330D2@480 30L4@500 ");
    EXPECT_EQ(text(ten_key_guide(state)), "389U4@500- 290L4@500 190D4@480 90R4@480 ");
    EXPECT_EQ(state.active_piece.orientation, UP);
}

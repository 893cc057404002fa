#include "model/gameactions.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/gamestate.h"
#include "support/fake_resources.h"
#include "support/fields.h"
#include "support/seams.h"

namespace {

class GameActionsTest : public ::testing::Test {
protected:
    FakeClock clock{1000};
    ScriptedRandom random{{0, 1, 2, 3, 4, 5, 6}};
    SoundLog sounds;
    FakeResources resources;
    GameState state;

    void deal_only(const std::string& randomizer) {
        state.randomizer = make_randomizer(randomizer);
        state.reset();
        state.started = true;
    }
    // Fills rows 0..count-1 but for column 9, so that a vertical I there clears them all.
    void fill_rows_but_last_column(int count) {
        for (int row = 0; row < count; ++row)
            for (int column = 0; column < 9; ++column) state.playfield.cells[column][row] = CELL_O;
    }
    bool drop_vertical_i_in_last_column() {
        state.active_piece = Piece{PIECE_I, LEFT};
        return drop_active_piece(9, state, resources);
    }
};

}  // namespace

TEST_F(GameActionsTest, ColumnClampKeepsThePieceInsideTheField) {
    state.piece_mask_type = make_piece_mask_type(CENTER_PIECE_MASK_NAME);
    const Piece flat_i{PIECE_I, UP};  // width 4, axis column 1
    const Piece tall_i{PIECE_I, LEFT};
    for (bool big : {false, true}) {
        state.big_mode = big;
        const int last = state.get_playfield_width() - 1;
        EXPECT_EQ(column_clamp(flat_i, 0, state), 1);
        EXPECT_EQ(column_clamp(flat_i, 1, state), 1);
        EXPECT_EQ(column_clamp(flat_i, last, state), last - 2);
        EXPECT_EQ(column_clamp(flat_i, last - 2, state), last - 2);
        EXPECT_EQ(column_clamp(tall_i, last, state), last);
        EXPECT_EQ(column_clamp(tall_i, 0, state), 0);
    }
}

TEST_F(GameActionsTest, AClampedDropLandsAtTheEdgeAndSoundsLikeTheTypedColumn) {
    state.piece_mask_type = make_piece_mask_type(CENTER_PIECE_MASK_NAME);
    deal_only(ICHEAT_RANDOMIZER_NAME);
    ASSERT_TRUE(drop_active_piece(9, state, resources));
    for (int column = 6; column <= 9; ++column) EXPECT_EQ(state.playfield.cells[column][0], CELL_I);
    EXPECT_EQ(sounds.count(resources.dropSounds[9][0]), 1);
    EXPECT_TRUE(state.history_valid);
}

TEST_F(GameActionsTest, WithoutClampingAPieceStickingOutIsRefusedUntouched) {
    state.piece_mask_type = make_piece_mask_type(CENTER_PIECE_MASK_NAME);
    state.column_clamp = false;
    deal_only(ICHEAT_RANDOMIZER_NAME);
    for (bool big : {false, true}) {
        state.big_mode = big;
        const int last = state.get_playfield_width() - 1;
        const bool undo_before = state.history_valid;
        EXPECT_FALSE(drop_active_piece(last, state, resources));
        EXPECT_FALSE(drop_active_piece(0, state, resources));
        EXPECT_EQ(blocks_in(state.playfield), 0);
        EXPECT_EQ(state.history_valid, undo_before);
        EXPECT_TRUE(drop_active_piece(1, state, resources));
        state.playfield.clear();
    }
    EXPECT_TRUE(sounds.count(resources.dropSounds[1][0]) == 2);
}

TEST_F(GameActionsTest, ADropIntoAFullColumnChangesNoCounter) {
    deal_only(ICHEAT_RANDOMIZER_NAME);
    state.deep_drop = false;
    for (int row = 0; row < PLAYFIELD_ROWS; ++row) state.playfield.cells[9][row] = CELL_T;
    const Piece next = state.previews[0];
    EXPECT_FALSE(drop_vertical_i_in_last_column());
    EXPECT_EQ(state.pieces, 0);
    EXPECT_EQ(state.previews[0].type, next.type);
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(GameActionsTest, FortyLinesWarnsOnceAndThenFinishes) {
    deal_only(ICHEAT_RANDOMIZER_NAME);
    state.lines = 33;
    fill_rows_but_last_column(2);
    ASSERT_TRUE(drop_vertical_i_in_last_column());
    EXPECT_EQ(state.lines, 35);
    EXPECT_TRUE(state.hurry);
    EXPECT_EQ(sounds.count(resources.hurrySound), 1);
    EXPECT_EQ(sounds.count(resources.dropSounds[9][2]), 1);

    state.playfield.clear();
    state.lines = 38;
    fill_rows_but_last_column(2);
    clock.set(46123);
    ASSERT_TRUE(drop_vertical_i_in_last_column());
    EXPECT_EQ(state.lines, 40);
    EXPECT_TRUE(state.finished);
    EXPECT_EQ(state.end_ticks, 46123u);
    EXPECT_TRUE(state.screenshot_pending);
    EXPECT_EQ(sounds.count(resources.finishSound), 1);
    EXPECT_EQ(sounds.count(resources.hurrySound), 1);
}

TEST_F(GameActionsTest, AFinishingDropWithoutAutoScreenshotAsksForNone) {
    deal_only(ICHEAT_RANDOMIZER_NAME);
    state.auto_screenshot = false;
    state.lines = 39;
    fill_rows_but_last_column(1);
    ASSERT_TRUE(drop_vertical_i_in_last_column());
    EXPECT_TRUE(state.finished);
    EXPECT_FALSE(state.screenshot_pending);
}

TEST_F(GameActionsTest, OtherModesNeitherWarnNorFinishOnLines) {
    for (int mode : {GAME_MODE_2_MINUTES, GAME_MODE_ENDLESS}) {
        state.game_mode = mode;
        deal_only(ICHEAT_RANDOMIZER_NAME);
        state.lines = 38;
        fill_rows_but_last_column(4);
        ASSERT_TRUE(drop_vertical_i_in_last_column());
        EXPECT_EQ(state.lines, 42);
        EXPECT_FALSE(state.finished || state.hurry);
    }
    EXPECT_TRUE(sounds.count(resources.hurrySound) == 0 && sounds.count(resources.finishSound) == 0);
}

TEST_F(GameActionsTest, AfterTheEndPiecesStillLandButNothingIsCounted) {
    deal_only(ICHEAT_RANDOMIZER_NAME);
    state.finished = true;
    state.lines = 40;
    state.pieces = 50;
    fill_rows_but_last_column(1);
    ASSERT_TRUE(drop_vertical_i_in_last_column());
    EXPECT_EQ(state.pieces, 50);
    EXPECT_EQ(state.lines, 40);
    EXPECT_EQ(state.playfield.cells[0][0], CELL_O);
    EXPECT_EQ(state.playfield.cells[9][0], CELL_I);
    EXPECT_EQ(sounds.count(resources.dropSounds[9][0]), 1);
}

TEST_F(GameActionsTest, MusicModePlaysTheColumnAndDropsNothing) {
    deal_only(BAG_RANDOMIZER_NAME);
    state.music_mode = true;
    const Piece active = state.active_piece;
    EXPECT_FALSE(drop_active_piece(4, state, resources));
    EXPECT_EQ(blocks_in(state.playfield), 0);
    EXPECT_EQ(state.pieces, 0);
    EXPECT_EQ(state.active_piece.type, active.type);
    EXPECT_FALSE(state.history_valid);
    ASSERT_EQ(sounds.played().size(), 1u);
    EXPECT_EQ(sounds.played()[0], resources.dropSounds[4][0]);
}

TEST_F(GameActionsTest, SoundOffPlaysNothing) {
    deal_only(ICHEAT_RANDOMIZER_NAME);
    state.sound = false;
    state.lines = 39;
    fill_rows_but_last_column(1);
    ASSERT_TRUE(drop_vertical_i_in_last_column());
    hold_active_piece(state, resources);
    state.music_mode = true;
    drop_active_piece(2, state, resources);
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(GameActionsTest, ShiftingMovesTheQueueUpAndDealsOneAtTheEnd) {
    state.randomizer = make_randomizer(RANDOM_RANDOMIZER_NAME);
    state.piece_previews = 3;
    state.reset();
    const Piece queue[] = {state.previews[0], state.previews[1], state.previews[2]};
    ScriptedRandom next{{5}};
    shift_new_piece(state);
    EXPECT_EQ(state.active_piece.type, queue[0].type);
    EXPECT_EQ(state.previews[0].type, queue[1].type);
    EXPECT_EQ(state.previews[1].type, queue[2].type);
    EXPECT_EQ(state.previews[2].type, PIECE_S);
}

TEST_F(GameActionsTest, HoldIntoAnEmptySlotDealsTheNextPieceOnce) {
    state.double_hold = false;
    deal_only(BAG_RANDOMIZER_NAME);
    const Piece active = state.active_piece;
    const Piece next = state.previews[0];
    hold_active_piece(state, resources);
    EXPECT_EQ(state.hold_piece.type, active.type);
    EXPECT_EQ(state.active_piece.type, next.type);
    EXPECT_TRUE(state.hold_used);
    EXPECT_TRUE(state.history_valid);
    EXPECT_EQ(sounds.count(resources.holdSound), 1);

    // Without double hold a second hold waits for the next drop.
    hold_active_piece(state, resources);
    EXPECT_EQ(state.active_piece.type, next.type);
    EXPECT_EQ(sounds.count(resources.holdSound), 1);
    ASSERT_TRUE(drop_active_piece(5, state, resources));
    EXPECT_FALSE(state.hold_used);
    hold_active_piece(state, resources);
    EXPECT_EQ(state.active_piece.type, active.type);
}

TEST_F(GameActionsTest, DoubleHoldSwapsBackAndForth) {
    deal_only(BAG_RANDOMIZER_NAME);
    const Piece first = state.active_piece;
    hold_active_piece(state, resources);
    const Piece second = state.active_piece;
    hold_active_piece(state, resources);
    EXPECT_EQ(state.active_piece.type, first.type);
    EXPECT_EQ(state.hold_piece.type, second.type);
    hold_active_piece(state, resources);
    EXPECT_EQ(state.active_piece.type, second.type);
    EXPECT_FALSE(state.hold_used);
}

TEST_F(GameActionsTest, AHeldPieceKeepsItsTurnOnlyWithHoldOrientation) {
    for (bool keep : {false, true}) {
        state.hold_orient = keep;
        deal_only(ICHEAT_RANDOMIZER_NAME);
        state.active_piece.rotate_cw();
        hold_active_piece(state, resources);
        EXPECT_EQ(state.hold_piece.orientation, keep ? RIGHT : UP);
    }
}

TEST_F(GameActionsTest, UndoingAHoldGivesTheSamePiecesAgain) {
    state.practice_mode = true;
    deal_only(BAG_RANDOMIZER_NAME);
    const Piece active = state.active_piece;
    hold_active_piece(state, resources);
    const Piece dealt = state.previews[9];
    state.rewindHistory();
    EXPECT_EQ(state.hold_piece.type, NO_PIECE);
    EXPECT_EQ(state.active_piece.type, active.type);
    hold_active_piece(state, resources);
    EXPECT_EQ(state.previews[9].type, dealt.type);
}

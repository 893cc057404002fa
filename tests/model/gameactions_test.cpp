#include "model/gameactions.h"

#include <gtest/gtest.h>

#include "model/gamestate.h"
#include "support/fields.h"
#include "support/game.h"

namespace {

class GameActionsTest : public GameFixture, public ::testing::Test {
protected:
    FakeClock clock{1000};

    void deal_only(const std::string& randomizer) {
        state.randomizer = make_randomizer(randomizer);
        start_game();
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

TEST_F(GameActionsTest, ColumnClampPullsAPieceBackFromEitherEdgeOrTheDropIsRefused) {
    state.piece_mask_type = make_piece_mask_type(CENTER_PIECE_MASK_NAME);
    deal_only(ICHEAT_RANDOMIZER_NAME);  // a flat I: four wide, its axis in its second column
    for (bool big : {false, true})
        for (bool clamp : {true, false}) {
            state.big_mode = big;
            state.column_clamp = clamp;
            const int last = state.get_playfield_width() - 1;
            // The typed column, and the column the axis can land in.
            for (auto [typed, axis] : {std::pair{0, 1}, {1, 1}, {last, last - 2}, {last - 2, last - 2}}) {
                SCOPED_TRACE(testing::Message() << "big " << big << " clamp " << clamp << " typed " << typed);
                state.playfield.clear();
                sounds.clear();
                const bool undo_before = state.history_valid;
                EXPECT_EQ(column_clamp(state.active_piece, typed, state), axis);
                const bool dropped = drop_active_piece(typed, state, resources);
                EXPECT_EQ(dropped, clamp || typed == axis);
                std::string bottom;
                for (int column = 0; column <= last; ++column) bottom += state.playfield.cells[column][0] ? 'I' : '.';
                EXPECT_EQ(bottom, dropped ? std::string(axis - 1, '.') + "IIII" + std::string(last - axis - 2, '.')
                                          : std::string(last + 1, '.'));
                EXPECT_EQ(state.history_valid, dropped || undo_before);
                // A clamped drop still sounds like the key that was typed.
                EXPECT_EQ(sounds.played(), dropped ? std::vector<Mix_Chunk*>{resources.dropSounds[typed][0]}
                                                   : std::vector<Mix_Chunk*>{});
            }
            EXPECT_EQ(column_clamp(Piece{PIECE_I, LEFT}, 0, state), 0);
            EXPECT_EQ(column_clamp(Piece{PIECE_I, LEFT}, last, state), last);
        }
}

TEST_F(GameActionsTest, FortyLinesWarnsOnceAndThenFinishesHeardOnlyWithSound) {
    for (bool on : {true, false}) {
        deal_only(ICHEAT_RANDOMIZER_NAME);
        state.sound = state.auto_screenshot = on;
        sounds.clear();
        state.lines = 33;
        fill_rows_but_last_column(2);
        ASSERT_TRUE(drop_vertical_i_in_last_column());
        EXPECT_EQ(state.lines, 35);
        EXPECT_TRUE(state.hurry);
        EXPECT_FALSE(state.finished);

        state.playfield.clear();
        state.lines = 38;
        fill_rows_but_last_column(2);
        clock.set(46123);
        ASSERT_TRUE(drop_vertical_i_in_last_column());
        EXPECT_EQ(state.lines, 40);
        EXPECT_TRUE(state.finished);
        EXPECT_EQ(state.end_ticks, 46123u);
        EXPECT_EQ(state.screenshot_pending, on);
        const std::vector<Mix_Chunk*> heard = {resources.hurrySound, resources.dropSounds[9][2],
                                               resources.finishSound, resources.dropSounds[9][2]};
        EXPECT_EQ(sounds.played(), on ? heard : std::vector<Mix_Chunk*>{});
    }
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
    EXPECT_EQ(sounds.count(resources.hurrySound) + sounds.count(resources.finishSound), 0);
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
    EXPECT_EQ(sounds.played(), std::vector<Mix_Chunk*>{resources.dropSounds[4][0]});
    state.sound = false;
    EXPECT_FALSE(drop_active_piece(4, state, resources));
    EXPECT_EQ(sounds.played().size(), 1u);
}

TEST_F(GameActionsTest, ShiftingMovesTheQueueUpAndDealsOneAtTheEnd) {
    ScriptedRandom in_order{{0, 1, 2, 3, 5}};
    state.randomizer = make_randomizer(RANDOM_RANDOMIZER_NAME);
    state.piece_previews = 3;
    state.reset();  // I, then O T L
    shift_new_piece(state);
    EXPECT_EQ(state.active_piece.type, PIECE_O);
    EXPECT_EQ(state.previews[0].type, PIECE_T);
    EXPECT_EQ(state.previews[1].type, PIECE_L);
    EXPECT_EQ(state.previews[2].type, PIECE_S);
}

TEST_F(GameActionsTest, HoldSwapsOncePerDropUnlessDoubleHoldIsOn) {
    for (bool double_hold : {false, true}) {
        state.double_hold = double_hold;
        deal_only(BAG_RANDOMIZER_NAME);
        sounds.clear();
        const int first = state.active_piece.type, second = state.previews[0].type;
        hold_active_piece(state, resources);  // into the empty slot: the next piece comes
        EXPECT_EQ(state.hold_piece.type, first);
        EXPECT_EQ(state.active_piece.type, second);
        hold_active_piece(state, resources);
        EXPECT_EQ(state.active_piece.type, double_hold ? first : second);
        EXPECT_EQ(state.hold_piece.type, double_hold ? second : first);
        EXPECT_EQ(sounds.count(resources.holdSound), double_hold ? 2 : 1);
        // A drop frees the hold again.
        ASSERT_TRUE(drop_active_piece(5, state, resources));
        hold_active_piece(state, resources);
        EXPECT_EQ(sounds.count(resources.holdSound), double_hold ? 3 : 2);
    }
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

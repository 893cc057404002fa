#include "model/actions.h"

#include <gtest/gtest.h>

#include "support/seams.h"

namespace {

class Actions : public ::testing::Test {
protected:
    Actions() {
        game.settings.placement_system = find_kind(placement_systems(), "Center-aligned");
        game.reset();
        game.sounds.clear();
    }
    // A vertical I into the last column, beside `rows` rows filled but for that column.
    bool drop_clearing(int rows) {
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < 9; ++column) game.playfield.set_cell(column, row, CELL_O);
        game.active_piece = {PIECE_I, Orientation::Left};
        return drop_active_piece(game, 9);
    }

    FakeClock clock{1000};
    ScriptedRandom random;
    Game game;
};

}  // namespace

TEST_F(Actions, ColumnsOutsideTheFieldAreClampedOrRefused) {
    // Centre-aligned: a flat I has its axis in its second column.
    const Piece flat_i{PIECE_I, Orientation::Up};
    EXPECT_EQ(1, column_clamp(game, flat_i, 0));
    EXPECT_EQ(7, column_clamp(game, flat_i, 7));
    EXPECT_EQ(7, column_clamp(game, flat_i, 9));
    EXPECT_EQ(9, column_clamp(game, {PIECE_I, Orientation::Left}, 9));
    game.active_piece = flat_i;
    ASSERT_TRUE(drop_active_piece(game, 9));
    EXPECT_EQ(CELL_I, game.playfield.cell(6, 0));
    // The typed column picks the note, the cleared lines its variant.
    EXPECT_EQ((std::vector<SoundCue>{{Sound::Drop, 9, 0}}), game.sounds);
    game.settings.column_clamp = false;
    game.active_piece = flat_i;
    game.can_undo = false;
    EXPECT_FALSE(drop_active_piece(game, 9));
    EXPECT_FALSE(game.can_undo);
    EXPECT_EQ(1, game.pieces);
    game.settings.music_mode = true;
    EXPECT_FALSE(drop_active_piece(game, 4));
    EXPECT_EQ((SoundCue{Sound::Drop, 4, 0}), game.sounds.back());
}

TEST_F(Actions, ADropCountsShiftsTheQueueAndFortyLinesWarnsAtThirtyFiveAndEndsAtForty) {
    game.settings.piece_previews = 2;
    game.reset();
    const int next = game.previews[0].type, after = game.previews[1].type;
    game.hold_used = true;
    game.lines = 33;
    ASSERT_TRUE(drop_clearing(2));
    EXPECT_EQ(std::make_pair(1, 35), std::make_pair(game.pieces, game.lines));
    EXPECT_EQ(std::make_pair(next, after), std::make_pair(game.active_piece.type, game.previews[0].type));
    EXPECT_FALSE(game.hold_used);
    EXPECT_TRUE(game.hurry);
    EXPECT_FALSE(game.finished);
    game.lines = 38;
    clock.set(46123);
    ASSERT_TRUE(drop_clearing(2));
    EXPECT_EQ(46123u, game.end_ticks);
    EXPECT_TRUE(game.finished && game.screenshot_pending);
    EXPECT_EQ((std::vector<SoundCue>{{Sound::Hurry}, {Sound::Drop, 9, 2}, {Sound::Finish}, {Sound::Drop, 9, 2}}),
              game.sounds);
    // Frozen: more drops place pieces but count nothing.
    ASSERT_TRUE(drop_clearing(1));
    EXPECT_EQ(std::make_pair(2, 40), std::make_pair(game.pieces, game.lines));
    // No screenshot without the setting; no end at all in the other modes.
    for (GameMode mode : {GameMode::FortyLines, GameMode::Endless}) {
        game.settings.auto_screenshot = false;
        game.settings.game_mode = mode;
        game.reset();
        game.lines = 39;
        ASSERT_TRUE(drop_clearing(1));
        EXPECT_FALSE(game.screenshot_pending);
        EXPECT_EQ(mode == GameMode::FortyLines, game.finished);
    }
}

TEST_F(Actions, HoldSwapsWithTheSlotOncePerPieceWithoutDoubleHold) {
    game.settings.piece_previews = 1;
    game.reset();
    game.active_piece = {PIECE_T, Orientation::Right};
    const int next = game.previews[0].type;
    hold_active_piece(game);
    EXPECT_EQ((std::vector<int>{PIECE_T, next}), (std::vector<int>{game.hold_piece.type, game.active_piece.type}));
    EXPECT_EQ(Orientation::Up, game.hold_piece.orientation);
    EXPECT_TRUE(game.can_undo);
    hold_active_piece(game);
    EXPECT_EQ(PIECE_T, game.active_piece.type);
    EXPECT_EQ(Sound::Hold, game.sounds.back().sound);
    game.settings.double_hold = false;
    game.settings.hold_orient = true;
    game.active_piece.orientation = Orientation::Left;
    hold_active_piece(game);
    EXPECT_EQ(Orientation::Left, game.hold_piece.orientation);
    hold_active_piece(game);
    EXPECT_EQ(PIECE_T, game.hold_piece.type);
}

TEST_F(Actions, TwoMinutesWarnInTheLastTenSecondsAndEndAtExactlyTwoMinutes) {
    const uint32_t start = 0xFFFFF000u;  // across the wrap of the clock
    start_play(game, start);
    EXPECT_TRUE(game.started);
    EXPECT_FALSE(game.can_undo);
    game.settings.game_mode = GameMode::TwoMinutes;
    game.sounds.clear();
    for (uint32_t at : {109999u, 110000u, 119999u, 120500u}) {
        check_time_limit(game, start + at);
        EXPECT_EQ(at >= 110000, game.hurry) << at;
        EXPECT_EQ(at >= 120000, game.finished) << at;
    }
    EXPECT_EQ(start + TWO_MINUTES_MS, game.end_ticks);
    // An undo after the end brings the game back; it ends again without a second warning.
    game.finished = false;
    check_time_limit(game, start + 130000);
    EXPECT_EQ((std::vector<SoundCue>{{Sound::Hurry}, {Sound::Finish}, {Sound::Finish}}), game.sounds);
    // Not before play begins, and never in the other modes.
    Game waiting;
    waiting.settings.game_mode = GameMode::TwoMinutes;
    check_time_limit(waiting, 0);
    waiting.settings.game_mode = GameMode::Endless;
    check_time_limit(waiting, 200000);
    EXPECT_FALSE(waiting.finished || waiting.hurry);
}

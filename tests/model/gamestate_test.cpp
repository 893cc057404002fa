#include "model/gamestate.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/gameactions.h"
#include "support/fake_resources.h"
#include "support/seams.h"

namespace {

// "Random" deals rand() % 7, so a script of 0..6 deals the types in order.
class GameStateTest : public ::testing::Test {
protected:
    ScriptedRandom random{{0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 4, 5}};
    SoundLog sounds;
    FakeResources resources;
    GameState state;

    void use_random_randomizer() { state.randomizer = make_randomizer(RANDOM_RANDOMIZER_NAME); }
};

bool same_field(const PlayField& a, const PlayField& b) { return std::memcmp(a.cells, b.cells, sizeof a.cells) == 0; }

}  // namespace

TEST_F(GameStateTest, StartsWithTheDefaultSettingsAndStrategies) {
    EXPECT_EQ(state.randomizer->get_name(), "Bag");
    EXPECT_EQ(state.piece_mask_type->get_name(), "Left-aligned");
    EXPECT_EQ(state.input_type->get_name(), "10-Key");
    EXPECT_FALSE(state.practice_mode);
    EXPECT_TRUE(state.deep_drop && state.column_clamp && state.sound && state.double_hold);
    EXPECT_TRUE(state.hold_allowed && state.auto_screenshot);
    EXPECT_FALSE(state.hold_orient || state.rotation_guide || state.ars || state.big_mode || state.music_mode);
    EXPECT_EQ(state.game_mode, GAME_MODE_40_LINES);
    EXPECT_EQ(state.piece_previews, 10);
    EXPECT_EQ(state.hold_piece.type, NO_PIECE);
    EXPECT_EQ(state.get_playfield_width(), 10);
    EXPECT_EQ(state.get_playfield_height(), 20);
    state.big_mode = true;
    EXPECT_EQ(state.get_playfield_width(), 5);
    EXPECT_EQ(state.get_playfield_height(), 10);
}

TEST_F(GameStateTest, ResetDealsTheActivePieceFirstThenThePreviewsInOrder) {
    use_random_randomizer();
    state.ars = true;
    ScriptedRandom in_order{{0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3}};
    state.reset();
    EXPECT_EQ(state.active_piece.type, PIECE_I);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(state.previews[i].type, (i + 1) % 7) << i;
    // Spawn orientations follow the ARS setting: T, L and J flat side up.
    EXPECT_EQ(state.previews[1].orientation, DOWN);
    EXPECT_EQ(state.previews[0].orientation, UP);
}

TEST_F(GameStateTest, ResetWithoutPreviewsDealsOnePiece) {
    use_random_randomizer();
    state.piece_previews = 0;
    const int before = random.draws();
    state.reset();
    EXPECT_EQ(random.draws() - before, 1);
}

TEST_F(GameStateTest, ResetStartsAFreshGameButKeepsTheClocks) {
    state.started = state.finished = state.hurry = state.hold_used = state.screenshot_pending = true;
    state.lines = 12;
    state.pieces = 30;
    state.keys = 77;
    state.start_ticks = 5;
    state.end_ticks = 6;
    state.countdown_ticks = 7;
    state.hold_piece.type = PIECE_S;
    state.playfield.cells[2][3] = CELL_J;
    state.reset();
    EXPECT_FALSE(state.started || state.finished || state.hurry || state.hold_used || state.screenshot_pending);
    EXPECT_EQ(state.lines + state.pieces + state.keys, 0);
    EXPECT_EQ(state.hold_piece.type, NO_PIECE);
    EXPECT_EQ(state.playfield.cells[2][3], CELL_EMPTY);
    EXPECT_EQ(state.start_ticks, 5u);
    EXPECT_EQ(state.end_ticks, 6u);
    EXPECT_EQ(state.countdown_ticks, 7u);
}

TEST_F(GameStateTest, InitRestoresDefaultsAndKeepsTheKeyConfiguration) {
    state.key_config.bindings[10] = 'q';
    state.randomizer = make_randomizer(BASTET_RANDOMIZER_NAME);
    state.input_type = make_input_type(QUARTZ_RAIN_INPUT_NAME);
    state.piece_mask_type = make_piece_mask_type(CENTER_PIECE_MASK_NAME);
    state.piece_previews = 0;
    state.hold_allowed = false;
    state.sound = false;
    state.game_mode = GAME_MODE_ENDLESS;
    state.lines = 9;
    state.init();
    EXPECT_EQ(state.key_config.bindings[10], 'q');
    EXPECT_EQ(state.randomizer->get_name(), "Bag");
    EXPECT_EQ(state.input_type->get_name(), "10-Key");
    EXPECT_EQ(state.piece_mask_type->get_name(), "Left-aligned");
    EXPECT_EQ(state.piece_previews, 10);
    EXPECT_TRUE(state.hold_allowed && state.sound);
    EXPECT_EQ(state.game_mode, GAME_MODE_40_LINES);
    EXPECT_EQ(state.lines, 0);
}

TEST_F(GameStateTest, NothingToUndoAtTheStartOfAGame) {
    state.reset();
    const Piece active = state.active_piece;
    state.rewindHistory();
    EXPECT_FALSE(state.restore_pending);
    EXPECT_EQ(state.active_piece.type, active.type);
}

TEST_F(GameStateTest, UndoTakesBackOneDropAndTheSamePiecesComeAgain) {
    state.randomizer = make_randomizer(BAG_RANDOMIZER_NAME);
    state.practice_mode = true;
    state.reset();
    ASSERT_TRUE(drop_active_piece(0, state, resources));
    const PlayField before_first_undo_field = state.playfield;
    Piece dealt_by_first_drop = state.previews[9];
    const int next_type = state.active_piece.type;

    state.rewindHistory();
    EXPECT_EQ(state.pieces, 0);
    EXPECT_EQ(state.lines, 0);
    EXPECT_EQ(state.playfield.cells[0][0], CELL_EMPTY);
    EXPECT_FALSE(state.history_valid);

    // A second undo right after does nothing.
    const int active_after_undo = state.active_piece.type;
    state.rewindHistory();
    EXPECT_EQ(state.active_piece.type, active_after_undo);
    EXPECT_EQ(state.pieces, 0);

    // Dropping again meets the same next piece and deals the same new one.
    ASSERT_TRUE(drop_active_piece(0, state, resources));
    EXPECT_TRUE(same_field(state.playfield, before_first_undo_field));
    EXPECT_EQ(state.active_piece.type, next_type);
    EXPECT_EQ(state.previews[9].type, dealt_by_first_drop.type);
    EXPECT_FALSE(state.restore_pending);
}

TEST_F(GameStateTest, UndoWithoutPreviewsDealsTheSameNextPiece) {
    use_random_randomizer();
    state.piece_previews = 0;
    state.reset();
    ASSERT_TRUE(drop_active_piece(0, state, resources));
    const int next = state.active_piece.type;
    state.rewindHistory();
    ASSERT_TRUE(drop_active_piece(0, state, resources));
    EXPECT_EQ(state.active_piece.type, next);
}

TEST_F(GameStateTest, ARefusedDropLeavesTheUndoOfTheLastDropInPlace) {
    state.randomizer = make_randomizer(ICHEAT_RANDOMIZER_NAME);
    state.deep_drop = false;
    state.reset();
    ASSERT_TRUE(drop_active_piece(0, state, resources));
    state.active_piece.orientation = LEFT;
    // Column 9 holds a tower that leaves no room for a vertical I.
    for (int row = 0; row < PLAYFIELD_ROWS - 1; ++row) state.playfield.cells[9][row] = CELL_Z;
    const PlayField tower = state.playfield;
    EXPECT_FALSE(drop_active_piece(9, state, resources));
    EXPECT_EQ(state.pieces, 1);
    EXPECT_TRUE(same_field(state.playfield, tower));

    state.rewindHistory();
    EXPECT_EQ(state.pieces, 0);
    EXPECT_EQ(state.playfield.cells[0][0], CELL_EMPTY);
    EXPECT_EQ(state.playfield.cells[9][0], CELL_EMPTY);
}

TEST_F(GameStateTest, UndoCanTakeBackTheDropThatFinishedTheGame) {
    state.randomizer = make_randomizer(ICHEAT_RANDOMIZER_NAME);
    state.reset();
    state.lines = 39;
    for (int column = 0; column < 9; ++column) state.playfield.cells[column][0] = CELL_O;
    state.active_piece.orientation = LEFT;
    ASSERT_TRUE(drop_active_piece(9, state, resources));
    ASSERT_TRUE(state.finished);
    state.rewindHistory();
    EXPECT_FALSE(state.finished);
    EXPECT_EQ(state.lines, 39);
}

#include "model/gamestate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "model/gameactions.h"
#include "support/game.h"

namespace {

class GameStateTest : public GameFixture, public ::testing::Test {};

// Everything an undo has to bring back.
void expect_same_game(const GameRecord& actual, const GameRecord& expected) {
    EXPECT_EQ(0, std::memcmp(actual.playfield.cells, expected.playfield.cells, sizeof actual.playfield.cells));
    EXPECT_EQ(actual.lines, expected.lines);
    EXPECT_EQ(actual.pieces, expected.pieces);
    EXPECT_EQ(actual.finished, expected.finished);
    EXPECT_EQ(actual.active_piece.type, expected.active_piece.type);
    EXPECT_EQ(actual.hold_piece.type, expected.hold_piece.type);
    for (int i = 0; i < MAX_PIECE_PREVIEWS; ++i) EXPECT_EQ(actual.previews[i].type, expected.previews[i].type) << i;
}

}  // namespace

TEST_F(GameStateTest, ResetDealsTheActivePieceFirstThenThePreviewsInOrder) {
    ScriptedRandom in_order{{0, 1, 2, 3, 4, 5, 6}};
    state.randomizer = make_randomizer(RANDOM_RANDOMIZER_NAME);
    state.ars = true;
    state.reset();
    EXPECT_EQ(state.active_piece.type, PIECE_I);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(state.previews[i].type, i + 1) << i;
    // Spawn orientations follow the ARS setting: T, L and J flat side up.
    EXPECT_EQ(state.previews[1].orientation, DOWN);
    EXPECT_EQ(state.previews[0].orientation, UP);

    state.piece_previews = 0;
    const int before = in_order.draws();
    state.reset();
    EXPECT_EQ(in_order.draws() - before, 1);
}

TEST_F(GameStateTest, ResetStartsAFreshGameButKeepsTheClocks) {
    state.started = state.finished = state.hurry = state.hold_used = state.screenshot_pending = true;
    state.lines = state.pieces = state.keys = 12;
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
    EXPECT_EQ(state.start_ticks + state.end_ticks + state.countdown_ticks, 18u);
}

TEST_F(GameStateTest, UndoTakesBackTheLastDropOrHoldAndTheSamePiecesComeAgain) {
    const auto fill_row_but_last_column = [this] {
        for (int column = 0; column < 9; ++column) state.playfield.cells[column][0] = CELL_O;
    };
    struct Case {
        const char* what;
        std::function<void()> setup, act;
    };
    const Case cases[] = {
        {"a drop", [] {}, [this] { ASSERT_TRUE(drop_active_piece(0, state, resources)); }},
        {"a hold", [] {}, [this] { hold_active_piece(state, resources); }},
        {"the drop that finished the game",
         [&] {
             state.lines = 39;
             fill_row_but_last_column();
             state.active_piece.type = PIECE_I;
         },
         [this] {
             state.active_piece.orientation = LEFT;
             ASSERT_TRUE(drop_active_piece(9, state, resources));
             ASSERT_TRUE(state.finished);
         }},
        // The swap moves the piece dealt by the drop into the hold slot.
        {"a drop and then a hold that swaps",
         [this] { hold_active_piece(state, resources); },
         [this] {
             ASSERT_TRUE(drop_active_piece(0, state, resources));
             hold_active_piece(state, resources);
         }},
        {"a drop and then one refused by a full column",
         [] {},
         [this] {
             ASSERT_TRUE(drop_active_piece(0, state, resources));
             for (int row = 0; row < PLAYFIELD_ROWS; ++row) state.playfield.cells[9][row] = CELL_Z;
             ASSERT_FALSE(drop_active_piece(9, state, resources));
         }}};
    for (const Case& c : cases)
        for (int previews : {MAX_PIECE_PREVIEWS, 0}) {
            SCOPED_TRACE(testing::Message() << c.what << ", previews " << previews);
            state.piece_previews = previews;
            state.reset();
            c.setup();
            const GameRecord before = state;
            c.act();
            const GameRecord after = state;
            // The second undo finds nothing more to take back.
            for (int undo = 0; undo < 2; ++undo) {
                state.rewindHistory();
                expect_same_game(state, before);
                EXPECT_FALSE(state.history_valid);
            }
            c.act();
            expect_same_game(state, after);
            EXPECT_FALSE(state.restore_pending);
        }
}

#include "model/game.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "model/actions.h"
#include "support/seams.h"

namespace {

// The types in play: the active piece, the held one, then the previews.
std::vector<int> queue(const Game& game) {
    std::vector<int> types = {game.active_piece.type, game.hold_piece.type};
    for (int i = 0; i < game.settings.piece_previews; ++i) types.push_back(game.previews[i].type);
    return types;
}

}  // namespace

TEST(Game, ResetDealsTheActivePieceThenThePreviewsAndKeepsTheClocksAndTheKeyBindings) {
    Game game;
    ScriptedRandom first_in_bag;
    game.settings.ars = true;
    game.settings.piece_previews = 3;
    game.start_ticks = 5;
    game.lines = game.pieces = game.keys = 9;
    game.started = game.finished = game.hurry = game.hold_used = game.screenshot_pending = true;
    game.hold_piece.type = PIECE_S;
    game.reset();
    EXPECT_EQ((std::vector<int>{PIECE_I, NO_PIECE, PIECE_O, PIECE_T, PIECE_L}), queue(game));
    // Exactly four pieces were dealt: the next one dealt is J.
    Game next;
    next.settings = game.settings;
    next.reset();
    drop_active_piece(next, 0);
    EXPECT_EQ(PIECE_J, next.previews[2].type);
    EXPECT_EQ(Orientation::Down, game.previews[1].orientation);
    EXPECT_EQ(5u, game.start_ticks);
    EXPECT_EQ(0, game.lines + game.pieces + game.keys);
    EXPECT_FALSE(game.started || game.finished || game.hurry || game.hold_used || game.screenshot_pending);
    EXPECT_FALSE(game.can_undo);
    game.settings.key_bindings.keys[10] = 113;
    game.settings.big_mode = true;
    game.restore_defaults();
    EXPECT_EQ(113, game.settings.key_bindings.keys[10]);
    EXPECT_EQ(std::make_pair(false, 10), std::make_pair(game.settings.big_mode, game.settings.piece_previews));
    EXPECT_EQ(10, game.playfield.width());
}

// After an undo the same pieces come again in the same order, whatever was undone.
TEST(Game, UndoTakesBackTheLastDropOrHoldOnceAndTheSamePiecesComeAgain) {
    ScriptedRandom first_in_bag;
    Game game;
    struct Case {
        const char* what;
        std::function<void()> setup, act;
    };
    const Case cases[] = {
        {"a hold", [] {}, [&] { hold_active_piece(game); }},
        {"the drop that finishes the game",
         [&] {
             game.lines = 39;
             for (int column = 0; column < 9; ++column) game.playfield.set_cell(column, 0, CELL_O);
             game.active_piece = {PIECE_I, Orientation::Left};
         },
         [&] {
             game.active_piece.orientation = Orientation::Left;
             ASSERT_TRUE(drop_active_piece(game, 9));
         }},
        // The swap moves the piece dealt by the drop into the hold slot.
        {"a drop and a hold that swaps", [&] { hold_active_piece(game); },
         [&] {
             ASSERT_TRUE(drop_active_piece(game, 0));
             hold_active_piece(game);
         }},
        {"a drop and one refused by a full column", [] {},
         [&] {
             ASSERT_TRUE(drop_active_piece(game, 0));
             for (int row = 0; row < 20; ++row) game.playfield.set_cell(9, row, CELL_Z);
             ASSERT_FALSE(drop_active_piece(game, 9));
         }}};
    for (const Case& c : cases)
        for (int previews : {MAX_PIECE_PREVIEWS, 0}) {
            SCOPED_TRACE(testing::Message() << c.what << ", previews " << previews);
            game.settings.piece_previews = previews;
            game.reset();
            c.setup();
            const std::vector<int> before = queue(game);
            const int lines = game.lines;
            c.act();
            const std::vector<int> after = queue(game);
            const PlayField field_after = game.playfield;
            game.undo();
            game.undo();
            EXPECT_EQ(before, queue(game));
            EXPECT_EQ(std::make_pair(lines, false), std::make_pair(game.lines, game.finished));
            c.act();
            EXPECT_EQ(after, queue(game));
            EXPECT_EQ(0, std::memcmp(&field_after, &game.playfield, sizeof field_after));
        }
}

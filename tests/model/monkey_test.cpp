// A monkey at the keyboard: long runs of random keys through the key bindings and the control
// schemes, over random settings, with the game's invariants checked after every key. Under the
// sanitizers this also catches stray reads.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "input/control_scheme.h"
#include "persist/settings_file.h"
#include "support/seams.h"

namespace {

// Every cell inside the field holds a cell and none outside it, every piece is one of the seven,
// and a forty-lines game past forty lines is finished.
bool sound(const Session& session) {
    const Game& game = session.game;
    const auto real = [](const Piece& piece) { return piece.type >= 0 && piece.type < PIECE_TYPES; };
    for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
        for (int row = 0; row < PLAYFIELD_ROWS; ++row) {
            const bool inside = column < game.playfield.width() && row < game.playfield.height();
            const int cell = game.playfield.cell(column, row);
            if (cell < CELL_EMPTY || cell > CELL_Z || (!inside && cell != CELL_EMPTY)) return false;
        }
    for (int i = 0; i < session.settings.piece_previews; ++i)
        if (!real(game.previews[i])) return false;
    return real(game.active_piece) && (game.hold_piece.type == NO_PIECE || real(game.hold_piece)) && game.lines >= 0 &&
           !(game.lines >= game_mode_kind(session.settings.game_mode).line_goal &&
             game_mode_kind(session.settings.game_mode).line_goal > 0 && !game.finished);
}

}  // namespace

TEST(Monkey, RandomKeysKeepEveryGameSound) {
    std::mt19937 generator(20240611);
    const auto below = [&generator](size_t n) { return int(generator() % n); };
    // The randomizers draw from the monkey's generator, so that a failure replays.
    const RandomFrom random([&generator] { return int(generator() & INT_MAX); });
    long pieces = 0, finishes = 0;
    for (int round = 0; round < 250; ++round) {
        Session session;
        Settings& settings = session.settings;
        for (bool Settings::*flag :
             {&Settings::big_mode, &Settings::deep_drop, &Settings::practice_mode, &Settings::ars,
              &Settings::hold_allowed, &Settings::double_hold, &Settings::hold_orient, &Settings::column_clamp})
            settings.*flag = below(2);
        settings.music_mode = below(10) == 0;
        settings.game_mode = GameMode(below(GAME_MODES));
        settings.piece_previews = below(MAX_PIECE_PREVIEWS + 1);
        settings.randomizer = {below(int(randomizer_kinds().size()))};
        settings.control_scheme = {below(int(control_schemes().size()))};
        settings.placement_system = {below(int(placement_systems().size()))};
        if (below(4) == 0) settings.key_bindings.keys[below(KEY_BINDINGS)] = INT_MIN;
        // A late game starts a few lines short of forty, so that random play reaches the finish.
        const int start_lines = below(3) == 0 ? 36 : 0;
        for (int press = 0, idle = 0; press < 400; ++press) {
            if (!session.game.started) {
                session.reset();
                session.game.started = true;
                session.game.lines = start_lines;
            }
            const Progress before = session.game;
            // Restarting wipes the game, so the monkey seldom does it, unless nothing fits any more.
            const bool restart = idle > 40 || below(300) == 0;
            const KeyCode key = restart ? KEY_RETURN : below(3) ? logical_key(below(KEY_BINDINGS)) : below(400);
            handle_game_key(session, key, press);
            ASSERT_TRUE(sound(session)) << "round " << round << ", press " << press;
            ASSERT_LE(session.game.keys, before.keys + 1);
            finishes += session.game.finished && !before.finished;
            pieces += std::max(0, session.game.pieces - before.pieces);
            idle = session.game.pieces > before.pieces || restart ? 0 : idle + 1;
            session.events.clear();
        }
    }
    // The monkey must have been everywhere, not stuck in front of a full field.
    EXPECT_GT(pieces, 5000);
    EXPECT_GT(finishes, 1);
}

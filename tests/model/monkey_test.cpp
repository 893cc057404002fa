// A monkey at the keyboard: long runs of random key presses through the key configuration and
// the input schemes, across sampled combinations of every setting, with the game's invariants
// checked after every key. Run under the sanitizers this also catches stray reads and leaks.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "model/gamestate.h"
#include "model/random_source.h"
#include "persist/settings.h"
#include "support/fake_resources.h"
#include "support/seams.h"

namespace {

constexpr int CONFIGURATIONS = 250;
constexpr int KEYS_PER_CONFIGURATION = 400;
const KeyCode HOSTILE_CODES[] = {-5, INT_MAX, INT_MIN, 99999};
// Keys that no binding holds by default: no key, an arrow key, something beyond any key table.
const KeyCode UNKNOWN_KEYS[] = {KEY_NONE, 273, 1000, KEY_ESCAPE};

bool valid_piece(const Piece& piece) {
    return piece.type >= 0 && piece.type < PIECE_TYPES && piece.orientation >= UP && piece.orientation <= DOWN;
}

// The first invariant of a game in play that does not hold; empty when all do.
std::string broken_invariant(const GameState& state) {
    for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
        for (int row = 0; row < PLAYFIELD_ROWS; ++row) {
            const int cell = state.playfield.get_cell(column, row);
            const bool inside = column < state.get_playfield_width() && row < state.get_playfield_height();
            if (cell < CELL_EMPTY || cell > CELL_Z || (!inside && cell != CELL_EMPTY))
                return "cell " + std::to_string(column) + "," + std::to_string(row) + ": " + std::to_string(cell);
        }
    if (!valid_piece(state.active_piece)) return "active piece";
    for (int i = 0; i < state.piece_previews; ++i)
        if (!valid_piece(state.previews[i])) return "preview " + std::to_string(i);
    if (state.hold_piece.type < NO_PIECE || state.hold_piece.type >= PIECE_TYPES) return "hold piece";
    if (state.lines < 0 || state.pieces < 0 || state.keys < 0) return "negative counter";
    if (state.game_mode == GAME_MODE_40_LINES && state.lines >= 40 && !state.finished) return "40 lines unfinished";
    return "";
}

TEST(MonkeyTest, RandomKeysKeepEveryGameSound) {
    std::mt19937 generator(20240611);
    const auto below = [&generator](size_t n) { return static_cast<int>(generator() % n); };
    // The randomizers draw from the monkey's generator, so that a failure replays.
    set_random_source([&generator] { return static_cast<int>(generator() & INT_MAX); });
    struct RestoreRandom {
        ~RestoreRandom() { use_standard_random(); }
    } restore_random;
    SoundLog sounds;
    FakeResources resources;
    long presses = 0, pieces = 0, lines = 0, undos = 0, holds = 0, restarts = 0, finishes = 0;

    for (int round = 0; round < CONFIGURATIONS; ++round) {
        GameState state;
        state.input_type = make_input_type(input_type_names()[below(input_type_names().size())]);
        state.piece_mask_type = make_piece_mask_type(piece_mask_type_names()[below(piece_mask_type_names().size())]);
        state.randomizer = make_randomizer(randomizer_names()[below(randomizer_names().size())]);
        for (bool GameRecord::*flag :
             {&GameRecord::big_mode, &GameRecord::deep_drop, &GameRecord::practice_mode, &GameRecord::hold_allowed,
              &GameRecord::double_hold, &GameRecord::hold_orient, &GameRecord::column_clamp, &GameRecord::ars,
              &GameRecord::sound})
            state.*flag = below(2);
        state.music_mode = below(10) == 0;
        state.game_mode = below(3);
        state.piece_previews = below(MAX_PIECE_PREVIEWS + 1);
        std::vector<KeyCode> keyboard(std::begin(UNKNOWN_KEYS), std::end(UNKNOWN_KEYS));
        for (int entry = 0; entry < KEY_BINDINGS; ++entry) keyboard.push_back(default_binding(entry));
        if (below(4) == 0)
            for (KeyCode hostile : HOSTILE_CODES) {
                state.key_config.bindings[below(KEY_BINDINGS)] = hostile;
                keyboard.push_back(hostile);
            }
        // What the game loop does after the countdown. A late game starts a few lines short of
        // forty, so that random play reaches the hurry warning and the finish too.
        const bool late_game = below(3) == 0;
        const auto begin_play = [&state, late_game] {
            state.started = true;
            if (late_game) state.lines = 36;
        };
        state.reset();
        begin_play();
        const std::string where = "round " + std::to_string(round) + (late_game ? " late, " : ", ") +
                                  state.randomizer->get_name() + " " + state.piece_mask_type->get_name() + "\n" +
                                  settings_text(state);
        ASSERT_EQ(broken_invariant(state), "") << where;

        int idle = 0;  // presses since a piece was last placed
        for (int i = 0; i < KEYS_PER_CONFIGURATION; ++i, ++presses) {
            // Restarting wipes the game, so the monkey seldom does it, unless nothing fits any more.
            const KeyCode physical = idle > 40 || below(300) == 0 ? KEY_RETURN : keyboard[below(keyboard.size())];
            const KeyCode logical = state.key_config.translate(physical);
            const GameRecord before = state;
            state.input_type->process_keypress(logical, state, resources);
            const auto context = [&] {
                return "key " + std::to_string(physical) + " at " + std::to_string(i) + ", " + where;
            };

            ASSERT_EQ(broken_invariant(state), "") << context();
            if (logical == KEY_RETURN) {
                ASSERT_FALSE(state.started) << context();
                ASSERT_EQ(state.lines + state.pieces + state.keys, 0) << context();
                begin_play();
                ++restarts;
                idle = 0;
                continue;
            }
            const bool undo = logical == KEY_BACKSPACE && state.practice_mode;
            undos += undo && state.pieces < before.pieces;
            holds += state.hold_piece.type != before.hold_piece.type;
            finishes += state.finished && !before.finished;
            pieces += state.pieces - before.pieces;
            lines += state.lines - before.lines;
            idle = state.pieces > before.pieces ? 0 : idle + 1;
            // Only an undo takes counts back; a key counts once at most.
            ASSERT_TRUE(undo || (state.lines >= before.lines && state.pieces >= before.pieces &&
                                 state.keys >= before.keys)) << context();
            ASSERT_LE(state.keys, before.keys + 1) << context();
        }
    }
    EXPECT_GE(presses, 100000);
    // The monkey must have been everywhere, not stuck in front of a full field.
    EXPECT_GT(pieces, 10000);
    EXPECT_GT(lines, 800);
    EXPECT_GT(undos, 300);
    EXPECT_GT(holds, 400);
    EXPECT_GT(restarts, 500);
    EXPECT_GT(finishes, 5);
    ::testing::Test::RecordProperty("pieces", std::to_string(pieces));
    ::testing::Test::RecordProperty("lines", std::to_string(lines));
}

}  // namespace

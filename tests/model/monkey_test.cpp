// A monkey at the keyboard: long runs of random key presses through the key configuration and
// the input schemes, across sampled combinations of every setting, with the game's invariants
// checked after every key. Run under the sanitizers this also catches stray reads and leaks.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "input/keyconfig.h"
#include "model/gamestate.h"
#include "model/random_source.h"
#include "placement/piecemasktype.h"
#include "randomizers/randomizer.h"
#include "support/fake_resources.h"
#include "support/seams.h"

namespace {

constexpr int CONFIGURATIONS = 250;
constexpr int KEYS_PER_CONFIGURATION = 400;

const KeyCode HOSTILE_CODES[] = {-5, INT_MAX, INT_MIN, 99999};
// Keys that no binding holds by default: no key, an arrow key, something beyond any key table.
const KeyCode UNKNOWN_KEYS[] = {KEY_NONE, 273, 1000, KEY_ESCAPE};

// The randomizers draw from this generator, seeded like the monkey, so a failure replays.
class SeededRandom {
public:
    explicit SeededRandom(std::mt19937& generator) {
        set_random_source([&generator] { return static_cast<int>(generator() & INT_MAX); });
    }
    ~SeededRandom() { use_standard_random(); }
    SeededRandom(const SeededRandom&) = delete;
    SeededRandom& operator=(const SeededRandom&) = delete;
};

struct Counters {
    int lines, pieces, keys;
};

Counters counters_of(const GameState& state) { return {state.lines, state.pieces, state.keys}; }

bool valid_piece(const Piece& piece) {
    return piece.type >= 0 && piece.type < PIECE_TYPES && piece.orientation >= UP &&
           piece.orientation <= DOWN;
}

// Every invariant of a game in play; empty when all hold.
std::string broken_invariant(const GameState& state) {
    const int width = state.get_playfield_width();
    const int height = state.get_playfield_height();
    for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
        for (int row = 0; row < PLAYFIELD_ROWS; ++row) {
            int cell = state.playfield.get_cell(column, row);
            bool inside = column < width && row < height;
            if (cell < CELL_EMPTY || cell > CELL_Z || (!inside && cell != CELL_EMPTY))
                return "cell " + std::to_string(column) + "," + std::to_string(row) + " holds " +
                       std::to_string(cell);
        }
    if (!valid_piece(state.active_piece)) return "active piece";
    for (int i = 0; i < state.piece_previews; ++i)
        if (!valid_piece(state.previews[i])) return "preview " + std::to_string(i);
    if (state.hold_piece.type < NO_PIECE || state.hold_piece.type >= PIECE_TYPES)
        return "hold piece";
    if (state.lines < 0 || state.pieces < 0 || state.keys < 0) return "negative counter";
    if (state.game_mode == GAME_MODE_40_LINES && state.lines >= 40 && !state.finished)
        return "forty lines without finishing";
    return "";
}

// What the game loop does once the countdown is over. A late game starts a few lines short of
// forty, so that random play reaches the hurry warning and the finish too.
void begin_play(GameState& state, bool late_game) {
    state.started = true;
    if (late_game) state.lines = 36;
}

struct Monkey {
    std::mt19937 generator;
    std::vector<KeyCode> keyboard;  // physical keys the monkey may press

    explicit Monkey(unsigned seed) : generator(seed) {}

    int below(int n) { return static_cast<int>(generator() % static_cast<unsigned>(n)); }
    bool one_in(int n) { return below(n) == 0; }

    // A random combination of every setting, described for the failure message.
    std::string configure(GameState& state) {
        const auto& inputs = input_type_names();
        const auto& masks = piece_mask_type_names();
        const auto& randomizers = randomizer_names();
        state.input_type = make_input_type(inputs[below(inputs.size())]);
        state.piece_mask_type = make_piece_mask_type(masks[below(masks.size())]);
        state.randomizer = make_randomizer(randomizers[below(randomizers.size())]);
        for (bool GameRecord::*flag :
             {&GameRecord::big_mode, &GameRecord::deep_drop, &GameRecord::practice_mode,
              &GameRecord::hold_allowed, &GameRecord::double_hold, &GameRecord::hold_orient,
              &GameRecord::column_clamp, &GameRecord::ars, &GameRecord::sound})
            state.*flag = one_in(2);
        state.music_mode = one_in(10);
        state.game_mode = below(3);
        state.piece_previews = below(MAX_PIECE_PREVIEWS + 1);

        keyboard.clear();
        for (int entry = 0; entry < KEY_BINDINGS; ++entry) keyboard.push_back(default_binding(entry));
        keyboard.insert(keyboard.end(), std::begin(UNKNOWN_KEYS), std::end(UNKNOWN_KEYS));
        bool hostile = one_in(4);
        if (hostile)
            for (int i = 0; i < 4; ++i) {
                int entry = below(KEY_BINDINGS);
                state.key_config.bindings[entry] = HOSTILE_CODES[i];
                keyboard.push_back(HOSTILE_CODES[i]);
            }

        std::ostringstream description;
        description << state.input_type->get_name() << " / " << state.piece_mask_type->get_name()
                    << " / " << state.randomizer->get_name() << " big=" << state.big_mode
                    << " deep=" << state.deep_drop << " practice=" << state.practice_mode
                    << " hold=" << state.hold_allowed << " double=" << state.double_hold
                    << " orient=" << state.hold_orient << " clamp=" << state.column_clamp
                    << " ars=" << state.ars << " music=" << state.music_mode
                    << " mode=" << state.game_mode << " previews=" << state.piece_previews
                    << " hostile=" << hostile;
        return description.str();
    }

    KeyCode next_key(bool stuck) {
        // Restarting wipes the game, so the monkey seldom does it, unless nothing fits any more.
        if (stuck || one_in(300)) return KEY_RETURN;
        return keyboard[below(keyboard.size())];
    }
};

// What the monkey got up to, so that the test can tell it reached the interesting places.
struct Tally {
    long presses = 0, pieces = 0, lines = 0, undos = 0, holds = 0, restarts = 0, finishes = 0;
};

TEST(MonkeyTest, RandomKeysKeepEveryGameSound) {
    Monkey monkey(20240611);
    SeededRandom random(monkey.generator);
    SoundLog sounds;
    FakeResources resources;
    Tally tally;

    for (int round = 0; round < CONFIGURATIONS; ++round) {
        GameState state;
        std::string configuration = monkey.configure(state);
        bool late_game = monkey.one_in(3);
        state.reset();
        begin_play(state, late_game);
        configuration += late_game ? " late" : "";
        ASSERT_EQ(broken_invariant(state), "") << configuration;

        // Presses since a piece was last placed.
        int idle_presses = 0;
        for (int i = 0; i < KEYS_PER_CONFIGURATION; ++i, ++tally.presses) {
            KeyCode physical = monkey.next_key(idle_presses > 40);
            KeyCode logical = state.key_config.translate(physical);
            Counters before = counters_of(state);
            bool was_finished = state.finished;
            int held = state.hold_piece.type;
            state.input_type->process_keypress(logical, state, resources);

            ASSERT_EQ(broken_invariant(state), "")
                << configuration << " after key " << physical << " (press " << i << ")";
            if (logical == KEY_RETURN) {
                ASSERT_FALSE(state.started);
                ASSERT_EQ(state.lines + state.pieces + state.keys, 0);
                begin_play(state, late_game);
                ++tally.restarts;
                idle_presses = 0;
                continue;
            }
            Counters after = counters_of(state);
            bool undo = logical == KEY_BACKSPACE && state.practice_mode;
            tally.undos += undo && after.pieces < before.pieces;
            tally.holds += state.hold_piece.type != held;
            tally.finishes += state.finished && !was_finished;
            if (after.pieces > before.pieces) {
                tally.pieces += after.pieces - before.pieces;
                tally.lines += after.lines - before.lines;
                idle_presses = 0;
            } else {
                ++idle_presses;
            }
            if (!undo) {
                ASSERT_GE(after.lines, before.lines) << configuration << " key " << physical;
                ASSERT_GE(after.pieces, before.pieces) << configuration << " key " << physical;
                ASSERT_GE(after.keys, before.keys) << configuration << " key " << physical;
            }
            ASSERT_LE(after.keys, before.keys + 1) << configuration << " key " << physical;
        }
    }
    EXPECT_GE(tally.presses, 100000);
    // The monkey must have been everywhere, not stuck in front of a full field.
    EXPECT_GT(tally.pieces, 10000);
    EXPECT_GT(tally.lines, 800);
    EXPECT_GT(tally.undos, 300);
    EXPECT_GT(tally.holds, 400);
    EXPECT_GT(tally.restarts, 500);
    EXPECT_GT(tally.finishes, 5);
    ::testing::Test::RecordProperty("pieces", std::to_string(tally.pieces));
    ::testing::Test::RecordProperty("lines", std::to_string(tally.lines));
}

}  // namespace

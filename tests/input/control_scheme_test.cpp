#include "input/control_scheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "input/overlays.h"
#include "support/seams.h"

namespace {

class Schemes : public ::testing::Test {
protected:
    Schemes() { use("10-Key"); }
    void use(const char* scheme, bool big = false) {
        game.settings.control_scheme = find_kind(control_schemes(), scheme);
        game.settings.big_mode = big;
        game.reset();
        game.started = true;
        game.active_piece = {PIECE_T, Orientation::Up};
        game.sounds.clear();
    }
    // Whether the key dropped the T into this column, turned this way, on the empty field.
    bool drops(KeyCode key, int column, Orientation turned) {
        handle_game_key(game, key);
        PlayField expected(game.settings.big_mode);
        expected.drop(game.mask_of({PIECE_T, turned}), CELL_T, column, true);
        return std::memcmp(&expected, &game.playfield, sizeof expected) == 0;
    }
    // The legend under the field, a held key's label in capitals, and the lit columns as '#'.
    std::string overlays(KeyBlock keys, std::vector<KeyCode> down) {
        const KeyHeld held = [&](KeyCode key) { return std::count(down.begin(), down.end(), key) > 0; };
        std::string shown;
        for (const LegendLabel& label : key_legend(game, keys, held))
            shown += label.pressed ? label.label : char(std::tolower(label.label));
        shown += " ";
        for (bool lit : lit_columns(game, keys, held)) shown += lit ? '#' : '.';
        return shown;
    }

    ScriptedRandom random;
    Game game;
};

}  // namespace

TEST_F(Schemes, FortyKeysNameAColumnAndATurnAndTurnBackWhenRefused) {
    const struct {
        const char* scheme;
        KeyCode key;
        int column;
        Orientation turned;
        bool big = false;
    } cases[] = {{"40-Key", ';', 7, Orientation::Up},          {"40-Key", 'q', 0, Orientation::Left},
                 {"40-Key", 'p', 8, Orientation::Left},        {"40-Key", '/', 8, Orientation::Right},
                 {"40-Key", '5', 4, Orientation::Down},        {"40-Key-Inverse", 'w', 1, Orientation::Right},
                 {"40-Key-Inverse", 'x', 1, Orientation::Left}, {"40-Key", 'k', 2, Orientation::Up, true},
                 {"40-Key", '1', 0, Orientation::Down, true}};
    for (const auto& c : cases) {
        use(c.scheme, c.big);
        EXPECT_TRUE(drops(c.key, c.column, c.turned)) << c.scheme << " " << char(c.key);
        EXPECT_EQ(1, game.keys);
    }
    use("40-Key");
    game.settings.column_clamp = false;
    handle_game_key(game, 273);
    handle_game_key(game, 'p');
    EXPECT_EQ(Orientation::Up, game.active_piece.orientation);
    EXPECT_EQ(std::make_pair(0, 1), std::make_pair(game.pieces, game.keys));
}

TEST_F(Schemes, TenKeysDropWithTheHomeRowAndTurnWithTheirOwnKeys) {
    EXPECT_TRUE(drops('d', 2, Orientation::Up));
    game.active_piece = {PIECE_T, Orientation::Up};
    for (KeyCode key : {'w', 'u', 'e', 'r', 'o'}) handle_game_key(game, key);
    EXPECT_EQ(Orientation::Down, game.active_piece.orientation);
    handle_game_key(game, 'i');
    for (KeyCode unused : {KeyCode('q'), 273, 1000}) handle_game_key(game, unused);
    EXPECT_EQ(Orientation::Up, game.active_piece.orientation);
    EXPECT_EQ(7, game.keys);
    EXPECT_EQ(6, std::count(game.sounds.begin(), game.sounds.end(), SoundCue{Sound::Rotate}));
    use("10-Key", true);
    EXPECT_TRUE(drops('a', 0, Orientation::Up));
}

TEST_F(Schemes, SharedKeysUndoInPracticeRestartHoldAndAskForAScreenshot) {
    handle_game_key(game, 'a');
    handle_game_key(game, KEY_BACKSPACE);
    EXPECT_EQ(1, game.pieces);
    game.settings.practice_mode = true;
    handle_game_key(game, KEY_BACKSPACE);
    EXPECT_EQ(0, game.pieces);
    EXPECT_EQ(Sound::Rewind, game.sounds.back().sound);
    game.settings.hold_allowed = false;
    handle_game_key(game, KEY_SPACE);
    EXPECT_EQ(NO_PIECE, game.hold_piece.type);
    game.settings.hold_allowed = true;
    handle_game_key(game, KEY_SPACE);
    EXPECT_EQ(PIECE_T, game.hold_piece.type);
    // The undo took back the key that made the drop, and its own.
    EXPECT_EQ(2, game.keys);
    handle_game_key(game, KEY_F2);
    EXPECT_TRUE(game.screenshot_pending);
    handle_game_key(game, KEY_RETURN);
    EXPECT_EQ(std::make_pair(false, 0), std::make_pair(game.started, game.keys));
    EXPECT_EQ(Sound::GameStart, game.sounds.back().sound);
    // Keys go through the bindings: with d bound to J, J drops into column 2.
    use("10-Key");
    game.settings.key_bindings.keys[13] = 'j';
    EXPECT_TRUE(drops('j', 2, Orientation::Up));
    // A finished game counts no more keys.
    game.finished = true;
    handle_game_key(game, 'f');
    EXPECT_EQ(1, game.keys);
}

TEST_F(Schemes, TheOverlaysShowTheHeldKeyOfEachColumnAndLightItsColumn) {
    EXPECT_EQ("AXEfghjkl; ###.......", overlays(KeyBlock::FourRows, {'a', 'z', 'x', 'q', 'e', '3'}));
    EXPECT_EQ("Asdfghjkl; #.........", overlays(KeyBlock::HomeRow, {'a', 'z', 'x', 'q', 'e', '3'}));
    use("40-Key", true);
    EXPECT_EQ("Rghjk #....", overlays(KeyBlock::FourRows, {'r', 'l', 'a'}));
    game.started = false;
    EXPECT_EQ("Rghjk .....", overlays(KeyBlock::FourRows, {'r'}));
    unsigned char keyboard[300] = {};
    keyboard['q'] = 1;
    game.settings.key_bindings.keys[10] = 'q';
    EXPECT_FALSE(key_held(game, 'a', keyboard, 300));
    game.started = true;
    EXPECT_TRUE(key_held(game, 'a', keyboard, 300));
    EXPECT_FALSE(key_held(game, 'a', keyboard, 'q'));
    game.settings.key_bindings.keys[10] = -5;
    EXPECT_FALSE(key_held(game, 'a', keyboard, 300));
}

TEST(RotationGuides, ShowTheTurnsEachRowGives) {
    const auto orientations = [](const ControlScheme& scheme) {
        std::string turns;
        for (const Piece& piece : scheme.guide_pieces({PIECE_T, Orientation::Up})) turns += "ULRD"[int(piece.orientation)];
        return turns;
    };
    EXPECT_EQ("LDR", orientations(control_schemes()[0].scheme));
    EXPECT_EQ("ULDR", orientations(control_schemes()[1].scheme));
    EXPECT_EQ("URDL", orientations(control_schemes()[2].scheme));
    EXPECT_EQ(KeyBlock::HomeRow, control_schemes()[0].scheme.keys());
    EXPECT_EQ(KeyBlock::FourRows, control_schemes()[2].scheme.keys());
}

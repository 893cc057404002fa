// Key codes read from the settings file are stored as read, so a binding may hold any number;
// such a key is never pressed and never held, and nothing is ever indexed with it.
#include <SDL_keysym.h>
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "input/input_scheme_fixture.h"
#include "input/overlays.h"

namespace {

const KeyCode HOSTILE_CODES[] = {-5, INT_MAX, INT_MIN, 99999, SDLK_LAST};

class HostileBindingsTest : public InputSchemeFixture, public ::testing::Test {
protected:
    void SetUp() override {
        use_scheme("10-Key");
        // a s d f g: the home-row keys of the first five columns.
        for (int i = 0; i < 5; ++i) state.key_config.bindings[10 + "asdfg"[i] - 'a'] = HOSTILE_CODES[i];
    }
    // Exactly as big as SDL's, so that a stray index is an out-of-bounds read.
    bool held(KeyCode logical) { return key_held(state, logical, all_down.data(), SDLK_LAST); }

    std::vector<uint8_t> all_down = std::vector<uint8_t>(SDLK_LAST, 1);
};

TEST_F(HostileBindingsTest, TheyAreStoredAsReadAndAnsweredAsSuch) {
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(state.key_config.reverseTranslate("asdfg"[i]), HOSTILE_CODES[i]);
        EXPECT_EQ(state.key_config.translate(HOSTILE_CODES[i]), "asdfg"[i]);
    }
}

TEST_F(HostileBindingsTest, AKeyBoundOutsideTheKeyTableIsNeverHeld) {
    for (char logical : std::string("asdfg")) EXPECT_FALSE(held(logical)) << logical;
    for (char logical : std::string("hjkl;qwerty")) EXPECT_TRUE(held(logical)) << logical;
    // A logical key that is none of the 42 comes back unchanged from the configuration.
    EXPECT_FALSE(held(1000));
    EXPECT_FALSE(held(KEY_NONE));
}

TEST_F(HostileBindingsTest, NoRealKeyPressReachesTheirColumns) {
    state.practice_mode = true;
    for (KeyCode physical = 0; physical < SDLK_LAST; ++physical) {
        // Return starts over and F2 needs a window: neither can drop a piece.
        if (physical == KEY_RETURN || physical == KEY_F2) continue;
        state.playfield.clear();
        press(state.key_config.translate(physical));
    }
    for (int column = 0; column < 10; ++column)
        EXPECT_EQ(sounds.count(resources.dropSounds[column][0]) > 0, column >= 5) << column;
}

}  // namespace

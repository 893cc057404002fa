#include "input/control_scheme.h"

#include <gtest/gtest.h>

#include "input/overlays.h"

// What the keys do, what the legend shows and what the rotation guide shows are played in
// scenarios/control_schemes.txt.

TEST(KeyHeld, OnlyWhileTheGameRunsAndOnlyForAKeyInsideTheKeyboardTable) {
    Game game;
    unsigned char keyboard[300] = {};
    keyboard['q'] = 1;
    game.settings.key_bindings.keys[10] = 'q';  // letter a
    EXPECT_FALSE(key_held(game, 'a', keyboard, 300));
    game.started = true;
    EXPECT_TRUE(key_held(game, 'a', keyboard, 300));
    EXPECT_FALSE(key_held(game, 'a', keyboard, 'q'));
    game.settings.key_bindings.keys[10] = -5;
    EXPECT_FALSE(key_held(game, 'a', keyboard, 300));
}

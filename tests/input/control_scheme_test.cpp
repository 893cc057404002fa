#include "input/control_scheme.h"

#include <gtest/gtest.h>

#include "input/overlays.h"

// What the keys do, what the legend shows and what the rotation guide shows are played in
// scenarios/control_schemes.txt.

TEST(KeyHeld, OnlyWhileTheGameRunsAndOnlyForAKeyInsideTheKeyboardTable) {
    Session session;
    unsigned char keyboard[300] = {};
    keyboard['q'] = 1;
    session.settings.key_bindings.keys[10] = 'q';  // letter a
    EXPECT_FALSE(key_held(session, 'a', keyboard, 300));
    session.game.started = true;
    EXPECT_TRUE(key_held(session, 'a', keyboard, 300));
    EXPECT_FALSE(key_held(session, 'a', keyboard, 'q'));
    session.settings.key_bindings.keys[10] = -5;
    EXPECT_FALSE(key_held(session, 'a', keyboard, 300));
}

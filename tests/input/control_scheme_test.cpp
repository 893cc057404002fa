#include "input/control_scheme.h"

#include <gtest/gtest.h>

#include "input/overlays.h"

// What the keys do and what the legend shows are played in scenarios/control_schemes.txt.

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

TEST(RotationGuides, ShowTheTurnsEachRowGives) {
    const auto orientations = [](const ControlScheme& scheme) {
        std::string turns;
        for (const Piece& piece : scheme.guide_pieces({PIECE_T, Orientation::Up})) turns += "ULRD"[int(piece.orientation)];
        return turns;
    };
    EXPECT_EQ("LDR", orientations(control_schemes()[0].scheme));
    EXPECT_EQ("ULDR", orientations(control_schemes()[1].scheme));
    EXPECT_EQ("URDL", orientations(control_schemes()[2].scheme));
}

#include "input/keyconfig.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr int LETTER_A = 10;

}  // namespace

TEST(KeyConfig, DefaultsBindEveryKeyToItselfAndNothingElse) {
    KeyConfig config;
    for (int entry = 0; entry < KEY_BINDINGS; ++entry) {
        const KeyCode key = config.bindings[entry];
        EXPECT_EQ(config.translate(key), key);
        EXPECT_EQ(config.reverseTranslate(key), key);
    }
    for (KeyCode key : {KEY_RETURN, KEY_ESCAPE, KEY_F2}) EXPECT_EQ(config.translate(key), key);
    // Up arrow, F1 and Tab are no key of the game.
    for (KeyCode key : {273, 282, 9}) {
        EXPECT_EQ(config.translate(key), KEY_NONE);
        EXPECT_EQ(config.reverseTranslate(key), key);
    }
}

TEST(KeyConfig, ARebindingMovesItsKeyAndALetterWinsOverADigitOnTheSameKey) {
    KeyConfig config;
    config.bindings[LETTER_A] = 'q';
    EXPECT_EQ(config.translate('q'), 'a');
    EXPECT_EQ(config.translate('a'), KEY_NONE);
    EXPECT_EQ(config.reverseTranslate('a'), 'q');
    EXPECT_EQ(config.reverseTranslate('q'), 'q');
    config.bindings[3] = 'z';
    EXPECT_EQ(config.translate('z'), 'z');
    config.bindings[LETTER_A + 25] = 'x';
    EXPECT_EQ(config.translate('z'), '3');
}

TEST(KeyConfig, ReturnEscapeAndF2CannotBeReboundAndHostileCodesMatchOnlyThemselves) {
    KeyConfig config;
    config.bindings[LETTER_A] = KEY_RETURN;
    config.bindings[LETTER_A + 1] = KEY_ESCAPE;
    config.bindings[0] = KEY_F2;
    for (KeyCode key : {KEY_RETURN, KEY_ESCAPE, KEY_F2}) EXPECT_EQ(config.translate(key), key);
    config.bindings[40] = -5;
    config.bindings[41] = INT_MAX;
    EXPECT_EQ(config.translate(-5), KEY_BACKSPACE);
    EXPECT_EQ(config.translate(INT_MAX), KEY_SPACE);
    EXPECT_EQ(config.reverseTranslate(KEY_SPACE), INT_MAX);
    EXPECT_EQ(config.translate(KEY_NONE), KEY_NONE);
}

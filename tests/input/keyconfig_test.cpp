#include "input/keyconfig.h"

#include <gtest/gtest.h>

namespace {

constexpr KeyCode LETTER_A_ENTRY = 10;
constexpr KeyCode SDL_UP_ARROW = 273;
constexpr KeyCode SDL_F1 = 282;
constexpr KeyCode SDL_TAB = 9;

const KeyCode LOGICAL_KEYS[] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'a', 'b', 'c', 'd',
                                'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p', 'q', 'r',
                                's', 't', 'u', 'v', 'w', 'x', 'y', 'z', ';', ',', '.', '/', 8, 32};

}  // namespace

TEST(KeyConfig, DefaultsBindEveryKeyToItself) {
    KeyConfig config;
    for (int entry = 0; entry < KEY_BINDINGS; ++entry) {
        EXPECT_EQ(config.bindings[entry], LOGICAL_KEYS[entry]);
        EXPECT_EQ(default_binding(entry), LOGICAL_KEYS[entry]);
    }
    for (KeyCode key : LOGICAL_KEYS) {
        EXPECT_EQ(config.translate(key), key);
        EXPECT_EQ(config.reverseTranslate(key), key);
    }
    for (KeyCode key : {KEY_RETURN, KEY_ESCAPE, KEY_F2}) {
        EXPECT_EQ(config.translate(key), key);
        EXPECT_EQ(config.reverseTranslate(key), key);
    }
    for (KeyCode key : {SDL_UP_ARROW, SDL_F1, SDL_TAB}) {
        EXPECT_EQ(config.translate(key), KEY_NONE);
        EXPECT_EQ(config.reverseTranslate(key), key);
    }
}

TEST(KeyConfig, ABindingSharedByTwoLettersGoesToTheFirstLetter) {
    KeyConfig config;
    config.bindings[LETTER_A_ENTRY] = 'q';
    EXPECT_EQ(config.translate('q'), 'a');
    EXPECT_EQ(config.translate('a'), KEY_NONE);
    EXPECT_EQ(config.reverseTranslate('a'), 'q');
    EXPECT_EQ(config.reverseTranslate('q'), 'q');
}

TEST(KeyConfig, ALetterWinsOverADigitOnTheSameKey) {
    KeyConfig config;
    config.bindings[3] = 'z';  // digit 3
    EXPECT_EQ(config.translate('z'), 'z');
    config.bindings[LETTER_A_ENTRY + 25] = 'x';  // z moved away
    EXPECT_EQ(config.translate('z'), '3');
}

TEST(KeyConfig, ReturnEscapeAndF2CannotBeRebound) {
    KeyConfig config;
    config.bindings[LETTER_A_ENTRY] = KEY_RETURN;
    config.bindings[LETTER_A_ENTRY + 1] = KEY_ESCAPE;
    config.bindings[0] = KEY_F2;
    EXPECT_EQ(config.translate(KEY_RETURN), KEY_RETURN);
    EXPECT_EQ(config.translate(KEY_ESCAPE), KEY_ESCAPE);
    EXPECT_EQ(config.translate(KEY_F2), KEY_F2);
}

TEST(KeyConfig, HostileBindingsAreStoredAndMatchOnlyThemselves) {
    KeyConfig config;
    config.bindings[40] = -5;
    config.bindings[41] = 2147483647;
    EXPECT_EQ(config.translate(-5), KEY_BACKSPACE);
    EXPECT_EQ(config.translate(2147483647), KEY_SPACE);
    EXPECT_EQ(config.reverseTranslate(KEY_SPACE), 2147483647);
    EXPECT_EQ(config.translate(KEY_NONE), KEY_NONE);
}

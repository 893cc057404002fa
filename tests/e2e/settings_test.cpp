#include <string>
#include <vector>

#include "e2e/gametest.h"

namespace {

const std::string DEFAULT_SETTINGS = R"(#TapFall settings file
#Note: Everything here is case-sensitive!
ARS=FALSE
AutoScreenshot=TRUE
BigMode=FALSE
ColumnClamp=TRUE
DeepDrop=TRUE
DoubleHold=TRUE
GameMode=40Lines
HoldAllowed=TRUE
HoldOrient=FALSE
InputType=10-Key
MusicMode=FALSE
PieceMaskType=Left-aligned
PiecePreviews=10
PracticeMode=FALSE
Randomizer=Bag
RotationGuide=FALSE
Sound=TRUE
KEY_LETTER_A=97
KEY_LETTER_B=98
KEY_LETTER_C=99
KEY_LETTER_D=100
KEY_LETTER_E=101
KEY_LETTER_F=102
KEY_LETTER_G=103
KEY_LETTER_H=104
KEY_LETTER_I=105
KEY_LETTER_J=106
KEY_LETTER_K=107
KEY_LETTER_L=108
KEY_LETTER_M=109
KEY_LETTER_N=110
KEY_LETTER_O=111
KEY_LETTER_P=112
KEY_LETTER_Q=113
KEY_LETTER_R=114
KEY_LETTER_S=115
KEY_LETTER_T=116
KEY_LETTER_U=117
KEY_LETTER_V=118
KEY_LETTER_W=119
KEY_LETTER_X=120
KEY_LETTER_Y=121
KEY_LETTER_Z=122
KEY_NUMBER_0=48
KEY_NUMBER_1=49
KEY_NUMBER_2=50
KEY_NUMBER_3=51
KEY_NUMBER_4=52
KEY_NUMBER_5=53
KEY_NUMBER_6=54
KEY_NUMBER_7=55
KEY_NUMBER_8=56
KEY_NUMBER_9=57
KEY_SEMICOLON=59
KEY_COMMA=44
KEY_PERIOD=46
KEY_SLASH=47
KEY_BACKSPACE=8
KEY_SPACE=32
)";

// The default file with some entries changed; each replaces the line of its key.
std::string settings_with(const std::vector<std::string>& entries) {
    std::string text = DEFAULT_SETTINGS;
    for (const std::string& entry : entries) {
        const std::string key = entry.substr(0, entry.find('=') + 1);
        const size_t line = text.find("\n" + key) + 1;
        text.replace(line, text.find('\n', line) - line, entry);
    }
    return text;
}

// Every setting away from its default, as the game writes it.
const std::string EVERY_SETTING_CHANGED = settings_with({
    "ARS=TRUE", "AutoScreenshot=FALSE", "BigMode=TRUE", "ColumnClamp=FALSE", "DeepDrop=FALSE",
    "DoubleHold=FALSE", "GameMode=Endless", "HoldAllowed=FALSE", "HoldOrient=TRUE",
    "InputType=40-Key-Inverse", "MusicMode=TRUE", "PieceMaskType=Rightmost lowest", "PiecePreviews=4",
    "PracticeMode=TRUE", "Randomizer=History (6 roll)", "RotationGuide=TRUE", "Sound=FALSE",
});

}  // namespace

using SettingsMenu = GameTest;

TEST_F(SettingsMenu, OptionsChangedInTheMenuAreSavedAndReadAtTheNextStart) {
    write_settings(std::string(NO_SOUND) + "KEY_LETTER_A=113\n");
    start();
    ASSERT_TRUE(open_options());
    choose_option(OPTION_GAME_MODE);
    choose_option(OPTION_BIG_MODE);
    choose_option(OPTION_CONTROL_SCHEME);
    // 10 previews are the most; one more wraps round to none.
    choose_option(OPTION_PIECE_PREVIEWS);
    const std::string changed =
        settings_with({"BigMode=TRUE", "GameMode=2Minutes", "InputType=40-Key", "PiecePreviews=0",
                       "Sound=FALSE", "KEY_LETTER_A=113"});
    EXPECT_EQ(save_settings(), changed);
    type({"Escape", "Escape"});
    ASSERT_EQ(wait_for_exit(), 0);

    start();
    ASSERT_TRUE(open_options());
    EXPECT_EQ(save_settings(), changed);
    // The defaults are the settings'; the key bindings stay as they are.
    choose_option(OPTION_RESTORE_DEFAULTS);
    EXPECT_EQ(save_settings(), settings_with({"KEY_LETTER_A=113"}));
    x_server().request_close(window());
    EXPECT_EQ(wait_for_exit(), 0);
}

TEST_F(SettingsMenu, EverySettingIsReadAndSavedAndRestoringTheDefaultsSavesTheDefaultFile) {
    write_settings(EVERY_SETTING_CHANGED);
    start();
    ASSERT_TRUE(open_options());
    EXPECT_EQ(save_settings(), EVERY_SETTING_CHANGED);
    choose_option(OPTION_RESTORE_DEFAULTS);
    EXPECT_EQ(save_settings(), DEFAULT_SETTINGS);
    // Sound is on again, so quitting waits for the quit sound.
    type({"Escape", "Escape"});
    EXPECT_EQ(wait_for_exit(), 0);
}

TEST_F(SettingsMenu, BastetTakesThePreviewsAndHoldAwayUntilTheNextRandomizerGivesThemBack) {
    write_settings(std::string(NO_SOUND) + "PiecePreviews=3\n");
    start();
    ASSERT_TRUE(open_options());
    // Bag, History (6 roll), Random, I-Cheat, Bastet.
    for (int step = 0; step < 4; ++step) choose_option(OPTION_RANDOMIZER);
    const std::string bastet =
        settings_with({"HoldAllowed=FALSE", "PiecePreviews=0", "Randomizer=Bastet", "Sound=FALSE"});
    EXPECT_EQ(save_settings(), bastet);

    choose_option(OPTION_HOLD);
    EXPECT_TRUE(wait_for_frame(
        [](const Bitmap& frame) { return has_colour(frame, option_line(OPTION_HOLD), MENU_LOCKED_SELECT_COLOUR); }));
    choose_option(OPTION_PIECE_PREVIEWS);
    EXPECT_EQ(save_settings(), bastet);

    choose_option(OPTION_RANDOMIZER);
    EXPECT_EQ(save_settings(), settings_with({"PiecePreviews=3", "Sound=FALSE"}));
    type({"Escape", "Escape"});
    EXPECT_EQ(wait_for_exit(), 0);
}

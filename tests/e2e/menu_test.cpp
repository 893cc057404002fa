#include <chrono>

#include "e2e/gametest.h"

namespace {

// After Escape on the main menu the quit sound plays to its end before the program goes.
constexpr Milliseconds QUIT_WAIT(750);

}  // namespace

using Menus = GameTest;

TEST_F(Menus, UpAndDownWrapAndEnterAndEscapeMoveBetweenTheScreens) {
    write_settings(NO_SOUND);
    start();
    ASSERT_TRUE(wait_for_main_menu(MAIN_START_GAME));
    press("Up");
    ASSERT_TRUE(wait_for_main_menu(MAIN_QUIT));
    press("Down");
    ASSERT_TRUE(wait_for_main_menu(MAIN_START_GAME));
    type({"Down", "Down", "Up"});
    ASSERT_TRUE(wait_for_main_menu(MAIN_OPTIONS));

    press("Return");
    ASSERT_TRUE(wait_for_options(OPTION_GAME_MODE));
    press("Up");
    ASSERT_TRUE(wait_for_options(OPTION_RETURN));
    press("Down");
    ASSERT_TRUE(wait_for_options(OPTION_GAME_MODE));
    press("Escape");
    ASSERT_TRUE(wait_for_main_menu(MAIN_OPTIONS));
    type({"Return", "Up", "Return"});
    ASSERT_TRUE(wait_for_main_menu(MAIN_OPTIONS));

    type({"Down", "Return"});
    ASSERT_TRUE(wait_for_screen(Screen::CREDITS));
    press("Escape");
    ASSERT_TRUE(wait_for_main_menu(MAIN_CREDITS));
    press("Return");
    ASSERT_TRUE(wait_for_screen(Screen::CREDITS));
    press("Return");
    ASSERT_TRUE(wait_for_main_menu(MAIN_CREDITS));

    // Only the arrows, Enter and Escape act: the Down behind the others moves one step.
    type({"Left", "Right", "KP_Enter", "a", "space", "Down"});
    ASSERT_TRUE(wait_for_main_menu(MAIN_QUIT));
    press("Return");
    EXPECT_EQ(wait_for_exit(), 0);
}

TEST_F(Menus, EscapeInAGameReturnsToTheMainMenuWhereEscapeEndsTheProgramAfterTheQuitSound) {
    start();
    ASSERT_TRUE(wait_for_main_menu(MAIN_START_GAME));
    // Once during the countdown, once in play.
    press("Return");
    ASSERT_TRUE(wait_for_screen(Screen::GAME));
    press("Escape");
    ASSERT_TRUE(wait_for_main_menu(MAIN_START_GAME));
    ASSERT_TRUE(start_game());
    press("Escape");
    ASSERT_TRUE(wait_for_main_menu(MAIN_START_GAME));

    const auto escape_pressed = std::chrono::steady_clock::now();
    press("Escape");
    EXPECT_EQ(wait_for_exit(), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - escape_pressed, QUIT_WAIT);
    EXPECT_EQ(error_output(), "");
}

TEST_F(Menus, ClosingTheWindowDuringAGameEndsTheProgram) {
    write_settings(NO_SOUND);
    start();
    ASSERT_TRUE(start_game());
    x_server().request_close(window());
    EXPECT_EQ(wait_for_exit(), 0);
}

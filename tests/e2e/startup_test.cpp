#include <cstdlib>
#include <string>

#include "e2e/gametest.h"

namespace {

bool ends_with(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string path_with(const fs::path& directory) {
    const char* path = std::getenv("PATH");
    return directory.string() + ":" + (path ? path : "/usr/bin:/bin");
}

}  // namespace

using StartUp = GameTest;

TEST_F(StartUp, OpensItsWindowWithTitleAndIconOnTheMainMenuAndEscapeThereEndsIt) {
    start();
    const unsigned long id = window();
    ASSERT_NE(id, 0u);
    CommandResult name = run_command({"xdotool", "getwindowname", std::to_string(id)},
                                     x_server().environment());
    EXPECT_EQ(name.output, std::string(WINDOW_TITLE) + "\n");
    EXPECT_TRUE(x_server().window_has_icon(id));
    EXPECT_TRUE(wait_for_main_menu(MAIN_START_GAME));

    press("Escape");
    EXPECT_EQ(wait_for_exit(), 0);
    EXPECT_EQ(error_output(), "");
}

TEST_F(StartUp, ClosingTheWindowEndsTheProgram) {
    start();
    const unsigned long id = window();
    ASSERT_NE(id, 0u);
    x_server().request_close(id);
    EXPECT_EQ(wait_for_exit(), 0);
}

TEST_F(StartUp, LosingItsWindowToAnotherProgramEndsItWithAMessage) {
    write_settings(NO_SOUND);
    start();
    ASSERT_TRUE(wait_for_main_menu(MAIN_START_GAME));
    x_server().destroy_window(window());
    EXPECT_EQ(wait_for_exit(), 1);
    EXPECT_EQ(error_output(), "Error:Lost the game's window");
}

TEST_F(StartUp, AMissingIconIsIgnored) {
    write_settings(NO_SOUND);
    fs::remove(folder() / "img" / "icon32.bmp");
    start();
    const unsigned long id = window();
    ASSERT_NE(id, 0u);
    EXPECT_FALSE(x_server().window_has_icon(id));
    press("Escape");
    EXPECT_EQ(wait_for_exit(), 0);
}

// Without a reachable display SDL would fall back to an invisible off-screen window.
TEST_F(StartUp, WithoutADisplayItReportsThatSdlCouldNotStart) {
    for (GameStart how : {GameStart().unset("DISPLAY"), GameStart().set("DISPLAY", ":4093")}) {
        start(how);
        EXPECT_EQ(wait_for_exit(), 1);
        EXPECT_TRUE(ends_with(error_output(), "Error:Couldn't initialize SDL"))
            << error_output();
    }
}

TEST_F(StartUp, AVideoDriverWithoutOpenGlCannotSetTheVideoMode) {
    start(GameStart().set("SDL_VIDEODRIVER", "dummy"));
    EXPECT_EQ(wait_for_exit(), 1);
    EXPECT_TRUE(ends_with(error_output(), "Error:Couldn't set video mode")) << error_output();
}

// The icon comes from img/ beside the executable, so it shows that the files were found: by a
// relative path from another directory, by name from PATH, and through a symlink on PATH or
// given with its path.
TEST_F(StartUp, FindsItsFilesHoweverItIsStarted) {
    write_settings(NO_SOUND);
    const fs::path elsewhere = make_directory("elsewhere");
    const fs::path links = make_directory("links");
    fs::create_symlink(game_path(), links / "tapfall-game");
    for (const GameStart& how : {GameStart().run("../game/tapfall").from(elsewhere),
                                 GameStart().run("tapfall").from(elsewhere).set("PATH", path_with(folder())),
                                 GameStart().run("tapfall-game").from(elsewhere).set("PATH", path_with(links)),
                                 GameStart().run((links / "tapfall-game").string()).from(elsewhere)}) {
        start(how);
        const unsigned long id = window();
        ASSERT_NE(id, 0u) << how.program;
        EXPECT_TRUE(x_server().window_has_icon(id)) << how.program;
        press("Escape");
        EXPECT_EQ(wait_for_exit(), 0) << how.program;
    }
}

#include <regex>

#include "e2e/harness.h"

using StartUp = GameTest;

// Started from the folder above the game's. The icon comes from img/ beside the executable, so it
// shows that the files were found; the class is the desktop entry's StartupWMClass. The installed
// folder is reached by name on PATH, as a desktop entry or a shell would start it.
TEST_F(StartUp, FindsItsFilesHoweverItIsStartedAndEndsWhenItsWindowIsClosedOrLost) {
    if (!installed_game().empty()) GTEST_SKIP() << "starts the built game from other folders";
    write_settings("Sound=FALSE\n");
    const fs::path links = folder / "../links", installed = folder / "../installed game";
    fs::create_directory(links);
    fs::create_symlink(folder / "tapfall", links / "tapfall-game");
    ASSERT_EQ(0, std::system(("'" CMAKE_COMMAND_PATH "' --install '" TAPFALL_BUILD_DIR "' --prefix '" +
                              installed.string() + "' >/dev/null")
                                 .c_str()));
    for (const auto& [program, on_path] : {std::pair<std::string, fs::path>{"tapfall/tapfall", ""},
                                           {"tapfall", folder},
                                           {"tapfall-game", links},
                                           {links / "tapfall-game", ""},
                                           {"tapfall", installed}}) {
        SCOPED_TRACE(program);
        start(program, {{"PATH", on_path.string() + ":" + std::getenv("PATH")}});
        ASSERT_TRUE(wait_for_menu(0));
        EXPECT_EQ("32x32 tapfall", icon_and_class());
        close_window();
        EXPECT_EQ(wait_for_exit(), 0);
    }
    // A window taken away by another program ends the game with a message.
    start();
    ASSERT_TRUE(wait_for_menu(0));
    destroy_window();
    EXPECT_EQ(wait_for_exit(), 1);
    EXPECT_EQ(error_output(), "Error:Lost the game's window");
}

// A command line it cannot follow opens no window, even where there is no display to open one:
// status 2 and one line. Any other failure to start is status 1, the first problem at the end of
// standard error, the line before it what the library said of it.
TEST_F(StartUp, FailsWithTheReasonAtTheEndOfStandardError) {
    const std::string unreadable = (folder / "../nothing.replay").lexically_normal().string();
    for (const auto& [arguments, message] :
         {std::pair<std::vector<std::string>, std::string>{{"--frobnicate"},
                                                           "cannot follow '--frobnicate' here (try --help)"},
          {{"--replay", "nothing.replay"}, "cannot read " + unreadable + ": No such file or directory"}}) {
        start("", {{"DISPLAY", std::nullopt}}, arguments);
        EXPECT_EQ(wait_for_exit(), 2);
        EXPECT_EQ(error_output(), "tapfall: " + message + "\n");
    }
    if (!installed_game().empty()) GTEST_SKIP() << "takes files away from the built game";
    const auto fails = [&](const std::string& cause, const std::string& message) {
        EXPECT_EQ(wait_for_exit(Milliseconds(15000)), 1) << message;
        EXPECT_TRUE(std::regex_search(error_output(), std::regex("(^|\n)" + cause + ".*\n" + message + "$")))
            << error_output();
    };
    // Without a reachable display SDL would fall back to an invisible off-screen window.
    start("", {{"DISPLAY", std::nullopt}});
    fails("No display to open a window on", "Error:Couldn't initialize SDL");
    start("", {{"SDL_VIDEODRIVER", "dummy"}});
    fails("OpenGL support is either not configured", "Error:Couldn't set video mode");
    // Of two files missing, the one loaded first is reported: images, then fonts, then sounds
    // (drop sounds may be missing).
    const std::string font = asset_files::FONT;
    for (const auto& [missing, cause, message] :
         {std::tuple<std::vector<std::string>, std::string, std::string>{
              {"sfx/finish.ogg", "sfx/hurry.ogg"}, "", "sfx/hurry.ogg"},
          {{"sfx/rotate.ogg", font}, "Couldn't open " + font, font},
          {{font, "img/backdrop.png"}, "Couldn't open img/backdrop.png", "image file: img/backdrop.png"},
          {{"sfx/3c.ogg", "sfx/countdownstart.ogg"}, "", "sfx/countdownstart.ogg"}}) {
        for (const std::string& file : missing) fs::rename(folder / file, folder / (file + ".gone"));
        start();
        fails(cause, "Error:Couldn't load " + message);
        for (const std::string& file : missing) fs::rename(folder / (file + ".gone"), folder / file);
    }
}

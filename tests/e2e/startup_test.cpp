#include <algorithm>
#include <cstdlib>
#include <string>

#include "e2e/harness.h"
#include "render/asset_files.h"

using StartUp = GameTest;

// Started from the folder above the game's. The icon comes from img/ beside the executable, so it
// shows that the files were found. The installed folder is reached by name on PATH, as a desktop
// entry or a shell would start it.
TEST_F(StartUp, FindsItsFilesHoweverItIsStartedAndEndsWhenItsWindowIsClosedOrLost) {
    if (!installed_game().empty()) GTEST_SKIP() << "starts the built game from other folders";
    write_settings("Sound=FALSE\n");
    const fs::path links = folder / "../links", installed = folder / "../installed game";
    fs::create_directory(links);
    fs::create_symlink(folder / "tapfall", links / "tapfall-game");
    ASSERT_EQ(0, std::system(("'" CMAKE_COMMAND_PATH "' --install '" TAPFALL_BUILD_DIR "' --prefix '" +
                              installed.string() + "' >/dev/null")
                                 .c_str()));
    const std::string path = std::string(":") + std::getenv("PATH");
    const std::pair<std::string, Environment> starts[] = {{"tapfall/tapfall", {}},
                                                          {"tapfall", {{"PATH", folder.string() + path}}},
                                                          {"tapfall-game", {{"PATH", links.string() + path}}},
                                                          {(links / "tapfall-game").string(), {}},
                                                          {"tapfall", {{"PATH", installed.string() + path}}}};
    for (const auto& [program, environment] : starts) {
        SCOPED_TRACE(program);
        start(program, environment);
        ASSERT_TRUE(wait_for_menu(0));
        EXPECT_TRUE(has_icon());
        EXPECT_EQ("tapfall", window_class());  // StartupWMClass in the desktop entry
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

// Assets are reported in load order: images, then fonts, then sounds (drop sounds may be missing).
// The game's own message comes last; what the library said of the failure, the line before it.
TEST_F(StartUp, FailsWithStatusOneAndTheFirstProblemAtTheEndOfStandardError) {
    if (!installed_game().empty()) GTEST_SKIP() << "takes files away from the built game";
    const struct {
        Environment environment;
        std::vector<std::string> missing;
        std::string message, cause;
    } cases[] = {
        // Without a reachable display SDL would fall back to an invisible off-screen window.
        {{{"DISPLAY", std::nullopt}}, {}, "Error:Couldn't initialize SDL", "No display to open a window on"},
        {{{"SDL_VIDEODRIVER", "dummy"}},
         {},
         "Error:Couldn't set video mode",
         "OpenGL support is either not configured"},
        {{}, {"sfx/finish.ogg", "sfx/hurry.ogg"}, "Error:Couldn't load sfx/hurry.ogg", ""},
        {{},
         {"sfx/rotate.ogg", asset_files::FONT},
         std::string("Error:Couldn't load ") + asset_files::FONT,
         std::string("Couldn't open ") + asset_files::FONT},
        {{},
         {asset_files::FONT, "img/backdrop.png"},
         "Error:Couldn't load image file: img/backdrop.png",
         "Couldn't open img/backdrop.png"},
        {{}, {"sfx/3c.ogg", "sfx/countdownstart.ogg"}, "Error:Couldn't load sfx/countdownstart.ogg", ""},
    };
    for (const auto& c : cases) {
        for (const std::string& file : c.missing) fs::rename(folder / file, folder / (file + ".gone"));
        start("", c.environment);
        EXPECT_EQ(wait_for_exit(Milliseconds(15000)), 1) << c.message;
        const std::string error = error_output();
        const size_t last = std::min(error.rfind("Error:"), error.size());
        EXPECT_EQ(error.substr(last), c.message) << error;
        const std::string before = error.substr(0, last);
        EXPECT_EQ(before.substr(before.rfind('\n', before.size() - 2) + 1).find(c.cause), 0u) << error;
        for (const std::string& file : c.missing) fs::rename(folder / (file + ".gone"), folder / file);
    }
}

// A command line it cannot follow opens no window, even where there is no display to open one.
TEST_F(StartUp, ACommandLineItCannotFollowEndsWithStatusTwoAndOneLine) {
    for (const auto& [arguments, message] :
         {std::pair<std::vector<std::string>, std::string>{{"--frobnicate"},
                                                           "tapfall: cannot follow '--frobnicate' here (try --help)\n"},
          {{"--replay", "nothing.replay"},
           "tapfall: cannot read " + (folder / "../nothing.replay").lexically_normal().string() +
               ": No such file or directory\n"}}) {
        start("", {{"DISPLAY", std::nullopt}}, arguments);
        EXPECT_EQ(wait_for_exit(), 2);
        EXPECT_EQ(error_output(), message);
    }
}

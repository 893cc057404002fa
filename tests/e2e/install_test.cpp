#include <cstdlib>
#include <string>

#include "e2e/gametest.h"

using Installation = GameTest;

// The installed folder holds the game, its files and a desktop entry; started by name from PATH,
// as a desktop entry or a shell would start it, it finds its files wherever the folder is.
TEST_F(Installation, AnInstalledFolderRunsFromAnywhere) {
    const fs::path installed = make_directory("installed game");
    const CommandResult install = run_command(
        {CMAKE_COMMAND_PATH, "--install", TAPFALL_BUILD_DIR, "--prefix", installed.string()}, {},
        Milliseconds(30000));
    ASSERT_EQ(install.status, 0) << install.output;

    for (const char* file : {"tapfall", "img/backdrop.png", "sfx/hurry.ogg", "font/dejavumonosansbold.ttf",
                             "share/icons/hicolor/32x32/apps/tapfall.png"})
        EXPECT_TRUE(fs::exists(installed / file)) << file;
    const std::string entry = read_file((installed / "share/applications/tapfall.desktop").string());
    EXPECT_NE(entry.find("Exec=\"" + (installed / "tapfall").string() + "\"\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("Icon=" + (installed / "share/icons/hicolor/32x32/apps/tapfall.png").string() + "\n"),
              std::string::npos)
        << entry;

    // Without its assets the game would end at start-up with an error.
    fs::remove_all(folder());
    const char* path = std::getenv("PATH");
    start(GameStart()
              .run("tapfall")
              .from(make_directory("elsewhere"))
              .set("PATH", installed.string() + ":" + (path ? path : "/usr/bin:/bin")));
    ASSERT_NE(window(), 0u) << error_output();
    EXPECT_TRUE(x_server().window_has_icon(window()));
    EXPECT_TRUE(game_running()) << error_output();
    press("Escape");
    EXPECT_EQ(wait_for_exit(), 0) << error_output();
    EXPECT_EQ(error_output(), "");
}

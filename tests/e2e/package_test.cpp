#include <iterator>

#include "e2e/harness.h"

using Package = GameTest;

// The package that tools/build-deb makes, unpacked into a folder no player may write, with the
// font it links to where its own package puts it, and started by name through its link on PATH.
// The player's files go to ~/.local/share/tapfall, or to $XDG_DATA_HOME/tapfall where that is
// set, for root too, who could write into the game's folder; settings left there are not read.
// The settings are byte for byte those the folder installation writes beside itself. Where no
// folder can be written, saving says so on standard error.
TEST_F(Package, KeepsThePlayersFilesInTheirDataHomeAndNeverInTheGamesFolder) {
    if (!installed_game().empty()) GTEST_SKIP() << "unpacks the package that tools/build-deb made";
    const fs::path top = folder.parent_path(), home = top / "home", game = top / "root/usr/lib/tapfall";
    const std::string font = "/usr/share/fonts/truetype/dejavu/", deb = TAPFALL_SOURCE_DIR "/build-deb/tapfall_*.deb";
    ASSERT_EQ(0, std::system(("cd '" + top.string() + "' && dpkg-deb -x " + deb + " root && mkdir -p root" + font +
                              " home root-home && cp " + font + "DejaVuSansMono-Bold.ttf root" + font +
                              " && echo GameMode=Endless > root/usr/lib/tapfall/TapFall.ini && chmod -R a-w root" +
                              " && chmod o+rx . && (chown nobody home 2>/dev/null || true)")
                                 .c_str()))
        << "no " << deb << ": tools/build-deb makes it";
    Environment player = {{"PATH", (top / "root/usr/games").string() + ":" + std::getenv("PATH")},
                          {"HOME", home.string()},
                          {"XDG_DATA_HOME", std::nullopt}};
    // Starts the game (empty: the folder installation) and saves its settings: Enter on the game
    // mode when asked to change it, then on "Save Settings", two lines up.
    const auto save = [&](const std::string& program, const fs::path& settings, bool change) {
        std::string saved;
        start(program, program.empty() ? Environment{} : player);
        if (!wait_for_menu(0)) return saved;
        fs::remove(settings);
        type({"Down", "Return", change ? "Return" : "", "Up", "Up", "Return"});
        eventually([&] { return (saved = read_text(settings)).find("\nKEY_SPACE=32\n") != std::string::npos; });
        type({"Escape", "Escape"});
        EXPECT_EQ(wait_for_exit(), 0) << error_output();
        return saved;
    };
    const fs::path data = home / ".local/share/tapfall/TapFall.ini";
    as_player = true;
    const std::string saved = save("tapfall", data, true);
    EXPECT_NE(std::string::npos, saved.find("\nGameMode=2Minutes\n")) << saved;
    EXPECT_EQ(saved, save("tapfall", data, false));  // read back from there: two minutes and all
    as_player = false;
    player["HOME"] = (top / "root-home").string();
    EXPECT_EQ(saved, save("tapfall", top / "root-home/.local/share/tapfall/TapFall.ini", true));
    EXPECT_EQ("GameMode=Endless\n", read_text(game / "TapFall.ini"));
    EXPECT_EQ(5, std::distance(fs::directory_iterator(game), fs::directory_iterator()));
    fs::remove(folder / "TapFall.ini");
    EXPECT_EQ(saved, save("", folder / "TapFall.ini", true));
    as_player = true;
    player["XDG_DATA_HOME"] = (home / "data").string();
    start("tapfall", player);
    ASSERT_TRUE(start_game());
    type({"F2"});
    EXPECT_TRUE(eventually([&] { return fs::exists(home / "data/tapfall") && !fs::is_empty(home / "data/tapfall"); }));
    if (geteuid() == 0) {  // the user nobody's home, /nonexistent, cannot be made
        start("tapfall", {{"PATH", player["PATH"]}, {"HOME", std::nullopt}, {"XDG_DATA_HOME", std::nullopt}});
        ASSERT_TRUE(wait_for_menu(0));
        type({"Down", "Return", "Up", "Up", "Return"});
        EXPECT_TRUE(eventually([&] { return !error_output().empty(); }));
        EXPECT_EQ(
            "tapfall: cannot save the settings to /nonexistent/.local/share/tapfall/TapFall.ini: Permission denied\n",
            error_output());
    }
    std::system(("chmod -R u+w '" + top.string() + "/root'").c_str());  // so that the folder can go
}

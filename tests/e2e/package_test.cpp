#include <cstdlib>
#include <string>

#include "e2e/harness.h"

using Package = GameTest;

// The package that tools/build-deb makes, unpacked into a folder no player may write, with the
// font it links to where its own package puts it, and started by name through its link on PATH
// by a player with a home: the player's files go to ~/.local/share/tapfall, or to
// $XDG_DATA_HOME/tapfall where that is set; the settings byte for byte as the game writes them
// beside itself where it can.
TEST_F(Package, KeepsThePlayersFilesInTheirDataHomeWhereTheGameCannotWrite) {
    const fs::path top = folder.parent_path(), root = top / "root", home = top / "home";
    const std::string font = "/usr/share/fonts/truetype/dejavu/", deb = TAPFALL_SOURCE_DIR "/build-deb/tapfall_*.deb";
    ASSERT_EQ(0, std::system(("cd '" + top.string() + "' && dpkg-deb -x " + deb + " root && mkdir -p root" + font + " home && cp " +
                              font + "DejaVuSansMono-Bold.ttf root" + font + " && chmod -R a-w root && chmod o+rx . && "
                              "(chown nobody home 2>/dev/null || true)").c_str())) << "no " << deb << ": tools/build-deb makes it";
    Environment player = {{"PATH", (root / "usr/games").string() + ":" + std::getenv("PATH")},
                          {"HOME", home.string()}, {"XDG_DATA_HOME", std::nullopt}};
    // Enter on the game mode when asked to change it, then on "Save Settings", two lines up.
    const auto save = [&](const fs::path& settings, bool change) {
        std::string saved;
        if (!wait_for_menu(0)) return saved;
        fs::remove(settings);
        type({"Down", "Return"});
        if (change) type({"Return"});
        type({"Up", "Up", "Return"});
        eventually([&] { return (saved = read_file(settings)).find("\nKEY_SPACE=32\n") != std::string::npos; });
        type({"Escape", "Escape"});
        EXPECT_EQ(wait_for_exit(), 0) << error_output();
        return saved;
    };
    const fs::path data = home / ".local/share/tapfall";
    as_player = true;
    start("tapfall", player);
    const std::string saved = save(data / "TapFall.ini", true);
    EXPECT_NE(std::string::npos, saved.find("\nGameMode=2Minutes\n")) << saved;
    start("tapfall", player);  // read back from there: saved again unchanged, two minutes and all
    EXPECT_EQ(saved, save(data / "TapFall.ini", false));
    as_player = false;
    fs::remove(folder / "TapFall.ini");
    start();
    EXPECT_EQ(saved, save(folder / "TapFall.ini", true));
    as_player = true;
    player["XDG_DATA_HOME"] = (home / "data").string();
    start("tapfall", player);
    ASSERT_TRUE(start_game());
    type({"F2"});
    EXPECT_TRUE(eventually([&] { return fs::exists(home / "data/tapfall") && !fs::is_empty(home / "data/tapfall"); }));
    std::system(("chmod -R u+w '" + root.string() + "'").c_str());  // so that the folder can go
}

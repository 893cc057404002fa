#include <string>
#include <vector>

#include "e2e/harness.h"

using Package = GameTest;

namespace {

// From the main menu: the options, Enter on the game mode, and Enter on "Save Settings".
const std::vector<std::string> SAVE_TWO_MINUTES = {"Down", "Return", "Return", "Down", "Down", "Down", "Down", "Down",
                                                   "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down",
                                                   "Down", "Down", "Down", "Down", "Down", "Return"};

}  // namespace

// The Debian package that tools/build-deb makes, unpacked into a folder no player may write and
// started by name through its link on PATH: the player's files go to ~/.local/share/tapfall, the
// settings byte for byte as the game writes them beside itself where it can.
TEST_F(Package, KeepsThePlayersFilesInTheirDataHomeWhereTheGameCannotWrite) {
    fs::path deb;
    for (const auto& entry : fs::directory_iterator(TAPFALL_SOURCE_DIR "/build-deb"))
        if (entry.path().extension() == ".deb") deb = entry.path();
    ASSERT_FALSE(deb.empty()) << "no package: run tools/build-deb first";
    const fs::path top = folder.parent_path(), root = top / "root", home = top / "home";
    ASSERT_EQ(0, std::system(("dpkg-deb -x '" + deb.string() + "' '" + root.string() + "'").c_str()));
    // The one file of another package that it links to, the font, as that package puts it.
    const fs::path font_link = root / "usr/lib/tapfall/font/dejavumonosansbold.ttf";
    const fs::path font = (font_link.parent_path() / fs::read_symlink(font_link)).lexically_normal();
    fs::create_directories(font.parent_path());
    fs::copy_file("/" + font.lexically_relative(root).string(), font);
    ASSERT_EQ(0, std::system(("chmod -R a-w '" + root.string() + "'").c_str()));
    fs::create_directory(home);
    ASSERT_EQ(0, std::system(("chown nobody '" + home.string() + "' 2>/dev/null || true").c_str()));
    fs::permissions(top, fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    const Environment player = {{"PATH", (root / "usr/games").string() + ":" + std::getenv("PATH")},
                                {"HOME", home.string()}, {"XDG_DATA_HOME", std::nullopt}};
    const fs::path data = home / ".local/share/tapfall";
    const auto save_and_quit = [&](const fs::path& settings) {
        ASSERT_TRUE(wait_for_menu(0));
        type(SAVE_TWO_MINUTES);
        EXPECT_TRUE(eventually([&] { return read_file(settings).find("\nKEY_SPACE=32\n") != std::string::npos; }));
        type({"Escape", "Escape"});
        EXPECT_EQ(wait_for_exit(), 0) << error_output();
    };
    as_player = true;
    start("tapfall", player);
    save_and_quit(data / "TapFall.ini");
    const std::string saved = read_file(data / "TapFall.ini");
    EXPECT_NE(std::string::npos, saved.find("\nGameMode=2Minutes\n")) << saved;
    // Started again it reads them back: saved once more, two minutes are still chosen.
    fs::remove(data / "TapFall.ini");
    std::ofstream(data / "TapFall.ini") << saved;
    start("tapfall", player);
    ASSERT_TRUE(wait_for_menu(0));
    type({"Down", "Return", "Up", "Return"});
    EXPECT_TRUE(eventually([&] { return read_file(data / "TapFall.ini") == saved; }));
    type({"Escape", "Escape"});
    EXPECT_EQ(wait_for_exit(), 0);
    // The game started from a copy it can write keeps the same file beside itself.
    as_player = false;
    write_settings("");
    fs::remove(folder / "TapFall.ini");
    start();
    save_and_quit(folder / "TapFall.ini");
    EXPECT_EQ(saved, read_file(folder / "TapFall.ini"));
    // F2's screenshot goes to the data home too.
    as_player = true;
    start("tapfall", player);
    ASSERT_TRUE(start_game());
    type({"F2"});
    EXPECT_TRUE(eventually([&] {
        for (const auto& entry : fs::directory_iterator(data))
            if (entry.path().extension() == ".bmp") return true;
        return false;
    }));
    std::system(("chmod -R u+w '" + root.string() + "'").c_str());  // so that the folder can go
}

#include "persist/player_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/as_player.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

TEST(PlayerFolder, IsTheGamesOwnFolderOnlyForAFolderInstallationThatMayWriteThere) {
    const TempDir home;
    const std::string h = home.path().string(), in_passwd = "/home/player";
    const auto folder = player_folder_for;
    const auto FOLDER = InstallLayout::Folder, SYSTEM = InstallLayout::System;
    EXPECT_EQ("", folder(FOLDER, true, "/data", h.c_str(), in_passwd));
    EXPECT_EQ("/data/tapfall", folder(FOLDER, false, "/data", h.c_str(), in_passwd));
    EXPECT_EQ("/data/tapfall", folder(SYSTEM, true, "/data", h.c_str(), in_passwd));
    // A relative data home is no data home; a home that is missing, relative or read-only gives
    // way to the password database's.
    EXPECT_EQ(h + "/.local/share/tapfall", folder(SYSTEM, true, "data", h.c_str(), in_passwd));
    EXPECT_EQ(h + "/.local/share/tapfall", folder(FOLDER, false, nullptr, h.c_str(), in_passwd));
    EXPECT_EQ("/home/player/.local/share/tapfall", folder(SYSTEM, false, nullptr, nullptr, in_passwd));
    EXPECT_EQ("/home/player/.local/share/tapfall", folder(SYSTEM, false, nullptr, "home", in_passwd));
    EXPECT_EQ("/home/player/.local/share/tapfall", folder(FOLDER, false, nullptr, "/nonexistent/home", in_passwd));
    // With no home at all a folder installation stays in its folder; a system one never does.
    EXPECT_EQ("", folder(FOLDER, false, nullptr, nullptr, ""));
    EXPECT_EQ("/nonexistent/.local/share/tapfall", folder(SYSTEM, true, nullptr, nullptr, ""));
}

// A game folder the player cannot write, with settings of its own: they are read until the data
// home has some, and saving makes every folder the data home lacks. Where no player's folder can
// be made, saving says which file and why: the folder it could not make, not the one below it.
TEST(PlayerFolder, AFolderInstallationReadsItsOwnSettingsUntilASaveMakesTheDataHomesFolders) {
    const TempDir dir;
    const fs::path game = dir.path() / "game", locked = dir.path() / "locked";
    fs::create_directory(game);
    fs::create_directory(locked);
    std::ofstream(game / "TapFall.ini") << "Sound=FALSE\n";
    EXPECT_TRUE(as_player(dir.path(), [&] {
        for (const fs::path& folder : {game, locked})
            fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        const fs::path previous = fs::current_path();
        fs::current_path(game);
        setenv("XDG_DATA_HOME", (dir.path() / "new/data").c_str(), 1);
        choose_player_folder();
        const bool own_first = settings_file_to_read() == "TapFall.ini";
        std::string failure;
        const bool saved = save_player_settings(Settings(), &failure);
        const bool data_then = settings_file_to_read() == (dir.path() / "new/data/tapfall/TapFall.ini").string();
        setenv("XDG_DATA_HOME", (locked / "data").c_str(), 1);
        choose_player_folder();
        const bool refused = !save_player_settings(Settings(), &failure) &&
                             failure == "cannot save the settings to " +
                                            (locked / "data/tapfall/TapFall.ini").string() + ": Permission denied";
        for (const fs::path& folder : {game, locked}) fs::permissions(folder, fs::perms::owner_all);
        fs::current_path(previous);
        unsetenv("XDG_DATA_HOME");
        choose_player_folder();
        return own_first && saved && data_then && refused;
    }));
}

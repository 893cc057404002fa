#include "persist/player_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/as_player.h"
#include "support/temp_dir.h"

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

// Where no player's folder can be made, saving says which file and why: the folder it could not
// make, not the missing one below it.
// A game folder the player cannot write, with settings of its own: they are read until the data
// home has some, and saving makes every folder the data home lacks.
TEST(PlayerFolder, AFolderInstallationTheDataHomeTakesOverReadsItsOwnSettingsUntilThen) {
    const TempDir dir;
    const std::filesystem::path game = dir.path() / "game";
    std::filesystem::create_directory(game);
    std::ofstream(game / "TapFall.ini") << "Sound=FALSE\n";
    EXPECT_TRUE(as_player(dir.path(), [&] {
        std::filesystem::permissions(game, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(game);
        setenv("XDG_DATA_HOME", (dir.path() / "new/data").c_str(), 1);
        choose_player_folder();
        const bool own_first = settings_file_to_read() == "TapFall.ini";
        std::string failure;
        const bool saved = save_player_settings(Settings(), &failure);
        const bool data_then = settings_file_to_read() == (dir.path() / "new/data/tapfall/TapFall.ini").string();
        std::filesystem::permissions(game, std::filesystem::perms::owner_all);
        std::filesystem::current_path(previous);
        unsetenv("XDG_DATA_HOME");
        choose_player_folder();
        return own_first && saved && data_then;
    }));
}

TEST(PlayerFolder, SavingWhereNoFolderCanBeMadeSaysWhy) {
    const TempDir dir;
    const std::filesystem::path locked = dir.path() / "locked";
    std::filesystem::create_directory(locked);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_TRUE(as_player(dir.path(), [&] {
        setenv("XDG_DATA_HOME", (locked / "data").c_str(), 1);
        choose_player_folder();
        std::string failure;
        const bool saved = save_player_settings(Settings(), &failure);
        unsetenv("XDG_DATA_HOME");
        choose_player_folder();
        return !saved && failure == "cannot save the settings to " + (locked / "data/tapfall/TapFall.ini").string() +
                                        ": Permission denied";
    }));
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
}

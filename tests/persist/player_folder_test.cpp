#include "persist/player_folder.h"

#include <gtest/gtest.h>

// Where the files go in a game installed out of the player's reach is seen end to end, in
// tests/e2e/package_test.cpp.
TEST(PlayerFolder, IsTheGamesFolderWheneverItCanBeWrittenAndTheDataHomeOtherwise) {
    EXPECT_EQ("", player_folder_for(true, "/data", "/home/p"));
    EXPECT_EQ("/data/tapfall", player_folder_for(false, "/data", "/home/p"));
    EXPECT_EQ("/home/p/.local/share/tapfall", player_folder_for(false, "data", "/home/p"));
    EXPECT_EQ("/home/p/.local/share/tapfall", player_folder_for(false, nullptr, "/home/p"));
    EXPECT_EQ("", player_folder_for(false, nullptr, "home"));
}

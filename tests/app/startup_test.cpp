#include "app/startup.h"

#include <gtest/gtest.h>

TEST(ProgramDirectory, APathWithASlashNamesItsOwnDirectory) {
    EXPECT_EQ(program_directory("./tapfall", "/opt/games/tapfall"), ".");
    EXPECT_EQ(program_directory("../game/tapfall", "/opt/games/tapfall"), "../game");
    EXPECT_EQ(program_directory("/opt/games/tapfall", ""), "/opt/games");
    EXPECT_EQ(program_directory("a/b/c/tapfall", ""), "a/b/c");
}

TEST(ProgramDirectory, AProgramInTheRootDirectoryChangesIntoTheRoot) {
    EXPECT_EQ(program_directory("/tapfall", ""), "/");
}

TEST(ProgramDirectory, ABareNameFoundOnPathUsesTheResolvedExecutable) {
    EXPECT_EQ(program_directory("tapfall", "/opt/games/tapfall"), "/opt/games");
    EXPECT_EQ(program_directory("tf", "/opt/games/tapfall"), "/opt/games");
    EXPECT_EQ(program_directory("", "/opt/games/tapfall"), "/opt/games");
}

TEST(ProgramDirectory, ABareNameWithoutAKnownExecutableStaysPut) {
    EXPECT_EQ(program_directory("tapfall", ""), "");
}

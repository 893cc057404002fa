#include "app/startup.h"

#include <gtest/gtest.h>

TEST(ProgramDirectory, IsTheDirectoryOfTheResolvedExecutableOrElseOfTheInvokedPath) {
    EXPECT_EQ("/opt/games", program_directory("./tapfall", "/opt/games/tapfall"));
    EXPECT_EQ("/opt/games", program_directory("/some/dir/tf", "/opt/games/tapfall"));
    EXPECT_EQ("../game", program_directory("../game/tapfall", ""));
    EXPECT_EQ("/", program_directory("/tapfall", ""));
    EXPECT_EQ("", program_directory("tapfall", ""));
}

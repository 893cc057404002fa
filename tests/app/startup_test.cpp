#include "app/startup.h"

#include <gtest/gtest.h>

TEST(ProgramDirectory, IsTheDirectoryOfTheResolvedExecutableOrElseOfTheInvokedPath) {
    const char* const cases[][3] = {
        // invoked as, resolved executable, directory to change into
        {"./tapfall", "/opt/games/tapfall", "/opt/games"},
        {"/some/dir/tf", "/opt/games/tapfall", "/opt/games"},
        {"../game/tapfall", "", "../game"},
        {"/opt/games/tapfall", "", "/opt/games"},
        {"a/b/c/tapfall", "", "a/b/c"},
        {"/tapfall", "", "/"},
        {"tapfall", "/opt/games/tapfall", "/opt/games"},
        {"tf", "/opt/games/tapfall", "/opt/games"},
        {"", "/opt/games/tapfall", "/opt/games"},
        {"tapfall", "", ""}};
    for (const auto& [invoked, resolved, directory] : cases)
        EXPECT_EQ(program_directory(invoked, resolved), directory) << invoked << " " << resolved;
}

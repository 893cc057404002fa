#include "render/resources.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

using ResourcesDeathTest = ::testing::Test;

TEST_F(ResourcesDeathTest, WithoutAssetsTheCellSheetIsReportedFirst) {
    const auto previous = std::filesystem::current_path();
    const auto empty = std::filesystem::temp_directory_path() /
                       ("tapfall_no_assets_" + std::to_string(getpid()));
    std::filesystem::create_directories(empty);
    std::filesystem::current_path(empty);
    EXPECT_EXIT(Resources resources, ::testing::ExitedWithCode(1),
                "^Error:Couldn't load image file: img/cellsheet.png$");
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(empty);
}

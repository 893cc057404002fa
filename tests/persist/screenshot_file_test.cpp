#include "persist/screenshot_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

// Written in an empty folder, as the game writes in its own; the names themselves are given in the
// scenarios.
TEST(ScreenshotFile, IsWrittenWholeUnderTheFirstFreeNumberedNameAndNeverThroughALink) {
    const TempDir dir;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    {
        FileSizeLimit full_disk(100);
        EXPECT_EQ("", write_screenshot(std::string(1000, 'x'), "shot"));
    }
    EXPECT_EQ("", write_screenshot("", "shot"));
    EXPECT_EQ(std::vector<std::string>{}, dir.entries());
    EXPECT_EQ("shot.bmp", write_screenshot("BM1", "shot"));
    EXPECT_EQ("shot_2.bmp", write_screenshot("BM2", "shot"));
    EXPECT_EQ("BM2", dir.read("shot_2.bmp"));
    // A link that leads nowhere still holds its name, and nothing is written where it leads.
    std::filesystem::create_symlink("picture.bmp", "shot_3.bmp");
    EXPECT_EQ("shot_4.bmp", write_screenshot("BM4", "shot"));
    EXPECT_FALSE(std::filesystem::exists("picture.bmp"));
    std::filesystem::remove("shot_2.bmp");
    EXPECT_EQ("shot_2.bmp", write_screenshot("BM5", "shot"));
    EXPECT_EQ("BM1", dir.read("shot.bmp"));
    std::filesystem::current_path(previous);
}

// Two rows of one pixel, the bottom row first as the game reads them; the file keeps 54 bytes of
// headers, then each row from the bottom in blue, green and red, padded to four bytes.
TEST(ScreenshotFile, IsWrittenBottomRowFirst) {
    const unsigned char pixels[] = {1, 2, 3, 255, 4, 5, 6, 255};
    EXPECT_EQ(std::string("\3\2\1\0\6\5\4\0", 8), encode_bmp(pixels, 1, 2).substr(54));
}

#include "persist/screenshot_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/game.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace {

// Noon on 7 March 2011, local time: far from midnight in every time zone's own reckoning.
std::time_t march_7_2011() {
    std::tm noon = {};
    noon.tm_year = 2011 - 1900;
    noon.tm_mon = 2;
    noon.tm_mday = 7;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    return std::mktime(&noon);
}

// Runs each test in a fresh empty folder, as the game runs in its own.
class ScreenshotFile : public ::testing::Test {
protected:
    ScreenshotFile() { std::filesystem::current_path(dir.path()); }
    ~ScreenshotFile() override { std::filesystem::current_path(previous); }
    const std::filesystem::path previous = std::filesystem::current_path();
    TempDir dir;
};

}  // namespace

TEST(ScreenshotName, NamesDateSchemeModeAndTheResultOfAFinishedGame) {
    const struct {
        GameMode mode;
        bool big, finished;
        uint32_t end;
        int scheme;
        const char* name;
    } cases[] = {{GameMode::FortyLines, false, false, 0, 0, "2011-03-07_10-Key_40Lines"},
                 {GameMode::TwoMinutes, true, false, 0, 1, "2011-03-07_40-Key_2Min_BIG"},
                 {GameMode::FortyLines, true, true, 45123, 2, "2011-03-07_40-Key-Inverse_40Lines_BIG_45_123s"},
                 {GameMode::FortyLines, false, true, 123456789, 0, "2011-03-07_10-Key_40Lines_123456_789s"},
                 {GameMode::TwoMinutes, false, true, 121000, 0, "2011-03-07_10-Key_2Min_52l"},
                 {GameMode::Endless, false, true, 9000, 0, "2011-03-07_10-Key_Endless"}};
    for (const auto& c : cases) {
        Game game;
        game.settings.game_mode = c.mode;
        game.settings.big_mode = c.big;
        game.settings.control_scheme = c.scheme;
        game.finished = c.finished;
        game.start_ticks = 1000;
        game.end_ticks = c.end + 1000;
        game.lines = 52;
        EXPECT_EQ(c.name, screenshot_base_name(game, march_7_2011()));
    }
}

TEST_F(ScreenshotFile, ItTakesTheFirstFreeNumberedNameAndNeverWritesThroughALink) {
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
}

TEST_F(ScreenshotFile, AScreenshotThatCannotBeWrittenWholeLeavesNoFile) {
    {
        FileSizeLimit full_disk(100);
        EXPECT_EQ("", write_screenshot(std::string(1000, 'x'), "shot"));
    }
    EXPECT_EQ("", write_screenshot("", "shot"));
    EXPECT_EQ(std::vector<std::string>{}, dir.entries());
    // A 2 x 1 picture: 54 bytes of headers, then one row of blue, green, red padded to four bytes.
    const unsigned char pixels[] = {1, 2, 3, 255, 4, 5, 6, 255};
    const std::string bmp = encode_bmp(pixels, 2, 1);
    EXPECT_EQ(62u, bmp.size());
    EXPECT_EQ(std::string("BM"), bmp.substr(0, 2));
    EXPECT_EQ(std::string("\3\2\1\6\5\4\0\0", 8), bmp.substr(54));
}

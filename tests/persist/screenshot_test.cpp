#include "persist/screenshot.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "model/gamestate.h"
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

// Runs each test in a fresh empty directory, as the game runs in its own.
class ScreenshotTest : public ::testing::Test {
protected:
    ScreenshotTest() { std::filesystem::current_path(dir.path()); }
    ~ScreenshotTest() override { std::filesystem::current_path(previous); }
    void touch(const std::string& name) { dir.write(name, ""); }

    const std::filesystem::path previous = std::filesystem::current_path();
    TempDir dir;
};

}  // namespace

TEST(ScreenshotBaseName, NamesDateSchemeModeAndTheResultOfAFinishedGame) {
    struct Case {
        int mode;
        bool big, finished;
        uint32_t start, end;
        int lines;
        const char* input;
        const char* name;
    };
    const Case cases[] = {
        {GAME_MODE_40_LINES, false, false, 0, 0, 0, "10-Key", "2011-03-07_10-Key_40Lines"},
        {GAME_MODE_2_MINUTES, false, false, 0, 0, 0, "40-Key", "2011-03-07_40-Key_2Min"},
        {GAME_MODE_ENDLESS, true, false, 0, 0, 0, "40-Key-Inverse", "2011-03-07_40-Key-Inverse_Endless_BIG"},
        {9, true, false, 0, 0, 0, "10-Key", "2011-03-07_10-Key_BIG"},
        {GAME_MODE_40_LINES, true, true, 1000, 46123, 40, "40-Key", "2011-03-07_40-Key_40Lines_BIG_45_123s"},
        {GAME_MODE_40_LINES, false, true, 5, 123456789, 40, "10-Key", "2011-03-07_10-Key_40Lines_123456_784s"},
        {GAME_MODE_2_MINUTES, false, true, 1000, 121000, 52, "10-Key", "2011-03-07_10-Key_2Min_52l"},
        {GAME_MODE_ENDLESS, false, true, 1000, 9000, 300, "10-Key", "2011-03-07_10-Key_Endless"}};
    for (const Case& c : cases) {
        GameRecord state;
        state.game_mode = c.mode;
        state.big_mode = c.big;
        state.started = state.finished = c.finished;
        state.start_ticks = c.start;
        state.end_ticks = c.end;
        state.lines = c.lines;
        EXPECT_EQ(screenshot_base_name(state, c.input, march_7_2011()), c.name);
    }
}

TEST_F(ScreenshotTest, ItTakesTheFirstFreeNumberedNameAndNeverWritesThroughALink) {
    EXPECT_EQ(write_screenshot("BM1", "shot"), "shot.bmp");
    EXPECT_EQ(write_screenshot("BM2", "shot"), "shot_2.bmp");
    EXPECT_EQ(dir.read("shot_2.bmp"), "BM2");
    // A link that leads nowhere still holds its name, and nothing is written where it leads.
    std::filesystem::create_directory("elsewhere");
    std::filesystem::create_symlink("elsewhere/picture.bmp", "shot_3.bmp");
    EXPECT_EQ(write_screenshot("BM4", "shot"), "shot_4.bmp");
    EXPECT_FALSE(std::filesystem::exists("elsewhere/picture.bmp"));
    std::filesystem::remove("shot_2.bmp");
    EXPECT_EQ(write_screenshot("BM5", "shot"), "shot_2.bmp");
    EXPECT_EQ(dir.read("shot.bmp"), "BM1");
}

TEST_F(ScreenshotTest, AScreenshotThatCannotBeWrittenWholeLeavesNoFile) {
    {
        FileSizeLimit full_disk(100);
        EXPECT_EQ(write_screenshot(std::string(1000, 'x'), "shot"), "");
    }
    EXPECT_EQ(write_screenshot("", "shot"), "");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{});
}

#include "persist/screenshot.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <filesystem>
#include <vector>

#include "model/gamestate.h"
#include "support/seams.h"
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

TEST_F(ScreenshotTest, TakenNamesGetTheFirstFreeNumberedSuffix) {
    EXPECT_EQ(unique_screenshot_name("shot"), "shot.bmp");
    touch("shot.bmp");
    EXPECT_EQ(unique_screenshot_name("shot"), "shot_2.bmp");
    touch("shot_2.bmp");
    touch("shot_3.bmp");
    EXPECT_EQ(unique_screenshot_name("shot"), "shot_4.bmp");
    std::filesystem::remove("shot_2.bmp");
    EXPECT_EQ(unique_screenshot_name("shot"), "shot_2.bmp");
}

TEST_F(ScreenshotTest, GenFilenameNamesTheGameAndASecondShotGetsASuffix) {
    ScriptedRandom random;
    GameState state;
    state.input_type = make_input_type(QUARTZ_RAIN_INPUT_NAME);
    state.game_mode = GAME_MODE_2_MINUTES;
    state.finished = true;
    state.lines = 52;
    const std::string first = gen_filename(state, march_7_2011());
    EXPECT_EQ(first, "2011-03-07_40-Key_2Min_52l.bmp");
    touch(first);
    EXPECT_EQ(gen_filename(state, march_7_2011()), "2011-03-07_40-Key_2Min_52l_2.bmp");
}

TEST_F(ScreenshotTest, WritesTheImageTheRightWayUpOrNothing) {
    const int width = 3, height = 2;
    // Rows from the bottom up, as OpenGL reads them: bottom row red, top row blue.
    std::vector<unsigned char> pixels;
    for (int row = 0; row < height; ++row)
        for (int x = 0; x < width; ++x)
            pixels.insert(pixels.end(), {Uint8(row == 0 ? 255 : 0), Uint8(x * 10), Uint8(row == 1 ? 255 : 0), 255});
    EXPECT_FALSE(write_screenshot_bmp(pixels.data(), width, height, "no/such/folder/shot.bmp"));
    ASSERT_TRUE(write_screenshot_bmp(pixels.data(), width, height, "shot.bmp"));

    SDL_Surface* saved = SDL_LoadBMP("shot.bmp");
    ASSERT_NE(saved, nullptr);
    ASSERT_EQ(saved->w, width);
    ASSERT_EQ(saved->h, height);
    auto colour_at = [&](int x, int y) {
        Uint32 value = 0;
        std::memcpy(&value, static_cast<Uint8*>(saved->pixels) + y * saved->pitch + x * saved->format->BytesPerPixel,
                    saved->format->BytesPerPixel);
        Uint8 r, g, b;
        SDL_GetRGB(value, saved->format, &r, &g, &b);
        return std::vector<int>{r, g, b};
    };
    EXPECT_EQ(colour_at(0, 0), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(colour_at(2, 0), (std::vector<int>{0, 20, 255}));
    EXPECT_EQ(colour_at(1, 1), (std::vector<int>{255, 10, 0}));
    SDL_FreeSurface(saved);
}

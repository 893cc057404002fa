#include "persist/screenshot.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <vector>

#include "model/gamestate.h"
#include "support/seams.h"

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

GameRecord finished_game(int mode, uint32_t start, uint32_t end, int lines) {
    GameRecord state;
    state.game_mode = mode;
    state.started = state.finished = true;
    state.start_ticks = start;
    state.end_ticks = end;
    state.lines = lines;
    return state;
}

// Runs each test in a fresh empty directory, as the game runs in its own.
class InTempDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        char pattern[] = "/tmp/tapfall_screenshot_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        std::filesystem::current_path(folder_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }
    static void touch(const std::string& name) { std::fclose(std::fopen(name.c_str(), "w")); }

    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

using ScreenshotName = InTempDirectory;
using ScreenshotFile = InTempDirectory;

}  // namespace

TEST(ScreenshotBaseName, UnfinishedGamesNameDateSchemeAndMode) {
    const std::time_t day = march_7_2011();
    GameRecord state;
    state.game_mode = GAME_MODE_40_LINES;
    EXPECT_EQ(screenshot_base_name(state, "10-Key", day), "2011-03-07_10-Key_40Lines");
    state.game_mode = GAME_MODE_2_MINUTES;
    EXPECT_EQ(screenshot_base_name(state, "40-Key", day), "2011-03-07_40-Key_2Min");
    state.game_mode = GAME_MODE_ENDLESS;
    state.big_mode = true;
    EXPECT_EQ(screenshot_base_name(state, "40-Key-Inverse", day),
              "2011-03-07_40-Key-Inverse_Endless_BIG");
    state.game_mode = 9;
    EXPECT_EQ(screenshot_base_name(state, "10-Key", day), "2011-03-07_10-Key_BIG");
}

TEST(ScreenshotBaseName, FinishedGamesAddTheirResult) {
    const std::time_t day = march_7_2011();
    GameRecord forty = finished_game(GAME_MODE_40_LINES, 1000, 46123, 40);
    forty.big_mode = true;
    EXPECT_EQ(screenshot_base_name(forty, "40-Key", day), "2011-03-07_40-Key_40Lines_BIG_45_123s");

    GameRecord two_minutes = finished_game(GAME_MODE_2_MINUTES, 1000, 121000, 52);
    EXPECT_EQ(screenshot_base_name(two_minutes, "10-Key", day), "2011-03-07_10-Key_2Min_52l");

    GameRecord endless = finished_game(GAME_MODE_ENDLESS, 1000, 9000, 300);
    EXPECT_EQ(screenshot_base_name(endless, "10-Key", day), "2011-03-07_10-Key_Endless");
}

TEST_F(ScreenshotName, AFinishedFortyLinesNameHasOnlyTheExtensionsPoint) {
    const GameRecord forty = finished_game(GAME_MODE_40_LINES, 5, 123456789, 40);
    const std::string base = screenshot_base_name(forty, "10-Key", march_7_2011());
    EXPECT_EQ(base, "2011-03-07_10-Key_40Lines_123456_784s");
    const std::string name = unique_screenshot_name(base);
    EXPECT_EQ(std::count(name.begin(), name.end(), '.'), 1) << name;
    EXPECT_EQ(name.substr(name.size() - 4), ".bmp");
}

TEST_F(ScreenshotName, TakenNamesGetNumberedSuffixes) {
    EXPECT_EQ(unique_screenshot_name("shot"), "shot.bmp");
    touch("shot.bmp");
    EXPECT_EQ(unique_screenshot_name("shot"), "shot_2.bmp");
    touch("shot_2.bmp");
    touch("shot_3.bmp");
    EXPECT_EQ(unique_screenshot_name("shot"), "shot_4.bmp");
    // A gap is filled: only the base name's own file counts as the start.
    std::filesystem::remove("shot_2.bmp");
    EXPECT_EQ(unique_screenshot_name("shot"), "shot_2.bmp");
}

TEST_F(ScreenshotName, FileExistsFollowsStat) {
    EXPECT_FALSE(file_exists("absent.bmp"));
    touch("present.bmp");
    EXPECT_TRUE(file_exists("present.bmp"));
    EXPECT_TRUE(file_exists("."));
}

TEST_F(ScreenshotFile, WritesTheImageTheRightWayUp) {
    const int width = 3, height = 2;
    // Rows from the bottom up, as OpenGL reads them: bottom row red, top row blue.
    std::vector<unsigned char> pixels;
    for (int row = 0; row < height; ++row)
        for (int x = 0; x < width; ++x) {
            const unsigned char rgba[4] = {Uint8(row == 0 ? 255 : 0), Uint8(x * 10),
                                           Uint8(row == 1 ? 255 : 0), 255};
            pixels.insert(pixels.end(), rgba, rgba + 4);
        }
    ASSERT_TRUE(write_screenshot_bmp(pixels.data(), width, height, "shot.bmp"));

    SDL_Surface* saved = SDL_LoadBMP("shot.bmp");
    ASSERT_NE(saved, nullptr);
    ASSERT_EQ(saved->w, width);
    ASSERT_EQ(saved->h, height);
    auto colour_at = [&](int x, int y) {
        const Uint8* bytes = static_cast<Uint8*>(saved->pixels) + y * saved->pitch +
                             x * saved->format->BytesPerPixel;
        Uint32 value = 0;
        std::memcpy(&value, bytes, saved->format->BytesPerPixel);
        SDL_Color colour;
        SDL_GetRGB(value, saved->format, &colour.r, &colour.g, &colour.b);
        return std::vector<int>{colour.r, colour.g, colour.b};
    };
    EXPECT_EQ(colour_at(0, 0), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(colour_at(2, 0), (std::vector<int>{0, 20, 255}));
    EXPECT_EQ(colour_at(1, 1), (std::vector<int>{255, 10, 0}));
    SDL_FreeSurface(saved);
}

TEST_F(ScreenshotFile, AFileThatCannotBeOpenedIsSkipped) {
    const unsigned char pixels[4 * 4] = {};
    EXPECT_FALSE(write_screenshot_bmp(pixels, 2, 2, "no/such/folder/shot.bmp"));
    EXPECT_FALSE(file_exists("no/such/folder/shot.bmp"));
}

TEST_F(ScreenshotName, SecondShotOfTheSameGameGetsASuffix) {
    ScriptedRandom random;
    GameState state;
    state.input_type = make_input_type(QUARTZ_RAIN_INPUT_NAME);
    state.game_mode = GAME_MODE_2_MINUTES;
    state.finished = true;
    state.lines = 52;
    const std::time_t day = march_7_2011();
    const std::string first = gen_filename(state, day);
    EXPECT_EQ(first, "2011-03-07_40-Key_2Min_52l.bmp");
    touch(first);
    EXPECT_EQ(gen_filename(state, day), "2011-03-07_40-Key_2Min_52l_2.bmp");
}

// Checks the asset generator's output: every picture has the size and depth the game draws it
// with, and a second run gives the same bytes as the files beside the game. Whether the game
// loads every file is seen when it starts, in the end-to-end tests.
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "render/layout.h"

namespace fs = std::filesystem;

class Assets : public ::testing::Test {
protected:
    static inline fs::path fresh;
    static void SetUpTestSuite() {
        fresh = fs::temp_directory_path() / ("tapfall-assets-" + std::to_string(getpid()));
        ASSERT_EQ(0, std::system(("'" ASSETGEN_PATH "' '" + fresh.string() + "' '" ASSET_FONT_PATH "'").c_str()));
    }
    static void TearDownTestSuite() { fs::remove_all(fresh); }
};

TEST_F(Assets, ASecondRunWritesTheSameBytesAndTheFontUnchanged) {
    for (const std::string folder : {"img", "sfx", "font"}) {
        const std::string command = "diff -r '" + (fresh / folder).string() + "' '" TAPFALL_BIN_DIR "/" + folder + "'";
        EXPECT_EQ(0, std::system(command.c_str())) << command;
    }
    EXPECT_EQ(0, std::system(("cmp '" + (fresh / layout::FONT_FILE).string() + "' '" ASSET_FONT_PATH "'").c_str()));
}

// The texture loader takes RGB or RGBA pictures, nothing else; the icon is a 24-bit BMP.
TEST_F(Assets, PicturesHaveTheirSizesAndDepths) {
    const struct {
        std::string file;
        int width, height, bytes;
    } pictures[] = {{"cellsheet.png", 7 * layout::CELL, layout::CELL, 3},
                    {"backdrop.png", 640, 480, 3},
                    {"cellsheetbig.png", 7 * layout::BIG_CELL, layout::BIG_CELL, 3},
                    {"backdropbig.png", 640, 480, 3},
                    {"menuscreen.png", 640, 480, 3},
                    {"optionsscreen.png", 640, 480, 3},
                    {"creditsscreen.png", 640, 480, 3},
                    {"icon32.bmp", 32, 32, 3},
                    {"columnhighlight.png", layout::CELL, layout::FIELD_HEIGHT, 4},
                    {"cellhighlight.png", 20, 20, 4},
                    {"guide10keys.png", 80, 220, 4},
                    {"guide40keys.png", 80, 320, 4},
                    {"icon32.png", 32, 32, 3},
                    {"icon128.png", 128, 128, 3}};
    for (const auto& picture : pictures) {
        SDL_Surface* surface = IMG_Load((fresh / "img" / picture.file).c_str());
        ASSERT_TRUE(surface) << picture.file;
        EXPECT_EQ(picture.width, surface->w) << picture.file;
        EXPECT_EQ(picture.height, surface->h) << picture.file;
        EXPECT_EQ(picture.bytes, surface->format->BytesPerPixel) << picture.file;
        SDL_FreeSurface(surface);
    }
}

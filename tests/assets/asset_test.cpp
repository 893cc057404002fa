// Checks the asset generator's output: every file the game loads is written in a format and size
// the game accepts, and a second run gives the same bytes as the files beside the game.
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vorbis/vorbisfile.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

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
TEST_F(Assets, PicturesHaveTheirSizesAndDepthsAndTheSheetsSevenTilesOfTheirOwnColours) {
    const struct { std::string file; int width, height, bytes; } pictures[] = {
        {"cellsheet.png", 7 * layout::CELL, layout::CELL, 3}, {"backdrop.png", 640, 480, 3},
        {"cellsheetbig.png", 7 * layout::BIG_CELL, layout::BIG_CELL, 3}, {"backdropbig.png", 640, 480, 3},
        {"menuscreen.png", 640, 480, 3}, {"optionsscreen.png", 640, 480, 3}, {"creditsscreen.png", 640, 480, 3},
        {"icon32.bmp", 32, 32, 3},
        {"columnhighlight.png", layout::CELL, layout::FIELD_HEIGHT, 4}, {"cellhighlight.png", 20, 20, 4},
        {"guide10keys.png", 80, 220, 4}, {"guide40keys.png", 80, 320, 4}, {"icon32.png", 32, 32, 3}};
    for (const auto& picture : pictures) {
        SDL_Surface* surface = IMG_Load((fresh / "img" / picture.file).c_str());
        ASSERT_TRUE(surface) << picture.file;
        EXPECT_EQ(picture.width, surface->w) << picture.file;
        EXPECT_EQ(picture.height, surface->h) << picture.file;
        EXPECT_EQ(picture.bytes, surface->format->BytesPerPixel) << picture.file;
        // The cell sheets: seven square tiles side by side, each of its own colour at its centre.
        if (picture.file.rfind("cellsheet", 0) == 0) {
            const Uint8* middle_row = static_cast<Uint8*>(surface->pixels) + surface->h / 2 * surface->pitch;
            std::set<Uint32> centres;
            for (int tile = 0; tile < 7; ++tile) {
                const Uint8* centre = middle_row + (tile * surface->h + surface->h / 2) * 3;
                centres.insert(Uint32(centre[0]) << 16 | Uint32(centre[1]) << 8 | centre[2]);
            }
            EXPECT_EQ(7u, centres.size()) << picture.file;
        }
        SDL_FreeSurface(surface);
    }
}

TEST_F(Assets, EverySoundIsOggVorbisAt44100HzThatDecodes) {
    std::vector<std::string> sounds = {"rotate", "hold", "rewind", "hurry", "finish", "menugamestart", "menuchoose",
                                       "menuselect", "menucancel", "menuquit", "countdown", "countdownstart"};
    for (int column = 0; column < 10; ++column)
        for (char lines = 'a'; lines <= 'e'; ++lines) sounds.push_back(std::to_string(column) + lines);
    for (const std::string& sound : sounds) {
        OggVorbis_File file;
        ASSERT_EQ(0, ov_fopen((fresh / "sfx" / (sound + ".ogg")).c_str(), &file)) << sound;
        EXPECT_EQ(44100, ov_info(&file, -1)->rate) << sound;
        char samples[4096];
        EXPECT_GT(ov_read(&file, samples, sizeof samples, 0, 2, 1, nullptr), 0) << sound;
        ov_clear(&file);
    }
}

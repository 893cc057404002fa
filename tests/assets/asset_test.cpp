// Checks the asset generator's output: every picture has the size and depth the game draws it
// with, a second run gives the same bytes as the files beside the game, and the glyph sheets set
// text as SDL_ttf does. Whether the game loads every file is seen when it starts, in the
// end-to-end tests.
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "render/asset_files.h"
#include "render/glyph_sheet.h"
#include "render/layout.h"

namespace fs = std::filesystem;

class Assets : public ::testing::Test {
protected:
    static inline fs::path fresh;
    static void SetUpTestSuite() {
        fresh = fs::temp_directory_path() / ("tapfall-assets-" + std::to_string(getpid()));
        for (const std::string& run : {"'" + fresh.string() + "'", "--glyphs '" + (fresh / "web").string() + "'"})
            ASSERT_EQ(0, std::system(("'" ASSETGEN_PATH "' " + run + " '" ASSET_FONT_PATH "'").c_str()));
    }
    static void TearDownTestSuite() { fs::remove_all(fresh); }
};

TEST_F(Assets, ASecondRunWritesTheSameBytesAndTheFontUnchanged) {
    for (const std::string folder : {"img", "sfx", "font"}) {
        const std::string command = "diff -r '" + (fresh / folder).string() + "' '" TAPFALL_BIN_DIR "/" + folder + "'";
        EXPECT_EQ(0, std::system(command.c_str())) << command;
    }
    EXPECT_EQ(0, std::system(("cmp '" + (fresh / asset_files::FONT).string() + "' '" ASSET_FONT_PATH "'").c_str()));
}

// The texture loader takes RGB or RGBA pictures, nothing else; the icon is a 24-bit BMP.
TEST_F(Assets, PicturesHaveTheirSizesAndDepths) {
    using namespace asset_files;
    // clang-format off
    const struct { std::string file; int width, height, bytes; } pictures[] = {
        {CELL_SHEET, 7 * layout::CELL, layout::CELL, 3}, {BACKDROP, 640, 480, 3},
        {BIG_CELL_SHEET, 7 * layout::BIG_CELL, layout::BIG_CELL, 3}, {BIG_BACKDROP, 640, 480, 3},
        {MENU_SCREEN, 640, 480, 3}, {OPTIONS_SCREEN, 640, 480, 3}, {CREDITS_SCREEN, 640, 480, 3},
        {WINDOW_ICON, 32, 32, 3},
        {COLUMN_HIGHLIGHT, layout::CELL, layout::FIELD_HEIGHT, 4}, {CELL_HIGHLIGHT, 20, 20, 4},
        {GUIDE_10_KEYS, 80, 220, 4}, {GUIDE_40_KEYS, 80, 320, 4}, {MENU_ICON, 32, 32, 3},
        {LARGE_MENU_ICON, 128, 128, 3}};
    // clang-format on
    for (const auto& picture : pictures) {
        SDL_Surface* surface = IMG_Load((fresh / picture.file).c_str());
        ASSERT_TRUE(surface) << picture.file;
        EXPECT_EQ(picture.width, surface->w) << picture.file;
        EXPECT_EQ(picture.height, surface->h) << picture.file;
        EXPECT_EQ(picture.bytes, surface->format->BytesPerPixel) << picture.file;
        SDL_FreeSurface(surface);
    }
}

// Every character alone, every pair, where glyphs reach into each other, and a line of them all.
TEST_F(Assets, GlyphSheetsSetEveryLineAsSDLTTFDoes) {
    ASSERT_EQ(0, TTF_Init());
    std::vector<std::string> lines(1);
    for (char a = GlyphSheet::FIRST; a <= GlyphSheet::LAST; lines[0] += a++) {
        lines.push_back({a});
        for (char b = GlyphSheet::FIRST; b <= GlyphSheet::LAST; ++b) lines.push_back({a, b});
    }
    for (int points : asset_files::FONT_POINTS) {
        TTF_Font* font = TTF_OpenFont(ASSET_FONT_PATH, points);
        std::ifstream in(fresh / "web" / asset_files::glyph_sheet_file(points), std::ios::binary);
        const std::optional<GlyphSheet> sheet = parse_glyph_sheet({std::istreambuf_iterator<char>(in), {}});
        ASSERT_TRUE(font && sheet) << points;
        int differing = 0;
        for (const std::string& line : lines) {
            SDL_Surface* rendered = TTF_RenderText_Blended(font, line.c_str(), {255, 255, 255, 0});
            LineCoverage expected{rendered->w, rendered->h, {}};
            for (int y = 0; y < rendered->h; ++y)
                for (int x = 0; x < rendered->w; ++x)
                    expected.coverage.push_back(
                        Uint8(static_cast<Uint32*>(rendered->pixels)[y * rendered->pitch / 4 + x] >> 24));
            const LineCoverage set = line_coverage(*sheet, line);
            differing +=
                set.width != expected.width || set.height != expected.height || set.coverage != expected.coverage;
            SDL_FreeSurface(rendered);
        }
        EXPECT_EQ(0, differing) << points << " points";
        TTF_CloseFont(font);
    }
    TTF_Quit();
}

#include <ctime>
#include <string>

#include "e2e/gametest.h"

namespace {

// With the I-Cheat randomizer every piece is an I, which spawns flat, four cells wide.
constexpr const char* ONLY_I_PIECES = "Randomizer=I-Cheat\n";
constexpr int I_WIDTH = 4;
// The cell sheet's tile for I pieces, in the default colours and in the ARS colours.
constexpr int I_TILE = 0;
constexpr int I_TILE_ARS = 3;

std::string local_date() {
    const std::time_t now = std::time(nullptr);
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
    return date;
}

// How many pixels of the cell differ from the cell sheet's tile.
int differences_from_tile(const Bitmap& frame, const Area& cell, const ScreenPictures& pictures, int tile,
                          bool big) {
    int differences = 0;
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x)
            differences += frame.at_game(cell.x + x, cell.y + y) != pictures.tile(tile, x, y, big);
    return differences;
}

}  // namespace

using Screenshots = GameTest;

TEST_F(Screenshots, F2InMidGameSavesTheFieldAsShownInTheColoursOfTheCellSheet) {
    for (bool ars : {false, true}) {
        SCOPED_TRACE(ars ? "ARS colours" : "default colours");
        for (const fs::path& earlier : bmp_files()) fs::remove(folder() / earlier);
        write_settings(std::string(NO_SOUND) + ONLY_I_PIECES + (ars ? "ARS=TRUE\n" : ""));
        start();
        ASSERT_TRUE(start_game());
        const std::string date_before = local_date();
        press("a");
        // F2 saves the next frame drawn, which shows the piece whatever frame the drop came in.
        const std::optional<Screenshot> shot = take_screenshot();
        ASSERT_TRUE(shot);
        const std::string date_after = local_date();

        const std::string tail = "_10-Key_40Lines.bmp";
        EXPECT_TRUE(shot->name == date_before + tail || shot->name == date_after + tail) << shot->name;
        ASSERT_EQ(shot->picture.width(), 640);
        ASSERT_EQ(shot->picture.height(), 480);
        for (int column = 0; column < I_WIDTH; ++column)
            EXPECT_EQ(differences_from_tile(shot->picture, field_cell(column, 0), pictures(), ars ? I_TILE_ARS : I_TILE,
                                            false),
                      0)
                << column;
        EXPECT_EQ(pixels_differing(shot->picture, field_cell(I_WIDTH, 0), pictures().backdrop(false)), 0);
        EXPECT_EQ(pixels_differing(shot->picture, field_cell(0, 1), pictures().backdrop(false)), 0);

        type({"Escape", "Escape"});
        EXPECT_EQ(wait_for_exit(), 0);
    }
}

TEST_F(Screenshots, BigModeDrawsTheFieldInFortyPixelCells) {
    write_settings(std::string(NO_SOUND) + ONLY_I_PIECES + "BigMode=TRUE\n");
    start();
    ASSERT_TRUE(start_game());
    // f is the 10-key scheme's key for the big field's column 0.
    press("f");
    ASSERT_TRUE(wait_for_frame([this](const Bitmap& frame) {
        return pixels_differing(frame, field_cell(0, 0, BIG_CELL), pictures().backdrop(true)) > 0;
    }));
    const std::optional<Screenshot> shot = take_screenshot();
    ASSERT_TRUE(shot);

    const std::string tail = "_10-Key_40Lines_BIG.bmp";
    EXPECT_EQ(shot->name.string().substr(shot->name.string().size() - tail.size()), tail) << shot->name;
    for (int column = 0; column < I_WIDTH; ++column)
        EXPECT_EQ(differences_from_tile(shot->picture, field_cell(column, 0, BIG_CELL), pictures(), I_TILE, true), 0)
            << column;
    EXPECT_EQ(pixels_differing(shot->picture, field_cell(I_WIDTH, 0, BIG_CELL), pictures().backdrop(true)), 0);
    EXPECT_EQ(pixels_differing(shot->picture, field_cell(0, 1, BIG_CELL), pictures().backdrop(true)), 0);

    type({"Escape", "Escape"});
    EXPECT_EQ(wait_for_exit(), 0);
}

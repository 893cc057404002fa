#include <regex>
#include <tuple>

#include "e2e/harness.h"
#include "input/rotation_guide.h"

using layout::CELL;

// The bottom of the 40-key guide's slot above a strip: 0 the lower row, 1 the home row, 2 the
// upper row, 3 the number row.
constexpr int slot_y(int strip) { return FORTY_KEY_GUIDE.picture_y + layout::guide_slot_rise(strip); }

// With the I-Cheat randomizer every piece is an I, which spawns flat, four cells wide.
constexpr const char* ONLY_I = "Sound=FALSE\nRandomizer=I-Cheat\n";

using GameScreen = GameTest;

// F2 saves the next frame drawn. The I tile is first in the sheet, or fourth in the ARS colours;
// f is the 10-key scheme's key for the big field's first column. Past the file-size limit a
// screenshot fails as on a full disk, and the game goes on.
TEST_F(GameScreen, F2SavesTheFieldAsDrawnInTheTilesOfTheCellSheet) {
    for (const auto& [settings, key, big, tile] :
         {std::tuple("", "a", false, 0), {"ARS=TRUE\n", "a", false, 3}, {"BigMode=TRUE\n", "f", true, 0}}) {
        SCOPED_TRACE(settings);
        ASSERT_TRUE(play_with(ONLY_I + std::string(settings)));
        const int size = big ? layout::BIG_CELL : CELL;
        const Image &backdrop = picture(big ? asset_files::BIG_BACKDROP : asset_files::BACKDROP),
                    &sheet = picture(big ? asset_files::BIG_CELL_SHEET : asset_files::CELL_SHEET);
        type({key, "F2"});
        const auto shot = take_bmp();
        ASSERT_TRUE(shot);
        const std::string name = R"(\d{4}-\d{2}-\d{2}_10-Key_40Lines)" + std::string(big ? "_BIG" : "") + "\\.bmp";
        EXPECT_TRUE(std::regex_match(shot->first, std::regex(name))) << shot->first;
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(0, differing(shot->second, cell(column, 0, size), sheet, {{tile * size, 0}})) << column;
        // Beside the I, above it and above the field.
        for (const Area& empty : {cell(4, 0, size), cell(0, 1, size), cell(0, big ? 10 : 20, size)})
            EXPECT_EQ(0, differing(shot->second, empty, backdrop));
    }
    start("sh", {}, {"-c", "ulimit -f 64 && exec \"$0\"", (folder / "tapfall").string()});
    ASSERT_TRUE(start_game());
    type({"F2", "a", "Escape", "Escape"});
    EXPECT_EQ(0, wait_for_exit());
}

// Every box of the screen at once, under 40-Key with the rotation guide: held, active and ten
// preview pieces, the guide's picture, slots and axis strips, and the label and lit column of a
// held key, letter f bound to the minus key. Then each upper-row key turns the flat I upright and
// drops it into its column: ten passes over the row clear forty lines, and the finished screen
// is saved, the time in the colour of the mode's result, the rest in the finished colour.
TEST_F(GameScreen, AFortyKeyGameShowsEveryBoxAndSavesItsResultScreen) {
    const std::optional<Image> idle =
        play_with(std::string(ONLY_I) + "InputType=40-Key\nRotationGuide=TRUE\nKEY_LETTER_F=45\n");
    ASSERT_TRUE(idle);
    type({"space"});
    type({"minus"}, "keydown");
    ASSERT_TRUE(wait_for([](const Image& frame) { return has_colour(frame, legend(3), PRESSED); }));
    type({"F2"});
    const auto shot = take_bmp();
    type({"minus"}, "keyup");
    ASSERT_TRUE(shot);
    const Image &screen = shot->second, &sheet = picture(asset_files::CELL_SHEET),
                &backdrop = picture(asset_files::BACKDROP);
    // The pixels of a flat I in the box at x, y, from its first cell on, that are not the I tile.
    const auto flat_i = [&](int x, int y, int first) {
        return count({x + first * CELL, y, (4 - first) * CELL, CELL},
                     [&](int i, int j) { return screen.at(i, j) != sheet.at((i - x) % CELL, j - y); });
    };
    EXPECT_EQ(0, flat_i(layout::HOLD_PIECE_X, layout::ACTIVE_PIECE_Y, 0));
    for (int preview = 0; preview < 10; ++preview)
        EXPECT_EQ(0, flat_i(layout::PREVIEW_X, layout::ACTIVE_PIECE_Y - layout::PREVIEW_SPACING * preview, 0))
            << preview;
    // The home row's slot and the number row's show it too but for the first cell, under the axis
    // strip, which in the number row's covers one more above it.
    for (int strip : {1, 3}) EXPECT_EQ(0, flat_i(layout::ACTIVE_PIECE_X, slot_y(strip), 1)) << strip;
    // Above it the backdrop shows, up to the active piece's display.
    EXPECT_EQ(0, differing(screen, {layout::ACTIVE_PIECE_X, slot_y(3) + 40, 20, 19}, backdrop));
    // The lower row's slot holds the upright I under its strip, over the guide's picture.
    const int lower = slot_y(0);
    EXPECT_NE(0, differing(screen, {layout::ACTIVE_PIECE_X, lower, 20, 80}, picture(asset_files::GUIDE_40_KEYS),
                           {{0, lower - FORTY_KEY_GUIDE.picture_y}}));
    // The held key's column is lit up to the top of the field; the others are not. Its label
    // keeps the letter F, in the pressed colour.
    for (int column : {2, 3, 9})
        EXPECT_EQ(column == 3 ? CELL * CELL : 0, differing(screen, cell(column, 19), backdrop)) << column;
    EXPECT_EQ(
        0, count(legend(3), [&](int x, int y) { return (idle->at(x, y) == LEGEND) != (screen.at(x, y) == PRESSED); }));
    EXPECT_FALSE(has_colour(screen, legend(2), PRESSED));
    // The summary's first line in 8 points, the version in 12.
    EXPECT_EQ("36x7", ink_size(screen, {layout::SUMMARY_X, layout::SUMMARY_Y + 135, 200, 20}, WHITE));
    EXPECT_EQ("89x13", ink_size(screen, {layout::VERSION_X, layout::VERSION_Y, 200, 16}, WHITE));

    type(std::vector<std::string>(10, "q w e r t y u i o p"));
    const auto result = take_bmp(Milliseconds(15000));
    ASSERT_TRUE(result);
    // The time's point becomes an underscore, so the name holds one point only.
    EXPECT_TRUE(std::regex_match(result->first, std::regex(R"(\d{4}-\d{2}-\d{2}_40-Key_40Lines_\d+_\d{3}s\.bmp)")))
        << result->first;
    const Area time{layout::STATISTIC_X, layout::TIMER_Y, 80, 16}, lines{layout::STATISTIC_X, layout::LINES_Y, 80, 16};
    EXPECT_TRUE(has_colour(result->second, time, RESULT));
    EXPECT_TRUE(has_colour(result->second, lines, FINISHED));
    blacken();  // the finished screen stands still, and is drawn again
    EXPECT_TRUE(wait_for([&](const Image& frame) { return has_colour(frame, time, RESULT); }));

    // The game's record: a hold, the held minus key's drop and the hundred drops.
    const std::string seconds = std::regex_replace(result->first, std::regex(R"(.*_(\d+)_(\d{3})s\.bmp)"), "$1.$2");
    const std::regex record(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,40Lines,40-Key,I-Cheat,[^,]+,FALSE,FALSE,)" + seconds +
                            "," + seconds + R"(,101,40,102,\d+\.\d\d,1\.01,TRUE,TRUE,TRUE,TRUE,10,FALSE,SRS\n)");
    const std::string records = read_text(folder / "TapFall-records.csv");
    EXPECT_TRUE(std::regex_match(records.substr(records.find('\n') + 1), record)) << records;
    // Its replay, under the screenshot's name, played again: the same result. The field and its
    // legend may differ, showing the keys held in the frame saved.
    const fs::path replay = folder / fs::path(result->first).replace_extension(".replay");
    start("", {}, {"--replay", replay.string()});
    ASSERT_TRUE(wait_for(Milliseconds(20000), [&](const Image& frame) { return has_colour(frame, time, RESULT); }));
    type({"F2"});
    const auto again = take_bmp();
    ASSERT_TRUE(again);
    EXPECT_EQ(0, count({0, 0, layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT}, [&](int x, int y) {
                  return (x < layout::FIELD_X || x >= layout::FIELD_X + layout::FIELD_WIDTH) &&
                         again->second.at(x, y) != result->second.at(x, y);
              }));
    type({"Escape"});
    EXPECT_EQ(0, wait_for_exit());
    EXPECT_EQ(records, read_text(folder / "TapFall-records.csv"));
    // A replay whose game ends otherwise than it says is not played on.
    const std::string text = read_text(replay);
    std::ofstream(replay) << std::regex_replace(text, std::regex("result=lines 40"), "result=lines 39");
    start("", {}, {"--replay", replay.string()});
    EXPECT_EQ(2, wait_for_exit(Milliseconds(20000)));
    EXPECT_EQ("tapfall: " + replay.string() + ": diverged at key 102\n", error_output());
}

// Centre-aligned, the upright I in the upper row's slot stands one cell in, and the slot's axis
// strip stands over it, not beside the guide.
TEST_F(GameScreen, TheGuidesStripsFollowThePlacementSystem) {
    const std::optional<Image> frame =
        play_with(std::string(ONLY_I) + "InputType=40-Key\nRotationGuide=TRUE\nPieceMaskType=Center-aligned\n");
    ASSERT_TRUE(frame);
    const int upper = slot_y(2);
    EXPECT_EQ(
        0, differing(*frame, {layout::ACTIVE_PIECE_X - CELL, upper, CELL, 4 * CELL}, picture(asset_files::BACKDROP)));
    EXPECT_NE(0, differing(*frame, {layout::ACTIVE_PIECE_X + CELL, upper, CELL, CELL}, picture(asset_files::CELL_SHEET),
                           {{0, 0}}));
}

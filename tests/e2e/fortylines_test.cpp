#include <regex>
#include <string>
#include <vector>

#include "e2e/gametest.h"

namespace {

// Under "40-Key" the upper row turns the spawned flat I upright and drops it into the key's
// column: one pass over the row fills four rows.
const std::vector<std::string> UPPER_ROW = {"q", "w", "e", "r", "t", "y", "u", "i", "o", "p"};
constexpr int PASSES_FOR_40_LINES = 10;

// The time has its point replaced, so the name holds one point only.
const std::regex FINISHED_40_LINES_NAME(R"(\d{4}-\d{2}-\d{2}_40-Key_40Lines_\d+_\d{3}s\.bmp)");

// Typing 100 keys and finishing the game may take a while on a loaded machine.
constexpr Milliseconds GAME_END_TIMEOUT(15000);

}  // namespace

using FortyLines = GameTest;

TEST_F(FortyLines, ClearingFortyLinesFinishesTheGameAndSavesItsPictureWithTheResult) {
    write_settings(std::string(NO_SOUND) + "Randomizer=I-Cheat\nInputType=40-Key\n");
    start();
    ASSERT_TRUE(start_game());
    std::vector<std::string> keys;
    for (int pass = 0; pass < PASSES_FOR_40_LINES; ++pass) keys.insert(keys.end(), UPPER_ROW.begin(), UPPER_ROW.end());
    type(keys);

    const std::optional<fs::path> automatic = wait_for_new_bmp({}, GAME_END_TIMEOUT);
    ASSERT_TRUE(automatic);
    const std::string name = automatic->string();
    EXPECT_TRUE(std::regex_match(name, FINISHED_40_LINES_NAME)) << name;
    const std::optional<Bitmap> finished = Bitmap::load((folder() / name).string());
    ASSERT_TRUE(finished);
    // The time is the result of this mode; the other statistics are merely over.
    EXPECT_TRUE(has_colour(*finished, TIMER_TEXT, RESULT_COLOUR));
    EXPECT_FALSE(has_colour(*finished, TIMER_TEXT, FINISHED_COLOUR));
    EXPECT_TRUE(has_colour(*finished, LINES_TEXT, FINISHED_COLOUR));
    EXPECT_FALSE(has_colour(*finished, LINES_TEXT, RESULT_COLOUR));

    const std::optional<Screenshot> again = take_screenshot();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->name.string(), name.substr(0, name.size() - 4) + "_2.bmp");

    type({"Escape", "Escape"});
    EXPECT_EQ(wait_for_exit(), 0);
}

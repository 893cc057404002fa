#include <string>

#include "e2e/harness.h"

// Main menu entries and options lines, top to bottom.
constexpr int START_GAME = 0, OPTIONS = 1, CREDITS = 2, QUIT = 3;
constexpr int GAME_MODE = 0, HOLD = 9, PIECE_PREVIEWS = 12, SAVE_SETTINGS = 18;

using Menus = GameTest;

// The title finds the window, so a wrong one fails here too.
TEST_F(Menus, OpenOnTheMainMenuWhereTheArrowsWrapEnterOpensTheScreensAndEscapeEnds) {
    start();
    ASSERT_TRUE(wait_for_menu(START_GAME));
    EXPECT_TRUE(has_icon());
    type({"Up"});
    ASSERT_TRUE(wait_for_menu(QUIT));
    type({"Down", "Down"});
    ASSERT_TRUE(wait_for_menu(OPTIONS));
    type({"Return"});
    ASSERT_TRUE(wait_for_options(GAME_MODE));
    type({"Escape"});
    ASSERT_TRUE(wait_for_menu(OPTIONS));
    type({"Down", "Return"});
    ASSERT_TRUE(wait_for([this](const Image& frame) { return shows(frame, "creditsscreen"); }));
    type({"Escape"});
    ASSERT_TRUE(wait_for_menu(CREDITS));
    type({"Escape"});
    EXPECT_EQ(wait_for_exit(), 0);
    EXPECT_EQ(error_output(), "");
}

// Bastet deals no held piece and no previews: their lines are drawn locked, grey or, when
// highlighted, red.
TEST_F(Menus, UnderBastetTheHoldAndPreviewLinesAreDrawnLocked) {
    write_settings("Sound=FALSE\nRandomizer=Bastet\n");
    start();
    ASSERT_TRUE(open_options());
    const auto drawn = [](int line, Rgb colour) {
        return [=](const Image& frame) {
            return has_colour(frame, option_line(line), colour) && !has_colour(frame, option_line(line), SELECTED);
        };
    };
    type(std::vector<std::string>(HOLD, "Down"));
    ASSERT_TRUE(wait_for(drawn(HOLD, LOCKED_SELECTED)));
    type({"Down", "Down", "Down"});
    const std::optional<Image> frame = wait_for(drawn(PIECE_PREVIEWS, LOCKED_SELECTED));
    ASSERT_TRUE(frame);
    EXPECT_TRUE(drawn(HOLD, LOCKED)(*frame));
    EXPECT_FALSE(has_colour(*frame, option_line(HOLD + 1), LOCKED));
    // Below the options, two lines explain the highlighted one: what it does, and the lock.
    for (int line = 0; line < 3; ++line)
        EXPECT_EQ(line < 2, has_colour(*frame, {layout::OPTIONS_INFO_X, layout::OPTIONS_INFO_TOP_Y -
                                                layout::OPTIONS_INFO_SPACING * line + 3, 300, 8}, INFO)) << line;
}

// Enter on "Save Settings" writes the file; the next start reads it, so saving again at once
// writes the same.
TEST_F(Menus, SettingsSavedFromTheOptionsAreReadAtTheNextStart) {
    const fs::path file = folder / "TapFall.ini";
    const auto save_from = [&](int line) {
        fs::remove(file);
        std::vector<std::string> keys(size_t(SAVE_SETTINGS - line), "Down");
        keys.push_back("Return");
        type(keys);
        std::string text;
        // Whole once the last line, the key for Space, is there.
        EXPECT_TRUE(eventually([&] {
            text = read_file(file);
            return text.find("\nKEY_SPACE=") != std::string::npos && text.back() == '\n';
        }));
        return text;
    };
    write_settings("Sound=FALSE\n");
    start();
    ASSERT_TRUE(open_options());
    type({"Down", "Return"});  // big mode on
    const std::string saved = save_from(1);
    EXPECT_NE(saved.find("\nBigMode=TRUE\n"), std::string::npos) << saved;
    start();
    ASSERT_TRUE(open_options());
    EXPECT_EQ(save_from(0), saved);
}

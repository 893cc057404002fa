#include "e2e/harness.h"

// Main menu entries, top to bottom, and options lines by their labels.
constexpr int START_GAME = 0, OPTIONS_ENTRY = 1, CREDITS = 2, QUIT = 3;
constexpr int GAME_MODE = option_index("Game Mode"), HOLD = option_index("Hold"),
              PIECE_PREVIEWS = option_index("Piece Previews"), SAVE_SETTINGS = option_index("Save Settings");

using Menus = GameTest;

// The title finds the window, so a wrong one fails here too. Bastet deals no held piece and no
// previews: their lines are drawn locked, grey or, when highlighted, red, and two lines below
// the options explain the highlighted one: what it does, and the lock. Each text is in its own
// size of the font: "Start Game" in 16 points, the options in 14, their explanation in 10.
TEST_F(Menus, LeadFromTheMainMenuThroughTheOptionsAndTheCreditsToTheEnd) {
    write_settings("Sound=FALSE\nRandomizer=Bastet\n");
    start();
    ASSERT_TRUE(wait_for_menu(START_GAME));
    EXPECT_EQ("32x32 tapfall", icon_and_class());
    blacken();  // the still menu is drawn again
    ASSERT_TRUE(wait_for_menu(START_GAME));
    EXPECT_EQ("96x11", ink_size(capture().value(), main_entry(START_GAME), SELECTED));
    type({"Up"});
    ASSERT_TRUE(wait_for_menu(QUIT));
    type({"Down", "Down", "Return"});
    ASSERT_TRUE(wait_for_highlight(asset_files::OPTIONS_SCREEN, option_line, OPTION_COUNT, GAME_MODE));
    const Area game_mode{layout::OPTIONS_X, layout::OPTIONS_Y + layout::option_rise(GAME_MODE) - 2, 400, 20};
    EXPECT_EQ("150x11", ink_size(capture().value(), game_mode, SELECTED));
    const auto drawn = [](int line, Rgb colour) {
        return [=](const Image& frame) {
            return has_colour(frame, option_line(line), colour) && !has_colour(frame, option_line(line), SELECTED);
        };
    };
    type(std::vector<std::string>(HOLD, "Down"));
    ASSERT_TRUE(wait_for(drawn(HOLD, LOCKED_SELECTED)));
    type(std::vector<std::string>(PIECE_PREVIEWS - HOLD, "Down"));
    const std::optional<Image> frame = wait_for(drawn(PIECE_PREVIEWS, LOCKED_SELECTED));
    ASSERT_TRUE(frame);
    EXPECT_TRUE(drawn(HOLD, LOCKED)(*frame));
    EXPECT_FALSE(has_colour(*frame, option_line(HOLD + 1), LOCKED));
    const auto info_line = [](int line) {
        return Area{layout::OPTIONS_INFO_X, layout::OPTIONS_INFO_TOP_Y - layout::OPTIONS_INFO_SPACING * line + 3, 300,
                    8};
    };
    EXPECT_TRUE(has_colour(*frame, info_line(1), INFO) && !has_colour(*frame, info_line(2), INFO));
    EXPECT_EQ("190x10", ink_size(*frame, {layout::OPTIONS_INFO_X, layout::OPTIONS_INFO_TOP_Y - 2, 560, 14}, INFO));
    // Enter on "Save Settings" writes the file beside the game, which the game read at its start.
    fs::remove(folder / "TapFall.ini");
    type(std::vector<std::string>(SAVE_SETTINGS - PIECE_PREVIEWS, "Down"));
    type({"Return"});
    std::string saved;
    // Whole once the last line, the key for Space, is there.
    EXPECT_TRUE(eventually(
        [&] { return (saved = read_text(folder / "TapFall.ini")).find("\nKEY_SPACE=32\n") != std::string::npos; }));
    EXPECT_NE(saved.find("\nRandomizer=Bastet\nRotationGuide=FALSE\nSound=FALSE\n"), std::string::npos) << saved;
    type({"Escape"});
    ASSERT_TRUE(wait_for_menu(OPTIONS_ENTRY));
    type({"Down", "Return"});
    ASSERT_TRUE(wait_for([this](const Image& shown) { return shows(shown, asset_files::CREDITS_SCREEN); }));
    type({"Escape"});
    ASSERT_TRUE(wait_for_menu(CREDITS));
    type({"Escape"});
    EXPECT_EQ(wait_for_exit(), 0);
    EXPECT_EQ(error_output(), "");
}

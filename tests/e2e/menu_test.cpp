#include "e2e/harness.h"

// Main menu entries, top to bottom.
constexpr int START_GAME = 0, OPTIONS = 1, CREDITS = 2, QUIT = 3;

using Menus = GameTest;

// The title finds the window, so a wrong one fails here too. Bastet deals no held piece and no
// previews: their lines are drawn locked, grey or, when highlighted, red, and two lines below
// the options explain the highlighted one: what it does, and the lock.
TEST_F(Menus, LeadFromTheMainMenuThroughTheOptionsAndTheCreditsToTheEnd) {
    write_settings("Sound=FALSE\nRandomizer=Bastet\n");
    start();
    ASSERT_TRUE(wait_for_menu(START_GAME));
    EXPECT_EQ("32x32 tapfall", icon_and_class());
    // Each text in its own size of the font: "Start Game" in 16 points.
    EXPECT_EQ("96x11", ink_size(capture().value(), main_entry(START_GAME), SELECTED));
    type({"Up"});
    ASSERT_TRUE(wait_for_menu(QUIT));
    type({"Down", "Down", "Return"});
    ASSERT_TRUE(wait_for_options(0));
    const Area game_mode{layout::OPTIONS_X, layout::OPTIONS_Y + layout::OPTIONS_RISE[0] - 2, 400, 20};
    EXPECT_EQ("150x11", ink_size(capture().value(), game_mode, SELECTED));  // 14 points
    const auto drawn = [](const std::string& label, Rgb colour) {
        return [=](const Image& frame) {
            const Area line = option_line(option_index(label));
            return has_colour(frame, line, colour) && !has_colour(frame, line, SELECTED);
        };
    };
    type(downs("Game Mode", "Hold"));
    ASSERT_TRUE(wait_for(drawn("Hold", LOCKED_SELECTED)));
    type(downs("Hold", "Piece Previews"));
    const std::optional<Image> frame = wait_for(drawn("Piece Previews", LOCKED_SELECTED));
    ASSERT_TRUE(frame);
    EXPECT_TRUE(drawn("Hold", LOCKED)(*frame));
    EXPECT_FALSE(has_colour(*frame, option_line(option_index("Double Hold")), LOCKED));
    for (int line = 0; line < 3; ++line) {
        const Area info{layout::OPTIONS_INFO_X, layout::OPTIONS_INFO_TOP_Y - layout::OPTIONS_INFO_SPACING * line + 3,
                        300, 8};
        EXPECT_EQ(line < 2, has_colour(*frame, info, INFO)) << line;
    }
    EXPECT_EQ("190x10",
              ink_size(*frame, {layout::OPTIONS_INFO_X, layout::OPTIONS_INFO_TOP_Y - 2, 560, 14}, INFO));  // 10
    // Enter on "Save Settings" writes the file beside the game, which the game read at its start.
    fs::remove(folder / "TapFall.ini");
    type(downs("Piece Previews", "Save Settings"));
    type({"Return"});
    std::string saved;
    // Whole once the last line, the key for Space, is there.
    EXPECT_TRUE(eventually(
        [&] { return (saved = read_text(folder / "TapFall.ini")).find("\nKEY_SPACE=32\n") != std::string::npos; }));
    EXPECT_NE(saved.find("\nRandomizer=Bastet\nRotationGuide=FALSE\nSound=FALSE\n"), std::string::npos) << saved;
    type({"Escape"});
    ASSERT_TRUE(wait_for_menu(OPTIONS));
    type({"Down", "Return"});
    ASSERT_TRUE(wait_for([this](const Image& shown) { return shows(shown, "creditsscreen"); }));
    type({"Escape"});
    ASSERT_TRUE(wait_for_menu(CREDITS));
    type({"Escape"});
    EXPECT_EQ(wait_for_exit(), 0);
    EXPECT_EQ(error_output(), "");
}

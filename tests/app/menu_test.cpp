#include "app/menu.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <functional>

#include "app/menutext.h"
#include "support/game.h"

namespace {

class MenuTest : public GameFixture, public ::testing::Test {
protected:
    FakeClock clock{5000};
    MenuState menu = MENU_STATE_MAIN;
    int selection = 0;

    MenuTest() {
        bastetHasOldSettings = false;
        bastetOldPiecePreviews = 0;
        bastetOldHoldAllowed = false;
    }
    bool press(KeyCode key) { return handle_key(key, menu, selection, state, resources); }
    void open_option(int index) {
        menu = MENU_STATE_OPTIONS;
        selection = index;
    }
    // Presses Return on the option once for each expected value, checking each.
    void expect_cycle(int option, std::function<std::string()> value, std::vector<std::string> expected) {
        open_option(option);
        for (const std::string& next : expected) {
            press(SDLK_RETURN);
            EXPECT_EQ(value(), next) << option;
        }
    }
    void choose_randomizer(const std::string& name) {
        open_option(OPTION_RANDOMIZER);
        while (state.randomizer->get_name() != name) press(SDLK_RETURN);
    }
};

}  // namespace

TEST_F(MenuTest, TheHighlightWrapsAtBothEndsOfEachScreen) {
    press(SDLK_UP);
    EXPECT_EQ(selection, MAIN_QUIT);
    press(SDLK_DOWN);
    EXPECT_EQ(selection, MAIN_START_GAME);
    EXPECT_EQ(sounds.count(resources.menuChooseSound), 2);
    open_option(OPTION_GAME_MODE);
    press(SDLK_UP);
    EXPECT_EQ(selection, OPTION_RETURN);
    press(SDLK_DOWN);
    EXPECT_EQ(selection, OPTION_GAME_MODE);
}

TEST_F(MenuTest, ScreensLeadToEachOtherAndBackToTheEntryThatOpenedThem) {
    selection = MAIN_OPTIONS;
    EXPECT_TRUE(press(SDLK_RETURN));
    EXPECT_EQ(menu, MENU_STATE_OPTIONS);
    EXPECT_EQ(selection, 0);
    press(SDLK_ESCAPE);
    EXPECT_EQ(std::make_pair(menu, selection), std::make_pair(MENU_STATE_MAIN, int(MAIN_OPTIONS)));
    EXPECT_EQ(sounds.count(resources.menuCancelSound), 1);
    open_option(OPTION_RETURN);
    press(SDLK_RETURN);
    EXPECT_EQ(std::make_pair(menu, selection), std::make_pair(MENU_STATE_MAIN, int(MAIN_OPTIONS)));
    // The arrows do nothing on the credits; Return and Escape both lead back.
    selection = MAIN_CREDITS;
    for (KeyCode leave : {SDLK_RETURN, SDLK_ESCAPE}) {
        for (KeyCode key : {KeyCode(SDLK_RETURN), KeyCode(SDLK_DOWN), leave}) press(key);
        EXPECT_EQ(std::make_pair(menu, selection), std::make_pair(MENU_STATE_MAIN, int(MAIN_CREDITS)));
    }
}

TEST_F(MenuTest, OnlyTheArrowsReturnAndEscapeDoAnything) {
    for (KeyCode key : {SDLK_LEFT, SDLK_RIGHT, SDLK_KP_ENTER, SDLK_a, SDLK_SPACE}) {
        menu = MENU_STATE_MAIN;
        EXPECT_TRUE(press(key));
        open_option(OPTION_BIG_MODE);
        EXPECT_TRUE(press(key));
    }
    EXPECT_FALSE(state.big_mode);
    EXPECT_EQ(selection, OPTION_BIG_MODE);
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(MenuTest, EscapeOnTheMainMenuQuitsAfterTheQuitSoundIsHeard) {
    EXPECT_FALSE(press(SDLK_ESCAPE));
    EXPECT_EQ(sounds.count(resources.menuQuitSound), 1);
    EXPECT_GE(clock.now(), 5750u);
    // Without sound there is nothing to wait for.
    state.sound = false;
    clock.set(9000);
    selection = MAIN_QUIT;
    EXPECT_FALSE(press(SDLK_RETURN));
    EXPECT_EQ(clock.now(), 9000u);
    EXPECT_EQ(sounds.count(resources.menuQuitSound), 1);
}

TEST_F(MenuTest, ReturnStepsEachOptionThroughItsCycle) {
    expect_cycle(OPTION_GAME_MODE, [this] { return std::to_string(state.game_mode); }, {"1", "2", "0"});
    expect_cycle(OPTION_PIECE_PREVIEWS, [this] { return std::to_string(state.piece_previews); }, {"0", "1"});
    expect_cycle(OPTION_CONTROL_SCHEME, [this] { return state.input_type->get_name(); },
                 {"40-Key", "40-Key-Inverse", "10-Key"});
    expect_cycle(OPTION_PLACEMENT_SYSTEM, [this] { return state.piece_mask_type->get_name(); },
                 {"Center-aligned", "Right-aligned", "Leftmost lowest", "Rightmost lowest", "Left-aligned"});
    expect_cycle(OPTION_RANDOMIZER, [this] { return state.randomizer->get_name(); },
                 {"History (6 roll)", "Random", "I-Cheat", "Bastet", "Bag"});
    expect_cycle(OPTION_INITIAL_ORIENTATION, [this] { return option_line(OPTION_INITIAL_ORIENTATION, state); },
                 {"Initial Orientation: ARS"});
    EXPECT_EQ(sounds.count(resources.menuSelectSound), 19);
}

TEST_F(MenuTest, BastetTakesPreviewsAndHoldAwayAndTheNextRandomizerGivesThemBack) {
    state.piece_previews = 3;
    choose_randomizer(BASTET_RANDOMIZER_NAME);
    EXPECT_EQ(state.piece_previews, 0);
    EXPECT_FALSE(state.hold_allowed);
    EXPECT_TRUE(option_locked(OPTION_HOLD, state));

    sounds.clear();
    open_option(OPTION_HOLD);
    press(SDLK_RETURN);
    open_option(OPTION_PIECE_PREVIEWS);
    press(SDLK_RETURN);
    EXPECT_FALSE(state.hold_allowed);
    EXPECT_EQ(state.piece_previews, 0);
    EXPECT_EQ(sounds.played(), std::vector<Mix_Chunk*>(2, resources.menuCancelSound));

    choose_randomizer(BAG_RANDOMIZER_NAME);
    EXPECT_EQ(state.piece_previews, 3);
    EXPECT_TRUE(state.hold_allowed);
    EXPECT_FALSE(option_locked(OPTION_HOLD, state));
    // Only leaving Bastet gives them back.
    state.piece_previews = 5;
    choose_randomizer(HISTORY6_RANDOMIZER_NAME);
    EXPECT_EQ(state.piece_previews, 5);
}

TEST_F(MenuTest, BastetFromTheSettingsFileHasNothingToGiveBack) {
    state.randomizer = make_randomizer(BASTET_RANDOMIZER_NAME);
    state.piece_previews = 0;
    state.hold_allowed = false;
    choose_randomizer(BAG_RANDOMIZER_NAME);
    EXPECT_EQ(state.piece_previews, 0);
    EXPECT_FALSE(state.hold_allowed);
}

TEST_F(MenuTest, RestoringDefaultsKeepsTheKeysAndTheBastetMemory) {
    state.piece_previews = 4;
    state.key_config.bindings[10] = 'q';
    state.input_type = make_input_type(QUARTZ_RAIN_INPUT_NAME);
    state.piece_mask_type = make_piece_mask_type(CENTER_PIECE_MASK_NAME);
    state.game_mode = GAME_MODE_ENDLESS;
    state.sound = false;
    choose_randomizer(BASTET_RANDOMIZER_NAME);
    open_option(OPTION_RESTORE_DEFAULTS);
    press(SDLK_RETURN);
    EXPECT_EQ(state.randomizer->get_name(), BAG_RANDOMIZER_NAME);
    EXPECT_EQ(state.input_type->get_name(), INKDROP_INPUT_NAME);
    EXPECT_EQ(state.piece_mask_type->get_name(), LEFT_PIECE_MASK_NAME);
    EXPECT_EQ(state.game_mode, GAME_MODE_40_LINES);
    EXPECT_EQ(state.piece_previews, 10);
    EXPECT_TRUE(state.hold_allowed && state.sound);
    EXPECT_EQ(state.key_config.bindings[10], 'q');
    EXPECT_TRUE(bastetHasOldSettings);
    EXPECT_EQ(bastetOldPiecePreviews, 4);
}

TEST_F(MenuTest, TurningSoundOffIsSilentAndOnIsHeard) {
    open_option(OPTION_SOUND);
    press(SDLK_RETURN);
    EXPECT_FALSE(state.sound);
    press(SDLK_DOWN);
    press(SDLK_UP);
    EXPECT_TRUE(sounds.played().empty());
    press(SDLK_RETURN);
    EXPECT_TRUE(state.sound);
    EXPECT_EQ(sounds.played(), std::vector<Mix_Chunk*>{resources.menuSelectSound});
}

TEST_F(MenuTest, OptionAndInfoLinesShowTheValuesAndExplainTheHighlightedOption) {
    EXPECT_EQ(option_line(OPTION_GAME_MODE, state), "Game Mode: 40 Lines");
    EXPECT_EQ(option_line(OPTION_PIECE_PREVIEWS, state), "Piece Previews: 10");
    EXPECT_EQ(option_line(OPTION_HOLD, state), "Hold: Enabled");
    EXPECT_EQ(option_line(OPTION_RESTORE_DEFAULTS, state), "Restore Default Settings");
    state.game_mode = 7;
    EXPECT_EQ(option_line(OPTION_GAME_MODE, state), "Game Mode: ");

    using Info = std::array<std::string, 4>;
    EXPECT_EQ(option_info(OPTION_RETURN, state), Info{});
    EXPECT_EQ(option_info(OPTION_HOLD, state), Info{"Hold piece is enabled"});
    EXPECT_EQ(option_info(OPTION_CONTROL_SCHEME, state)[1], "ASDFGHJKL; drops pieces");
    state.randomizer = make_randomizer(BASTET_RANDOMIZER_NAME);
    state.hold_allowed = false;
    EXPECT_EQ(option_info(OPTION_HOLD, state),
              (Info{"Hold piece is completely disabled", "* No hold allowed for Bastet randomizer"}));
    EXPECT_EQ(option_info(OPTION_PIECE_PREVIEWS, state)[1], "* No piece previews allowed for Bastet randomizer");
}

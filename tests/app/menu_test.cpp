#include "app/menu.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "support/seams.h"

namespace {

class MenuTest : public ::testing::Test {
protected:
    // Presses the keys in turn; false once a key ends the program.
    bool press(std::initializer_list<KeyCode> keys) {
        for (KeyCode key : keys)
            if (!handle_menu_key(key, menu, game, [this](Game&) { return ++games, leave_with_escape; })) return false;
        return true;
    }
    // The sounds asked for since the last call, one letter each.
    std::string heard() {
        std::string sounds;
        for (const SoundCue& cue : game.sounds) sounds += "dRHWUFGcsxqnN"[int(cue.sound)];
        game.sounds.clear();
        return sounds;
    }

    ScriptedRandom random;
    Game game;
    Menu menu;
    int games = 0;
    bool leave_with_escape = true;
};

}  // namespace

TEST_F(MenuTest, TheHighlightWrapsAndEachScreenLeadsBackToTheEntryThatOpenedIt) {
    EXPECT_TRUE(press({SDLK_UP}));
    EXPECT_EQ(MAIN_QUIT, menu.selection);
    EXPECT_TRUE(press({SDLK_DOWN, SDLK_DOWN, SDLK_LEFT, 'a', SDLK_RETURN, SDLK_UP}));
    EXPECT_EQ(std::make_pair(MenuScreen::Options, OPTION_COUNT - 1), std::make_pair(menu.screen, menu.selection));
    EXPECT_TRUE(press({SDLK_DOWN, SDLK_ESCAPE}));
    EXPECT_EQ(std::make_pair(MenuScreen::Main, int(MAIN_OPTIONS)), std::make_pair(menu.screen, menu.selection));
    EXPECT_TRUE(press({SDLK_RETURN, SDLK_UP, SDLK_RETURN}));
    EXPECT_EQ(std::make_pair(MenuScreen::Main, int(MAIN_OPTIONS)), std::make_pair(menu.screen, menu.selection));
    // The arrows do nothing on the credits; Return and Escape both lead back.
    EXPECT_TRUE(press({SDLK_DOWN, SDLK_RETURN, SDLK_DOWN, SDLK_RETURN, SDLK_RETURN, SDLK_ESCAPE}));
    EXPECT_EQ(std::make_pair(MenuScreen::Main, int(MAIN_CREDITS)), std::make_pair(menu.screen, menu.selection));
    EXPECT_EQ("cccsccxscxcsssx", heard());
}

TEST_F(MenuTest, OptionsChangeLockedOnesRefuseAndActionsAct) {
    EXPECT_TRUE(press({SDLK_DOWN, SDLK_RETURN, SDLK_DOWN, SDLK_RETURN, SDLK_DOWN}));
    EXPECT_TRUE(game.settings.big_mode);
    for (int i = 0; i < 4; ++i) press({SDLK_RETURN});  // on to Bastet: no hold
    menu.selection = option_index("Hold");
    heard();
    EXPECT_TRUE(press({SDLK_RETURN}));
    EXPECT_FALSE(game.settings.hold_allowed);
    EXPECT_EQ("x", heard());
    game.settings.key_bindings.keys[0] = 7;
    menu.selection = option_index("Restore Default Settings");
    EXPECT_TRUE(press({SDLK_RETURN}));
    EXPECT_EQ(std::make_pair(0, true), std::make_pair(game.settings.randomizer, game.settings.hold_allowed));
    EXPECT_EQ(7, game.settings.key_bindings.keys[0]);
    menu.selection = option_index("Sound");
    EXPECT_TRUE(press({SDLK_RETURN}));
    EXPECT_FALSE(game.settings.sound);
    EXPECT_EQ("ss", heard());
    menu.selection = option_index("Return to Main Menu");
    EXPECT_TRUE(press({SDLK_RETURN}));
    EXPECT_EQ(std::make_pair(MenuScreen::Main, int(MAIN_OPTIONS)), std::make_pair(menu.screen, menu.selection));
}

TEST_F(MenuTest, StartGameRunsAGameAndClosingItsWindowOrQuittingEndsTheProgram) {
    game.finished = true;
    EXPECT_TRUE(press({SDLK_RETURN}));
    EXPECT_EQ(1, games);
    EXPECT_FALSE(game.finished);
    EXPECT_EQ(int(MAIN_START_GAME), menu.selection);
    leave_with_escape = false;
    EXPECT_FALSE(press({SDLK_RETURN}));
    EXPECT_EQ("GGq", heard());
    EXPECT_FALSE(press({SDLK_ESCAPE}));
    EXPECT_FALSE(press({SDLK_UP, SDLK_RETURN}));
}

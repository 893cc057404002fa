// The menu controller: which menu screen shows, which entry is highlighted, and what Up, Down,
// Return and Escape do there, from changing an option to starting a game or quitting.
#pragma once

#include <functional>
#include <vector>

#include "model/sound.h"
#include "options/options.h"
#include "render/menu_screens.h"
#include "rules/session.h"

class Screen;
class SoundBoard;

struct Menu {
    MenuScreen screen = MenuScreen::Main;
    int selection = MAIN_START_GAME;
    // Lives as long as the program, so that it outlasts each visit to the options screen.
    RandomizerMemory memory;
    // Asked for since the menu loop last played them.
    std::vector<SoundCue> sounds;
};

// Runs one game and says whether the player left it with Escape (rather than closing the window).
using PlayGame = std::function<bool(Session&)>;

// Applies one key press; false when the program is to end.
bool handle_menu_key(KeyCode key, Menu& menu, Session& session, const PlayGame& play_game);

// Runs the menus until the player quits.
void main_menu(Session& session, Screen& screen, const SoundBoard& sounds);

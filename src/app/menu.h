// The menu controller: which menu screen shows, which entry is highlighted, and what Up, Down,
// Return and Escape do there, from changing an option to starting a game or quitting.
#pragma once

#include "input/keyconfig.h"

struct GameState;
struct Resources;

enum MenuState { MENU_STATE_MAIN = 0, MENU_STATE_OPTIONS = 1, MENU_STATE_CREDITS = 2 };

constexpr int MAIN_MENU_ENTRIES = 4;
enum MainMenuEntry { MAIN_START_GAME = 0, MAIN_OPTIONS, MAIN_CREDITS, MAIN_QUIT };

constexpr int OPTIONS_ENTRIES = 20;
enum OptionEntry {
    OPTION_GAME_MODE = 0, OPTION_BIG_MODE, OPTION_RANDOMIZER, OPTION_PRACTICE_MODE,
    OPTION_CONTROL_SCHEME, OPTION_PLACEMENT_SYSTEM, OPTION_DEEP_DROP, OPTION_INITIAL_ORIENTATION,
    OPTION_COLUMN_CLAMPING, OPTION_HOLD, OPTION_DOUBLE_HOLD, OPTION_HOLD_ORIENTATION,
    OPTION_PIECE_PREVIEWS, OPTION_ROTATION_GUIDE, OPTION_SOUND, OPTION_MUSIC_MODE,
    OPTION_AUTO_SCREENSHOT, OPTION_RESTORE_DEFAULTS, OPTION_SAVE_SETTINGS, OPTION_RETURN
};

// The preview count and hold setting the player had before choosing the Bastet randomizer,
// given back when the menu moves on from it. Once saved, they stay saved for the whole run.
extern bool bastetHasOldSettings;
extern int bastetOldPiecePreviews;
extern bool bastetOldHoldAllowed;

// Runs the menus until the player quits.
void main_menu(GameState& state, Resources& resources);
// Applies one key press; false when the program is to end.
bool handle_key(KeyCode key, MenuState& menu, int& selection, GameState& state, Resources& resources);

void menu_choose_sound(Resources& resources);
void menu_select_sound(Resources& resources);
void menu_cancel_sound(Resources& resources);
void menu_start_game_sound(Resources& resources);
// Plays the quit sound and waits 750 ms so that it is heard before the window closes.
void menu_quit_sound(Resources& resources);

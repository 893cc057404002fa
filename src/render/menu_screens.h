// The menu screens: the main menu, the options screen with the lines explaining the highlighted
// option, and the credits, each the view of one whole frame over its picture, with the version
// line.
#pragma once

#include "model/settings.h"
#include "render/screen_view.h"

enum class MenuScreen { Main, Options, Credits };

constexpr int MAIN_MENU_ENTRIES = 4;
enum MainMenuEntry { MAIN_START_GAME = 0, MAIN_OPTIONS, MAIN_CREDITS, MAIN_QUIT };

ScreenView menu_view(MenuScreen screen, int selection, const Settings& settings);

// The menu screens: the main menu, the options screen with its info lines, and the credits,
// each drawn as one whole frame over its screen picture, with the version line.
#pragma once

#include <string>

#include "app/menu.h"

struct GameState;
struct Resources;

void render_menu(MenuState menu, int selection, GameState& state, Resources& resources);
void render_menu_main(int& selection, GameState& state, Resources& resources);
void render_menu_options(int selection, GameState& state, Resources& resources);
void render_menu_options_info(int selection, GameState& state, Resources& resources);
void render_choice(int index, int selection, std::string text, Resources& resources);
void render_credits(Resources& resources);

// Screenshots: the window saved as a BMP file beside the game, named after the date, the
// control scheme, the mode and, for a finished game, its result.
#pragma once

#include <string>

struct GameState;

bool file_exists(const std::string& path);
std::string gen_filename(GameState& state);
void save_screenshot(GameState& state);

// Screenshots of the game screen, taken from the frame drawn and not yet shown: what a shown
// frame leaves in the front buffer is undefined wherever the window is covered or composited.
#pragma once

#include <string>

struct Game;

// The back buffer as a BMP file's bytes: the frame drawn and not yet shown.
std::string back_buffer_bmp();

// Saves the back buffer, so call it between drawing and swapping; a failure is skipped silently.
void save_screenshot(const Game& game);

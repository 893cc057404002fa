// Screenshots of the game screen, taken from the frame drawn and not yet shown: what a shown
// frame leaves in the front buffer is undefined wherever the window is covered or composited.
#pragma once

#include <ctime>
#include <string>

struct Session;

// The back buffer as a BMP file's bytes: the frame drawn and not yet shown.
std::string back_buffer_bmp();

// Saves the back buffer, so call it between drawing and swapping, as `preferred` + ".bmp" where
// that is free; returns the file's name, or "" when it could not be saved, which is skipped
// silently.
std::string save_screenshot(const Session& session, std::time_t now, const std::string& preferred = "");

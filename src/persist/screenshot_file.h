// Screenshot files: the window saved as a BMP file in the player's folder
// (persist/player_folder.h), under a new name that records the date, the control scheme, the
// mode and, for a finished game, its result.
#pragma once

#include <ctime>
#include <string>

struct Session;

// The name before uniqueness and extension, e.g. 2011-03-07_40-Key_40Lines_BIG_45_123s.
std::string screenshot_base_name(const Session& session, std::time_t now);

// A width x height RGBA image whose rows run from the bottom up, as the bytes of a 24-bit BMP
// file the right way up.
std::string encode_bmp(const unsigned char* pixels, int width, int height);

extern const char* const SCREENSHOT_EXTENSION;

// Writes the file as `preferred` + ".bmp" where that name is free (the name of the finished game's
// replay, so that the two stand side by side), otherwise as base + ".bmp", or base + "_2.bmp",
// "_3.bmp", ...: the first name not in use, whatever uses it (a link that leads nowhere too).
// Returns the name taken, or "" when the file could not be written whole, in which case none is
// left behind.
std::string write_screenshot(const std::string& bmp, const std::string& base, const std::string& preferred = "");

// Screenshots: the window saved as a BMP file in the working directory, under a new name that
// records the date, the input scheme, the mode and, for a finished game, its result.
#pragma once

#include <ctime>
#include <string>

struct GameRecord;
struct GameState;

bool file_exists(const std::string& path);

// The name before uniqueness and extension, e.g. 2011-03-07_40-Key_40Lines_BIG_45_123s.
std::string screenshot_base_name(const GameRecord& state, const std::string& input_name,
                                 std::time_t now);
// base + ".bmp", or base + "_2.bmp", "_3.bmp", ... : the first that does not exist yet.
std::string unique_screenshot_name(const std::string& base);

std::string gen_filename(GameState& state, std::time_t now);
std::string gen_filename(GameState& state);

// Writes a width x height RGBA image whose rows run from the bottom up as a BMP file, the
// right way up. False when the file cannot be written.
bool write_screenshot_bmp(const unsigned char* pixels, int width, int height,
                          const std::string& path);

// Saves the front buffer, which holds the frame last shown; a failure is skipped silently.
void save_screenshot(GameState& state);

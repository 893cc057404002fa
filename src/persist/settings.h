// Settings file: the player's options and key bindings kept between runs as "TapFall.ini",
// plain key=value lines read once at start-up and written when the player saves.
#pragma once

#include <string>

struct GameState;

extern const std::string SETTINGS_FILE_NAME;

// Overlays what the file holds on the current settings; a missing file changes nothing.
void import_settings(GameState& state, const std::string& path = SETTINGS_FILE_NAME);
// Applies one entry line; lines that are no entry change nothing.
void process_line(std::string line, GameState& state);
// The whole file as export_settings writes it.
std::string settings_text(const GameState& state);
// Replaces the file with the current settings. On failure the file the player had is left as
// it was and false is returned.
bool export_settings(const GameState& state, const std::string& path = SETTINGS_FILE_NAME);

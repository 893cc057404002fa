// The settings file: the player's options and key bindings kept between runs as "TapFall.ini",
// plain key=value lines read once at start-up and written when the player saves.
#pragma once

#include <string>

#include "model/settings.h"

extern const char* const SETTINGS_FILE_NAME;

// Overlays what the file holds on the settings; a missing file changes nothing.
void import_settings(Settings& settings, const std::string& path = SETTINGS_FILE_NAME);
// Applies one entry line; lines that are no entry change nothing.
void process_line(const std::string& line, Settings& settings);
// The whole file as export_settings writes it.
std::string settings_text(const Settings& settings);
// Replaces the file with the settings. On failure the file the player had is left as it was and
// false is returned.
bool export_settings(const Settings& settings, const std::string& path = SETTINGS_FILE_NAME);

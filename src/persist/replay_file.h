// Replay files: a finished game kept as text beside its screenshot, under the same name but for
// ".replay". After a first line that says what the file is and its version come the settings,
// as the settings file writes them, then "deals=" lines with the pieces dealt (one letter each,
// "IOTLJSZ"), then one "press=" line per key: the milliseconds since play began and the key.
#pragma once

#include <optional>
#include <string>

#include "model/recording.h"
#include "model/settings.h"

struct Game;

extern const char* const REPLAY_EXTENSION;

struct Replay {
    Settings settings;
    Recording recording;
};

std::string replay_text(const Game& game);
// Nothing when the text is no replay of this version or any of its lines is damaged.
std::optional<Replay> parse_replay(const std::string& text);
// Nothing when the file cannot be read as well.
std::optional<Replay> read_replay(const std::string& path);

// Writes the game's replay as base + ".replay", or base + "_2.replay", ...: the first name whose
// screenshot name (".bmp") is free too, so that the game's screenshot can stand beside it. Returns
// the name, or "" when it was not written.
std::string write_replay(const Game& game, const std::string& base);

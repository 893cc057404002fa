// Replay files: a finished game kept as text beside its screenshot, under the same name but for
// ".replay". After a first line that says what the file is and its version come the settings,
// as the settings file writes them, then "deals=" lines with the pieces dealt (one letter each,
// "IOTLJSZ"), then one "press=" line per key: the milliseconds since play began and the key. The
// last line, "result=", says how the game ended, for a game played again to be checked against.
// Replays are shared between players, so a file is read only when every line is one this game
// writes; version 1, from before the result line, is read too.
#pragma once

#include <optional>
#include <string>

#include "model/recording.h"
#include "model/settings.h"

struct Session;

extern const char* const REPLAY_EXTENSION;

struct Replay {
    Settings settings;
    Recording recording;
    // How the game ended; version 1 does not say.
    std::optional<GameResult> result;
};

// A replay, or, in one line, what is wrong with it.
struct ReplayRead {
    std::optional<Replay> replay;
    std::string error;  // "line 12: time 500 goes back from 900"
};

std::string replay_text(const Session& session);
ReplayRead parse_replay(const std::string& text);
// The same for a file; the error then begins with the file's name, by default its path. Files
// larger than any replay are not read.
ReplayRead read_replay(const std::string& path, const std::string& name = "");

// Writes the game's replay as base + ".replay", or base + "_2.replay", ...: the first name whose
// screenshot name (".bmp") is free too, so that the game's screenshot can stand beside it. Returns
// the name, or "" when it was not written.
std::string write_replay(const Session& session, const std::string& base);

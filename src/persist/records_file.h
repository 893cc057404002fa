// The records file: one line for every finished game, added to "TapFall-records.csv" beside the
// settings file. The first line names the columns; every other line is one game. A line that
// does not read as a game, damaged or written by something else, is skipped.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "model/settings.h"

struct Session;

extern const char* const RECORDS_FILE_NAME;
extern const char* const RECORDS_HEADER;

// The settings, besides the mode, the scheme, the randomizer, the placement system and the field
// size, that change how hard a game is; their defaults are the settings' own, difficulty_of(Settings()).
struct Difficulty {
    bool deep_drop, column_clamp, hold, double_hold;
    int previews;
    bool music_mode, ars;

    bool operator==(const Difficulty& other) const {
        return deep_drop == other.deep_drop && column_clamp == other.column_clamp && hold == other.hold &&
               double_hold == other.double_hold && previews == other.previews && music_mode == other.music_mode &&
               ars == other.ars;
    }
};

Difficulty difficulty_of(const Settings& settings);

struct Record {
    std::string date;       // local time, "2026-12-07 14:05:09"
    std::string game_mode;  // as the settings file stores it: "40Lines" or "2Minutes"
    std::string control_scheme;
    std::string randomizer;
    std::string placement_system;
    bool big_mode = false;
    bool practice_mode = false;
    // A line of the first seven columns only, from before they were kept, reads as the defaults.
    Difficulty difficulty = difficulty_of(Settings());
    uint32_t time_ms = 0;
    int pieces = 0;
    int lines = 0;
    int keys = 0;

    // The mode the record names; nullptr for one that keeps no records.
    const GameModeKind* mode() const;
    // What the mode is played for: the time of a 40-lines game, the lines of a two-minute one.
    std::string result() const;
};

// The finished game as its record, dated `when`.
Record record_of(const Session& session, std::time_t when);
// The line without its line feed.
std::string record_line(const Record& record);
std::optional<Record> parse_record(const std::string& line);

// A file that cannot be written is skipped, like a screenshot.
bool append_record(const Record& record, const std::string& path = RECORDS_FILE_NAME);
// Takes the record's line out of the file again, its last one where it stands twice.
bool withdraw_record(const Record& record, const std::string& path = RECORDS_FILE_NAME);
// Far more than a lifetime of games; a larger file is read up to here.
constexpr size_t MAX_RECORDS_BYTES = size_t(64) << 20;

struct RecordsRead {
    std::vector<Record> records;  // in the order they were added
    std::string error;            // why a file that is there could not be read; "" when it was, or is missing
    int skipped = 0;              // lines that read as no game, foreign or damaged, besides the header
    bool cut = false;             // the file is larger than MAX_RECORDS_BYTES
};

// Lines may end in a carriage return and a line feed, as a spreadsheet may save them.
RecordsRead read_records(const std::string& path = RECORDS_FILE_NAME);

// What a finished game leaves behind besides its screenshot: its line in the records file and
// its replay. One game leaves one of each: a practice game finished again after an undo replaces
// what its first finish left.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "persist/records_file.h"

struct Session;

// What the last finish of a game left, and which game that was.
struct KeptResult {
    uint32_t game_start = 0;  // the start of play of the game it belongs to
    std::optional<Record> record;
    std::string replay;  // "" when none was written

    bool belongs_to(const Session& session) const;
    // The replay's path without its extension, for the screenshot beside it; "" for none.
    std::string stem() const;
};

// Files that cannot be written are skipped silently, like a screenshot.
void keep_result(const Session& session, std::time_t now, KeptResult& kept);

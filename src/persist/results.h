// What a finished game leaves behind besides its screenshot: its line in the records file and
// its replay, under the screenshot's name when the same frame saved one.
#pragma once

#include <ctime>
#include <string>

struct Game;

// Files that cannot be written are skipped silently, like a screenshot.
void keep_result(const Game& game, std::time_t now, const std::string& screenshot);

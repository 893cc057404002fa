// The one exit for unrecoverable start-up failures.
#pragma once

#include <string>

// Writes "Error:" and the message to standard error, without a newline, and exits with status 1.
// The library's own explanation of the failure, when it gave one, goes on the line before, so
// that the game's own text stays last.
[[noreturn]] void fatal_error(const std::string& message, const std::string& cause = "");

// The one exit for unrecoverable start-up failures.
#pragma once

#include <string>

// Writes "Error:" and the message to standard error, without a newline, and exits with status 1.
[[noreturn]] void fatal_error(const std::string& message);

// The command line. With no arguments the game starts. "--replay FILE" plays a recorded game
// again in the window; "--records [--chart FILE]" and "--keys [REPLAY...]" print what the
// records file and the replays say, without a window; "--help" and "--version" print what they
// say. A command line it cannot follow is one line on standard error and status 2.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

enum class CommandKind { Play, Replay, Records, Keys, Help, Version };

struct Command {
    CommandKind kind = CommandKind::Play;
    // Paths as given, made absolute, since the game moves into its own folder before reading.
    std::string replay;
    std::string chart;
    std::vector<std::string> replays;
    // The folder the command was given in, to name files as the player would from there.
    std::string here;
    // Why the command line cannot be followed; empty when it can.
    std::string error;
};

Command parse_command_line(const std::vector<std::string>& arguments);
// Follows a command that needs no window, printing to the streams given; returns the exit status.
int run_text_command(const Command& command, std::FILE* out, std::FILE* err);

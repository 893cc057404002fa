#include "app/command_line.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "persist/file_io.h"
#include "persist/player_folder.h"
#include "persist/records_file.h"
#include "persist/replay_file.h"
#include "render/layout.h"
#include "stats/key_analysis.h"
#include "stats/records_report.h"

namespace {

std::string absolute(const std::string& path) {
    std::error_code error;
    const std::filesystem::path made = std::filesystem::absolute(path, error);
    return error ? path : made.string();
}

// Every replay in the player's folder, in name order.
std::vector<std::string> replays_here() {
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(player_file("."), error))
        if (entry.path().extension() == REPLAY_EXTENSION) found.push_back(player_file(entry.path().filename().string()));
    std::sort(found.begin(), found.end());
    return found;
}

const char* const LICENCE_TEXT =
    "Copyright (C) 2026 The Tapfall developers\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

int fail(std::FILE* err, const std::string& why) {
    std::fprintf(err, "tapfall: %s\n", why.c_str());
    return 2;
}


std::string usage_text() {
    return "Usage: tapfall [--replay FILE | --records [--chart FILE] | --keys [REPLAY...] | --help | --version]\n"
           "\n"
           "With no option the game starts.\n"
           "  --replay FILE        play a recorded game again in the window, at its own pace;\n"
           "                       Escape leaves, F2 saves a screenshot\n"
           "  --records            print the personal bests, and the last results of the kind\n"
           "                       of game played most with their trend\n"
           "  --chart FILE         with --records: also draw that kind's results as an SVG picture\n"
           "  --keys [REPLAY...]   print, for every key, how long after a piece's arrival it came\n"
           "                       and how often its drop was refused; by default over every\n"
           "                       replay kept\n"
           "  --help               print this help\n"
           "  --version            print the version\n"
           "\n"
           "Finished games are kept in TapFall-records.csv, and each as a .replay file beside its\n"
           "screenshot, with the settings and the screenshots, in $XDG_DATA_HOME/tapfall\n"
           "(~/.local/share/tapfall); a game installed as a folder of its own keeps them there\n"
           "where it may write.\n";
}

}  // namespace

Command parse_command_line(const std::vector<std::string>& arguments) {
    Command command;
    const auto error = [&command](const std::string& why) {
        command.error = why;
        return command;
    };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool first = i == 0;
        const bool has_value = i + 1 < arguments.size();
        if (argument == "--help" && first && arguments.size() == 1) {
            command.kind = CommandKind::Help;
        } else if (argument == "--version" && first && arguments.size() == 1) {
            command.kind = CommandKind::Version;
        } else if (argument == "--replay" && first) {
            if (!has_value || arguments.size() > 2) return error("--replay takes one replay file");
            command.kind = CommandKind::Replay;
            command.replay = absolute(arguments[++i]);
        } else if (argument == "--records" && first) {
            command.kind = CommandKind::Records;
        } else if (argument == "--chart" && command.kind == CommandKind::Records && command.chart.empty()) {
            if (!has_value || arguments[i + 1].empty()) return error("--chart takes a file to write the chart to");
            command.chart = absolute(arguments[++i]);
        } else if (argument == "--keys" && first) {
            command.kind = CommandKind::Keys;
        } else if (command.kind == CommandKind::Keys && !argument.empty() && argument[0] != '-') {
            command.replays.push_back(absolute(argument));
        } else {
            return error("cannot follow '" + argument + "' here (try --help)");
        }
    }
    return command;
}

int run_text_command(const Command& command, std::FILE* out, std::FILE* err) {
    switch (command.kind) {
        case CommandKind::Help: std::fputs(usage_text().c_str(), out); return 0;
        case CommandKind::Version: std::fprintf(out, "tapfall %s\n%s", layout::VERSION, LICENCE_TEXT); return 0;
        case CommandKind::Records: {
            const std::vector<Record> records = read_records(player_file(RECORDS_FILE_NAME));
            std::string why;
            if (!command.chart.empty() && !replace_own_file(command.chart, records_chart(records), CHART_START, &why))
                return fail(err, why);
            std::fputs(records_report(records).c_str(), out);
            return 0;
        }
        case CommandKind::Keys: {
            const std::vector<std::string> files = command.replays.empty() ? replays_here() : command.replays;
            if (files.empty()) return fail(err, "no replay to read: finish a game first");
            std::vector<KeyStats> keys;
            for (const std::string& file : files) {
                const std::optional<Replay> replay = read_replay(file);
                if (!replay) return fail(err, "cannot read " + file + " as a replay");
                analyse_replay(*replay, keys);
            }
            std::fprintf(out, "%zu %s\n", files.size(), files.size() == 1 ? "game" : "games");
            std::fputs(keys_report(keys).c_str(), out);
            return 0;
        }
        default: return 0;
    }
}

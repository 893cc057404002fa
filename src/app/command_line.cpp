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
            const std::string file = player_file(RECORDS_FILE_NAME);
            const RecordsRead read = read_records(file);
            if (!read.error.empty()) return fail(err, read.error);
            if (read.cut) std::fprintf(err, "tapfall: %s is larger than any records file: only its first %zu MiB are read\n",
                                       file.c_str(), MAX_RECORDS_BYTES >> 20);
            if (read.skipped)
                std::fprintf(err, "tapfall: %d %s of %s read as no game, foreign or damaged, and %s skipped\n", read.skipped,
                             read.skipped == 1 ? "line" : "lines", file.c_str(), read.skipped == 1 ? "was" : "were");
            const std::vector<Record>& records = read.records;
            std::string why;
            if (!command.chart.empty() && !replace_own_file(command.chart, records_chart(records), CHART_START, &why))
                return fail(err, why);
            std::fputs(records_report(records).c_str(), out);
            return 0;
        }
        case CommandKind::Keys: {
            const std::vector<std::string> files = command.replays.empty() ? replays_here() : command.replays;
            if (files.empty()) return fail(err, "no replay to read: finish a game first");
            // Of the replays kept, those that cannot be followed are passed over; those named, not.
            const bool named = !command.replays.empty();
            std::vector<KeyStats> keys;
            size_t games = 0;
            for (const std::string& file : files) {
                const ReplayRead read = read_replay(file);
                const size_t diverged = read.replay ? analyse_replay(*read.replay, keys) : 0;
                const std::string why = read.replay ? file + ": diverged at key " + std::to_string(diverged) : read.error;
                if (read.replay && !diverged) ++games;
                else if (named) return fail(err, why);
                else std::fprintf(err, "tapfall: %s; passed over\n", why.c_str());
            }
            if (games == 0) return fail(err, "no replay could be followed");
            std::fprintf(out, "%zu %s\n", games, games == 1 ? "game" : "games");
            std::fputs(keys_report(keys).c_str(), out);
            return 0;
        }
        default: return 0;
    }
}

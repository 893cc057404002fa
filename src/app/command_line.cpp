#include "app/command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "persist/file_io.h"
#include "persist/player_folder.h"
#include "persist/records_file.h"
#include "persist/replay_file.h"
#include "render/version.h"
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
        if (entry.path().extension() == REPLAY_EXTENSION)
            found.push_back(player_file(entry.path().filename().string()));
    std::sort(found.begin(), found.end());
    return found;
}

const char* const LICENCE_TEXT =
    "Copyright (C) 2026 The Tapfall developers\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// The path as the player would write it from `here`: relative where it lies below, else whole.
std::string shown(const std::string& path, const std::string& here) {
    const std::filesystem::path whole = std::filesystem::absolute(path).lexically_normal();
    const std::filesystem::path below = whole.lexically_relative(std::filesystem::path(here).lexically_normal());
    return below.empty() || *below.begin() == ".." ? whole.string() : below.string();
}

int fail(std::FILE* err, const std::string& why) {
    std::fprintf(err, "tapfall: %s\n", why.c_str());
    return 2;
}

std::string usage_text() {
    return "Usage: tapfall\n"
           "  or:  tapfall --replay=FILE\n"
           "  or:  tapfall --records [--chart=FILE]\n"
           "  or:  tapfall --keys [REPLAY]...\n"
           "Play Tapfall, the keyboard trainer for falling-block puzzles: with no option,\n"
           "the game opens its window on the main menu.\n"
           "\n"
           "      --replay=FILE       play a recorded game again in the window, at its own\n"
           "                            pace; Escape leaves, F2 saves a screenshot\n"
           "      --records           print the personal bests, and the last results of the\n"
           "                            kind of game played most with their trend\n"
           "      --chart=FILE        with --records, also draw that kind's results as an\n"
           "                            SVG picture\n"
           "      --keys [REPLAY]...  print, for every key, how long after a piece's\n"
           "                            arrival it came and how often its drop was\n"
           "                            refused; by default over every replay kept\n"
           "      --help              display this help and exit\n"
           "      --version           output version information and exit\n"
           "\n"
           "Finished games are kept in TapFall-records.csv, and each as a .replay file\n"
           "beside its screenshot, with the settings and the screenshots, in\n"
           "$XDG_DATA_HOME/tapfall (~/.local/share/tapfall); a game installed as a folder\n"
           "of its own keeps them there where it may write.\n"
           "\n"
           "Exit status:\n"
           " 0  if OK,\n"
           " 1  if the game could not start,\n"
           " 2  if the command line could not be followed, or a file not read or written.\n";
}

// One word of the command line: "--chart=FILE" is the option with its value attached, and after
// "--" every word is a file, even one that begins with "-".
struct Word {
    std::string given;
    std::string name;
    bool option = false;
    std::optional<std::string> attached;
};

std::vector<Word> words_of(const std::vector<std::string>& arguments) {
    std::vector<Word> words;
    bool options_over = false;
    for (const std::string& argument : arguments) {
        if (!options_over && argument == "--") {
            options_over = true;
            continue;
        }
        Word word{argument, argument, !options_over && argument.size() > 1 && argument[0] == '-', std::nullopt};
        const size_t equals = argument.find('=');
        if (word.option && argument.rfind("--", 0) == 0 && equals != std::string::npos) {
            word.name = argument.substr(0, equals);
            word.attached = argument.substr(equals + 1);
        }
        words.push_back(word);
    }
    return words;
}

}  // namespace

Command parse_command_line(const std::vector<std::string>& arguments) {
    Command command;
    command.here = absolute(".");
    const auto error = [&command](const std::string& why) {
        command.error = why;
        return command;
    };
    const std::vector<Word> words = words_of(arguments);
    for (size_t i = 0; i < words.size(); ++i) {
        const Word& word = words[i];
        const bool first = i == 0, alone = words.size() == 1;
        const auto is = [&word](const char* name) { return word.option && word.name == name; };
        // An option's value: the one attached, or else the next word, whatever it is.
        const auto value = [&]() -> std::string {
            if (word.attached) return *word.attached;
            return i + 1 < words.size() ? words[++i].given : "";
        };
        if (word.attached && !is("--replay") && !is("--chart")) return error("'" + word.name + "' takes no value");
        if (is("--help") && first && alone) {
            command.kind = CommandKind::Help;
        } else if (is("--version") && first && alone) {
            command.kind = CommandKind::Version;
        } else if (is("--replay") && first) {
            const std::string file = value();
            if (file.empty() || i + 1 != words.size()) return error("--replay takes one replay file");
            command.kind = CommandKind::Replay;
            command.replay = absolute(file);
        } else if (is("--records") && first) {
            command.kind = CommandKind::Records;
        } else if (is("--chart") && command.kind == CommandKind::Records && command.chart.empty()) {
            const std::string file = value();
            if (file.empty()) return error("--chart takes a file to write the chart to");
            command.chart = absolute(file);
        } else if (is("--keys") && first) {
            command.kind = CommandKind::Keys;
        } else if (command.kind == CommandKind::Keys && !word.option) {
            command.replays.push_back(absolute(word.given));
        } else {
            return error("cannot follow '" + word.given + "' here (try --help)");
        }
    }
    return command;
}

namespace {

int follow(const Command& command, std::FILE* out, std::FILE* err) {
    switch (command.kind) {
        case CommandKind::Help: std::fputs(usage_text().c_str(), out); return 0;
        case CommandKind::Version: std::fprintf(out, "tapfall %s\n%s", GAME_VERSION, LICENCE_TEXT); return 0;
        case CommandKind::Records: {
            const std::string file = player_file(RECORDS_FILE_NAME);
            const RecordsRead read = read_records(file);
            if (!read.error.empty()) return fail(err, read.error);
            if (read.cut)
                std::fprintf(err, "tapfall: %s is larger than any records file: only its first %zu MiB are read\n",
                             file.c_str(), MAX_RECORDS_BYTES >> 20);
            if (read.skipped)
                std::fprintf(err, "tapfall: %d %s of %s read as no game, foreign or damaged, and %s skipped\n",
                             read.skipped, read.skipped == 1 ? "line" : "lines", file.c_str(),
                             read.skipped == 1 ? "was" : "were");
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
                const ReplayRead read = read_replay(file, shown(file, command.here));
                const size_t diverged = read.replay ? analyse_replay(*read.replay, keys) : 0;
                const std::string why =
                    read.replay ? shown(file, command.here) + ": diverged at key " + std::to_string(diverged)
                                : read.error;
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

}  // namespace

int run_text_command(const Command& command, std::FILE* out, std::FILE* err) {
    const int status = follow(command, out, err);
    // What could not be written is lost, so it must not look like success.
    if (std::fflush(out) != 0 || std::ferror(out))
        return fail(err, std::string("cannot write the output: ") + std::strerror(errno));
    return status;
}

#include "persist/replay_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "persist/file_io.h"
#include "persist/screenshot_file.h"
#include "persist/settings_file.h"
#include "rules/session.h"

const char* const REPLAY_EXTENSION = ".replay";

namespace {

const char* const FIRST_LINE = "#TapFall replay ";
constexpr int VERSION = 2;
const char* const PIECE_LETTERS = "IOTLJSZ";
const char* const DEALS = "deals=";
const char* const PRESS = "press=";
const char* const RESULT = "result=";
const char* const RESULT_WRITTEN = "lines %d pieces %d keys %d time %" PRIu32 " field %08" PRIx32;
const char* const RESULT_READ = "lines %d pieces %d keys %d time %" SCNu32 " field %" SCNx32 "%n";
// Letters per "deals=" line, well within the longest line a reader takes.
constexpr size_t DEALS_PER_LINE = 70;
// Far more than a day of play; a bigger file is no replay, and is not read into memory.
constexpr size_t MAX_REPLAY_BYTES = size_t(16) << 20;

std::string result_text(const GameResult& result) {
    char text[160];
    std::snprintf(text, sizeof text, RESULT_WRITTEN, result.lines, result.pieces, result.keys, result.time_ms,
                  result.field);
    return text;
}

bool starts_with(const std::string& line, const char* start) { return line.compare(0, std::strlen(start), start) == 0; }

// Reads one replay line after another, each of them in its place: the settings, the deals, the
// keys, the result. A line that breaks the order or says what the game would never write ends
// the reading with the reason.
class ReplayReader {
public:
    // The reason the line is refused, or "".
    std::string take(const std::string& line) {
        if (version_ == 0) return first_line(line);
        if (part_ == Part::End) return "nothing may follow the result";
        if (starts_with(line, DEALS)) return deals(line.substr(std::strlen(DEALS)));
        if (starts_with(line, PRESS)) return press(line.substr(std::strlen(PRESS)));
        if (starts_with(line, RESULT)) return result(line.substr(std::strlen(RESULT)));
        return setting(line);
    }
    // What is wrong once every line is read, or "".
    std::string finish(int lines) const {
        if (version_ == 0) return "an empty file";
        if (replay_.recording.dealt.empty()) return "no pieces were dealt";
        if (version_ >= 2 && part_ != Part::End)
            return "it ends at line " + std::to_string(lines) + " without its result";
        return "";
    }
    const Replay& replay() const { return replay_; }

private:
    enum class Part { Settings, Deals, Keys, End };

    // Only a later part may follow.
    std::string enter(Part part, const char* what) {
        if (part < part_) return std::string(what) + " after the keys or the result";
        part_ = part;
        return "";
    }
    std::string first_line(const std::string& line) {
        unsigned long version = 0;
        char* end = nullptr;
        if (starts_with(line, FIRST_LINE)) version = std::strtoul(line.c_str() + std::strlen(FIRST_LINE), &end, 10);
        if (version == 0 || *end != '\0' || line.size() > std::strlen(FIRST_LINE) + 4) return "not a Tapfall replay";
        if (version > VERSION) return "a replay of version " + std::to_string(version) + ", newer than this game reads";
        version_ = int(version);
        return "";
    }
    // Only a line the settings writer would write: each option's own values, the key bindings
    // and the two comment lines.
    std::string setting(const std::string& line) {
        if (part_ != Part::Settings) return "a setting after the deals: " + line;
        Settings changed = replay_.settings;
        process_line(line, changed);
        if (("\n" + settings_text(changed)).find("\n" + line + "\n") == std::string::npos)
            return "not a line of the settings this game writes: " + line;
        replay_.settings = changed;
        return "";
    }
    std::string deals(const std::string& letters) {
        if (std::string why = enter(Part::Deals, "deals"); !why.empty()) return why;
        if (letters.empty()) return "a deals line without pieces";
        for (char letter : letters) {
            const char* found = letter == '\0' ? nullptr : std::strchr(PIECE_LETTERS, letter);
            if (!found) return "a piece other than I, O, T, L, J, S and Z";
            replay_.recording.dealt.push_back(int(found - PIECE_LETTERS));
        }
        return "";
    }
    // "1234 97": the milliseconds, one space, the key code.
    std::string press(const std::string& text) {
        if (std::string why = enter(Part::Keys, "a key"); !why.empty()) return why;
        if (replay_.recording.dealt.empty()) return "a key before any piece was dealt";
        uint32_t at = 0;
        int key = 0, end = 0;
        if (std::sscanf(text.c_str(), "%" SCNu32 " %d%n", &at, &key, &end) != 2 || size_t(end) != text.size() ||
            text[0] < '0' || text[0] > '9' || std::to_string(at) + " " + std::to_string(key) != text)
            return "not a time and a key code: " + text;
        const std::vector<TimedKey>& keys = replay_.recording.keys;
        if (!keys.empty() && at < keys.back().at)
            return "time " + std::to_string(at) + " goes back from " + std::to_string(keys.back().at);
        if (key <= 0 || key >= KEY_LAST) return "key code " + std::to_string(key) + " is outside the key table";
        const KeyCode logical = replay_.settings.key_bindings.translate(key);
        if (key == KEY_ESCAPE || logical == KEY_RETURN || logical == KEY_F2)
            return "key code " + std::to_string(key) + " is one the game never records";
        replay_.recording.keys.push_back({at, key});
        return "";
    }
    std::string result(const std::string& text) {
        if (version_ < 2) return "a result line in a replay of version 1";
        part_ = Part::End;
        GameResult result;
        int end = 0;
        if (std::sscanf(text.c_str(), RESULT_READ, &result.lines, &result.pieces, &result.keys, &result.time_ms,
                        &result.field, &end) != 5 ||
            size_t(end) != text.size() || result_text(result) != text)
            return "not a result of lines, pieces, keys, time and field: " + text;
        replay_.result = result;
        return "";
    }

    Replay replay_;
    int version_ = 0;
    Part part_ = Part::Settings;
};

}  // namespace

std::string replay_text(const Session& session) {
    std::string text = FIRST_LINE + std::to_string(VERSION) + "\n" + settings_text(session.settings);
    const std::vector<int>& dealt = session.recording.dealt;
    for (size_t i = 0; i < dealt.size(); ++i) {
        if (i % DEALS_PER_LINE == 0) text += (i == 0 ? "" : "\n") + std::string(DEALS);
        text += PIECE_LETTERS[dealt[i]];
    }
    if (!dealt.empty()) text += "\n";
    for (const TimedKey& key : session.recording.keys)
        text += PRESS + std::to_string(key.at) + " " + std::to_string(key.key) + "\n";
    return text + RESULT + result_text(session.result()) + "\n";
}

ReplayRead parse_replay(const std::string& text) {
    ReplayReader reader;
    int number = 0;
    for (size_t start = 0; start < text.size(); ++number) {
        const size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::string why = line.size() > MAX_LINE_BYTES ? "longer than any line of a replay"
                                : end == std::string::npos   ? "cut short: it has no line feed"
                                                             : reader.take(line);
        if (!why.empty()) return {std::nullopt, "line " + std::to_string(number + 1) + ": " + why};
        start = end + 1;
    }
    if (const std::string why = reader.finish(number); !why.empty()) return {std::nullopt, why};
    return {reader.replay(), ""};
}

ReplayRead read_replay(const std::string& path, const std::string& name) {
    const std::string& named = name.empty() ? path : name;
    std::FILE* file = open_regular_file(path);
    if (!file) return {std::nullopt, "cannot read " + named + ": " + std::strerror(errno)};
    const std::string text = read_at_most(file, MAX_REPLAY_BYTES);
    std::fclose(file);
    if (text.size() > MAX_REPLAY_BYTES) return {std::nullopt, named + ": larger than any replay"};
    ReplayRead read = parse_replay(text);
    if (!read.replay)
        read.error = named + ":" + (read.error.rfind("line ", 0) == 0 ? read.error.substr(5) : " " + read.error);
    return read;
}

std::string write_replay(const Session& session, const std::string& base) {
    const std::string text = replay_text(session);
    bool taken = true;
    for (unsigned n = 1; taken; ++n) {
        const std::string stem = base + (n > 1 ? "_" + std::to_string(n) : "");
        struct stat screenshot;
        if (lstat((stem + SCREENSHOT_EXTENSION).c_str(), &screenshot) == 0) continue;
        if (write_new_file(stem + REPLAY_EXTENSION, text, &taken)) return stem + REPLAY_EXTENSION;
    }
    return "";
}

#include "persist/replay_file.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "model/game.h"
#include "persist/file_io.h"
#include "persist/screenshot_file.h"
#include "persist/settings_file.h"

const char* const REPLAY_EXTENSION = ".replay";

namespace {

const char* const FIRST_LINE = "#TapFall replay 1";
const char* const PIECE_LETTERS = "IOTLJSZ";
const char* const DEALS = "deals=";
const char* const PRESS = "press=";
// Letters per "deals=" line, well within the longest line a reader takes.
constexpr size_t DEALS_PER_LINE = 70;
// Far more than a day of play; a bigger file is no replay, and is not read into memory.
constexpr size_t MAX_REPLAY_BYTES = size_t(16) << 20;

bool add_deals(const std::string& letters, Recording& recording) {
    for (char letter : letters) {
        const char* found = letter == '\0' ? nullptr : std::strchr(PIECE_LETTERS, letter);
        if (!found) return false;
        recording.dealt.push_back(int(found - PIECE_LETTERS));
    }
    return true;
}

// "1234 97": the milliseconds, one space, the key code.
bool add_press(const std::string& text, Recording& recording) {
    std::istringstream fields(text);
    long long at = -1;
    long long key = 0;
    std::string rest;
    if (!(fields >> at >> key) || fields >> rest || at < 0 || at > UINT32_MAX || key < INT32_MIN || key > INT32_MAX)
        return false;
    recording.keys.push_back({uint32_t(at), KeyCode(key)});
    return true;
}

}  // namespace

std::string replay_text(const Game& game) {
    std::string text = std::string(FIRST_LINE) + "\n" + settings_text(game.settings);
    const std::vector<int>& dealt = game.recording.dealt;
    for (size_t i = 0; i < dealt.size(); ++i) {
        if (i % DEALS_PER_LINE == 0) text += (i == 0 ? "" : "\n") + std::string(DEALS);
        text += PIECE_LETTERS[dealt[i]];
    }
    if (!dealt.empty()) text += "\n";
    for (const TimedKey& key : game.recording.keys)
        text += PRESS + std::to_string(key.at) + " " + std::to_string(key.key) + "\n";
    return text;
}

std::optional<Replay> parse_replay(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != FIRST_LINE) return std::nullopt;
    Replay replay;
    while (std::getline(lines, line)) {
        bool sound = true;
        if (line.rfind(DEALS, 0) == 0)
            sound = add_deals(line.substr(std::strlen(DEALS)), replay.recording);
        else if (line.rfind(PRESS, 0) == 0)
            sound = add_press(line.substr(std::strlen(PRESS)), replay.recording);
        else
            process_line(line, replay.settings);
        if (!sound) return std::nullopt;
    }
    return replay;
}

std::optional<Replay> read_replay(const std::string& path) {
    std::FILE* file = open_regular_file(path);
    if (!file) return std::nullopt;
    std::string text;
    for (std::string line; read_line(file, &line) && text.size() <= MAX_REPLAY_BYTES;) text += line + "\n";
    std::fclose(file);
    if (text.size() > MAX_REPLAY_BYTES) return std::nullopt;
    return parse_replay(text);
}

std::string write_replay(const Game& game, const std::string& base) {
    const std::string text = replay_text(game);
    bool taken = true;
    for (unsigned n = 1; taken; ++n) {
        const std::string stem = base + (n > 1 ? "_" + std::to_string(n) : "");
        struct stat screenshot;
        if (lstat((stem + SCREENSHOT_EXTENSION).c_str(), &screenshot) == 0) continue;
        if (write_new_file(stem + REPLAY_EXTENSION, text, &taken)) return stem + REPLAY_EXTENSION;
    }
    return "";
}

#include "persist/settings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "input/inputtype.h"
#include "model/gamestate.h"
#include "placement/piecemasktype.h"
#include "randomizers/randomizer.h"

const std::string SETTINGS_FILE_NAME = "TapFall.ini";

namespace {

const char* const GAME_MODE_NAMES[] = {"40Lines", "2Minutes", "Endless"};
const char* const BOOLEAN_TRUE = "TRUE";
const char* const BOOLEAN_FALSE = "FALSE";

enum class Kind { Boolean, GameMode, InputType, PieceMaskType, PiecePreviews, Randomizer };

struct Setting {
    const char* key;
    Kind kind;
    bool GameRecord::*flag;  // booleans only
};

// Read and written in this order.
const Setting SETTINGS[] = {
    {"ARS", Kind::Boolean, &GameRecord::ars},
    {"AutoScreenshot", Kind::Boolean, &GameRecord::auto_screenshot},
    {"BigMode", Kind::Boolean, &GameRecord::big_mode},
    {"ColumnClamp", Kind::Boolean, &GameRecord::column_clamp},
    {"DeepDrop", Kind::Boolean, &GameRecord::deep_drop},
    {"DoubleHold", Kind::Boolean, &GameRecord::double_hold},
    {"GameMode", Kind::GameMode, nullptr},
    {"HoldAllowed", Kind::Boolean, &GameRecord::hold_allowed},
    {"HoldOrient", Kind::Boolean, &GameRecord::hold_orient},
    {"InputType", Kind::InputType, nullptr},
    {"MusicMode", Kind::Boolean, &GameRecord::music_mode},
    {"PieceMaskType", Kind::PieceMaskType, nullptr},
    {"PiecePreviews", Kind::PiecePreviews, nullptr},
    {"PracticeMode", Kind::Boolean, &GameRecord::practice_mode},
    {"Randomizer", Kind::Randomizer, nullptr},
    {"RotationGuide", Kind::Boolean, &GameRecord::rotation_guide},
    {"Sound", Kind::Boolean, &GameRecord::sound},
};

struct KeyEntry {
    std::string key;
    int binding;  // index into KeyConfig::bindings
};

// Letters, digits, then the punctuation and the two special keys.
const std::vector<KeyEntry>& key_entries() {
    static const std::vector<KeyEntry> entries = [] {
        std::vector<KeyEntry> list;
        for (int letter = 0; letter < 26; ++letter)
            list.push_back({std::string("KEY_LETTER_") + char('A' + letter), 10 + letter});
        for (int digit = 0; digit < 10; ++digit)
            list.push_back({std::string("KEY_NUMBER_") + char('0' + digit), digit});
        const char* const others[] = {"KEY_SEMICOLON", "KEY_COMMA",     "KEY_PERIOD",
                                      "KEY_SLASH",     "KEY_BACKSPACE", "KEY_SPACE"};
        for (int i = 0; i < 6; ++i) list.push_back({others[i], 36 + i});
        return list;
    }();
    return entries;
}

bool starts_with(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The longest name the value begins with, or nullptr: "40-Key-Inverse" wins over "40-Key",
// which begins it.
const std::string* matching_name(const std::string& value, const std::vector<std::string>& names) {
    const std::string* best = nullptr;
    for (const std::string& name : names)
        if (starts_with(value, name) && (!best || name.size() > best->size())) best = &name;
    return best;
}

// strtol's reading, saturated to the range of an int.
int parse_int(const std::string& text) {
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

void apply_setting(const Setting& setting, const std::string& value, GameState& state) {
    switch (setting.kind) {
    case Kind::Boolean:
        state.*setting.flag = starts_with(value, BOOLEAN_TRUE);
        break;
    case Kind::GameMode:
        for (int mode = 0; mode < 3; ++mode)
            if (starts_with(value, GAME_MODE_NAMES[mode])) {
                state.game_mode = mode;
                break;
            }
        break;
    case Kind::InputType:
        if (const std::string* name = matching_name(value, input_type_names()))
            state.input_type = make_input_type(*name);
        break;
    case Kind::PieceMaskType:
        if (const std::string* name = matching_name(value, piece_mask_type_names()))
            state.piece_mask_type = make_piece_mask_type(*name);
        break;
    case Kind::Randomizer:
        if (const std::string* name = matching_name(value, randomizer_names()))
            state.randomizer = make_randomizer(*name);
        break;
    case Kind::PiecePreviews: {
        // Only two characters are looked at, so "123" reads as 12.
        int previews = parse_int(value.substr(0, 2));
        state.piece_previews = previews < 0 ? 0 : previews > MAX_PIECE_PREVIEWS ? MAX_PIECE_PREVIEWS
                                                                                : previews;
        break;
    }
    }
}

std::string setting_value(const Setting& setting, const GameState& state) {
    switch (setting.kind) {
    case Kind::Boolean:
        return state.*setting.flag ? BOOLEAN_TRUE : BOOLEAN_FALSE;
    case Kind::GameMode:
        return state.game_mode >= 0 && state.game_mode < 3 ? GAME_MODE_NAMES[state.game_mode] : "";
    case Kind::InputType:
        return state.input_type->get_name();
    case Kind::PieceMaskType:
        return state.piece_mask_type->get_name();
    case Kind::Randomizer:
        return state.randomizer->get_name();
    case Kind::PiecePreviews:
        return std::to_string(state.piece_previews);
    }
    return "";
}

// Whatever follows the key and the one separator character after it. A line that ends with
// the key has no value at all and is not an entry.
bool value_after(const std::string& line, const std::string& key, std::string* value) {
    if (line.size() <= key.size()) return false;
    *value = line.substr(key.size() + 1);
    return true;
}

bool write_all(int fd, const std::string& text) {
    const char* next = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t written = write(fd, next, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        next += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// A new file gets the permissions it would have had if created the ordinary way; a replaced
// file keeps its own.
mode_t new_file_mode(const std::string& path) {
    struct stat existing;
    if (stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        return existing.st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The text goes into a fresh file beside the target and is renamed over it only once it is
// safely written, so a failed save never leaves the player with a truncated file.
bool replace_file(const std::string& path, const std::string& text) {
    std::string pattern = path + ".XXXXXX";
    std::vector<char> temp_name(pattern.begin(), pattern.end());
    temp_name.push_back('\0');
    int fd = mkstemp(temp_name.data());
    if (fd < 0) return false;
    bool ok = write_all(fd, text) && fchmod(fd, new_file_mode(path)) == 0 && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temp_name.data(), path.c_str()) == 0;
    if (!ok) unlink(temp_name.data());
    return ok;
}

}  // namespace

void process_line(std::string line, GameState& state) {
    std::string value;
    for (const Setting& setting : SETTINGS)
        if (starts_with(line, setting.key)) {
            if (value_after(line, setting.key, &value)) apply_setting(setting, value, state);
            return;
        }
    for (const KeyEntry& entry : key_entries())
        if (starts_with(line, entry.key)) {
            // Stored as read: a code that is no key simply never matches a key press.
            if (value_after(line, entry.key, &value))
                state.key_config.bindings[entry.binding] = parse_int(value);
            return;
        }
}

void import_settings(GameState& state, const std::string& path) {
    std::ifstream in(path);
    if (!in) return;
    std::string line;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#') process_line(line, state);
    // Bastet judges the field it deals for, so a preview or a held piece would defeat it.
    if (state.randomizer->get_name() == BASTET_RANDOMIZER_NAME) {
        state.piece_previews = 0;
        state.hold_allowed = false;
    }
}

std::string settings_text(const GameState& state) {
    std::string text = "#TapFall settings file\n#Note: Everything here is case-sensitive!\n";
    for (const Setting& setting : SETTINGS)
        text += std::string(setting.key) + "=" + setting_value(setting, state) + "\n";
    for (const KeyEntry& entry : key_entries())
        text += entry.key + "=" + std::to_string(state.key_config.bindings[entry.binding]) + "\n";
    return text;
}

bool export_settings(const GameState& state, const std::string& path) {
    return replace_file(path, settings_text(state));
}

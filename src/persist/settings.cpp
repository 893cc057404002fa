#include "persist/settings.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "input/inputtype.h"
#include "model/gamestate.h"
#include "persist/file_io.h"
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

// strtol's reading, saturated to the range of an int; false when the text holds no number.
bool parse_int(const std::string& text, int* result) {
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str()) return false;
    *result = value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
    return true;
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
        // Only two characters are looked at, so "123" reads as 12; no number reads as none.
        int previews = 0;
        parse_int(value.substr(0, 2), &previews);
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
            // Stored as read: a code that is no key simply never matches a key press. A value
            // without a number is a typo, not code 0, which is what SDL calls every unnamed key.
            int code = 0;
            if (value_after(line, entry.key, &value) && parse_int(value, &code))
                state.key_config.bindings[entry.binding] = code;
            return;
        }
}

void import_settings(GameState& state, const std::string& path) {
    std::FILE* file = open_regular_file(path);
    if (!file) return;
    std::string line;
    while (read_line(file, &line))
        if (!line.empty() && line[0] != '#') process_line(line, state);
    std::fclose(file);
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
    return save_file(path, settings_text(state));
}

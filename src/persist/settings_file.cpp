#include "persist/settings_file.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "input/control_scheme.h"
#include "options/options.h"
#include "persist/file_io.h"
#include "placement/placement.h"
#include "randomizers/randomizer.h"

const char* const SETTINGS_FILE_NAME = "TapFall.ini";

namespace {

const char* const BOOLEAN_TRUE = "TRUE";
const char* const BOOLEAN_FALSE = "FALSE";
const char* const HEADER = "#TapFall settings file\n#Note: Everything here is case-sensitive!\n";

bool starts_with(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// The options the file stores, in the file's order: by key, byte for byte.
const std::vector<const Option*>& stored_options() {
    static const std::vector<const Option*> stored = [] {
        std::vector<const Option*> list;
        for (const Option& option : OPTIONS)
            if (option.file_key) list.push_back(&option);
        std::sort(list.begin(), list.end(),
                  [](const Option* a, const Option* b) { return std::strcmp(a->file_key, b->file_key) < 0; });
        return list;
    }();
    return stored;
}

// The key of binding entry i: letters, digits, then the punctuation and the two special keys.
std::string binding_key(int entry) {
    static const char* const OTHERS[] = {"KEY_SEMICOLON", "KEY_COMMA",     "KEY_PERIOD",
                                         "KEY_SLASH",     "KEY_BACKSPACE", "KEY_SPACE"};
    const KeyCode logical = logical_key(entry);
    if (logical >= 'a' && logical <= 'z') return std::string("KEY_LETTER_") + char(logical - 'a' + 'A');
    if (logical >= '0' && logical <= '9') return std::string("KEY_NUMBER_") + char(logical);
    return OTHERS[entry - 36];
}

// The entries in the file's order: letters first, then digits, then the others.
const std::vector<int>& binding_order() {
    static const std::vector<int> order = [] {
        std::vector<int> entries;
        for (int entry = 10; entry < 36; ++entry) entries.push_back(entry);
        for (int entry = 0; entry < 10; ++entry) entries.push_back(entry);
        for (int entry = 36; entry < KEY_BINDINGS; ++entry) entries.push_back(entry);
        return entries;
    }();
    return order;
}

// strtol's reading, saturated to the range of an int; nothing when the text holds no number.
std::optional<int> parse_int(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str()) return std::nullopt;
    return int(std::clamp<long>(value, INT_MIN, INT_MAX));
}

void apply_value(const Option& option, const std::string& value, Settings& settings) {
    switch (option.kind) {
        case OptionKind::Toggle: settings.*option.flag = starts_with(value, BOOLEAN_TRUE); break;
        case OptionKind::GameMode:
            for (const GameModeKind& kind : GAME_MODE_KINDS)
                if (starts_with(value, kind.file_value)) {
                    settings.game_mode = kind.mode;
                    break;
                }
            break;
        case OptionKind::Randomizer:
            if (const auto kind = kind_named_at_start(randomizer_kinds(), value)) settings.randomizer = *kind;
            break;
        case OptionKind::ControlScheme:
            if (const auto kind = kind_named_at_start(control_schemes(), value)) settings.control_scheme = *kind;
            break;
        case OptionKind::PlacementSystem:
            if (const auto kind = kind_named_at_start(placement_systems(), value)) settings.placement_system = *kind;
            break;
        case OptionKind::PiecePreviews: {
            // Only two characters are looked at, so "123" reads as 12; no number reads as none.
            settings.piece_previews = std::clamp(parse_int(value.substr(0, 2)).value_or(0), 0, MAX_PIECE_PREVIEWS);
            break;
        }
        case OptionKind::Action: break;
    }
}

// The file writes booleans and game modes its own way, every other value as the menus show it.
std::string file_value(const Option& option, const Settings& settings) {
    switch (option.kind) {
        case OptionKind::Toggle: return settings.*option.flag ? BOOLEAN_TRUE : BOOLEAN_FALSE;
        case OptionKind::GameMode: return game_mode_kind(settings.game_mode).file_value;
        default: return option_value(option, settings);
    }
}

// Whatever follows the key and the one separator character after it. A line that ends with
// the key has no value at all and is not an entry.
bool value_after(const std::string& line, const std::string& key, std::string* value) {
    if (line.size() <= key.size()) return false;
    *value = line.substr(key.size() + 1);
    return true;
}

}  // namespace

void process_line(const std::string& line, Settings& settings) {
    std::string value;
    for (const Option* option : stored_options())
        if (starts_with(line, option->file_key)) {
            if (value_after(line, option->file_key, &value)) apply_value(*option, value, settings);
            return;
        }
    for (int entry : binding_order())
        if (starts_with(line, binding_key(entry).c_str())) {
            // Stored as read: a code that is no key simply never matches a key press. A value
            // without a number is a typo, not code 0, which is what SDL calls every unnamed key.
            if (!value_after(line, binding_key(entry), &value)) return;
            if (const std::optional<int> code = parse_int(value)) settings.key_bindings.keys[entry] = *code;
            return;
        }
}

void import_settings(Settings& settings, const std::string& path) {
    std::FILE* file = open_regular_file(path);
    if (!file) return;
    std::string line;
    // Comments ("#...") and empty lines begin with no key, so they change nothing.
    while (read_line(file, &line)) process_line(line, settings);
    std::fclose(file);
    apply_randomizer_limits(settings);
}

std::string settings_text(const Settings& settings) {
    std::string text = HEADER;
    for (const Option* option : stored_options())
        text += std::string(option->file_key) + "=" + file_value(*option, settings) + "\n";
    for (int entry : binding_order())
        text += binding_key(entry) + "=" + std::to_string(settings.key_bindings.keys[entry]) + "\n";
    return text;
}

bool export_settings(const Settings& settings, const std::string& path) {
    return save_file(path, settings_text(settings));
}

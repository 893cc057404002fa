// Fuzz target for the settings reader: every input is read both line by line and as a whole
// file, and the settings that result must be sound and survive a save and a second read.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/gamestate.h"
#include "model/random_source.h"
#include "persist/settings.h"

namespace {

std::string temp_dir;

std::string settings_path() { return temp_dir + "/TapFall.ini"; }

void remove_temp_dir() {
    unlink(settings_path().c_str());
    rmdir(temp_dir.c_str());
}

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "settings invariant broken: %s\n", what);
    abort();
}

bool is_one_of(const std::string& name, const std::vector<std::string>& names) {
    for (const std::string& known : names)
        if (name == known) return true;
    return false;
}

// What import_settings does, without the file.
void process_text(const std::string& text, GameState& state) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
        if (!line.empty() && line[0] != '#') process_line(line, state);
}

void apply_bastet_rule(GameState& state) {
    if (state.randomizer->get_name() != BASTET_RANDOMIZER_NAME) return;
    state.piece_previews = 0;
    state.hold_allowed = false;
}

void check_sound(const GameState& state) {
    check(state.piece_previews >= 0 && state.piece_previews <= MAX_PIECE_PREVIEWS, "previews");
    check(state.game_mode >= 0 && state.game_mode <= 2, "game mode");
    check(state.randomizer && is_one_of(state.randomizer->get_name(), randomizer_names()),
          "randomizer");
    check(state.piece_mask_type &&
              is_one_of(state.piece_mask_type->get_name(), piece_mask_type_names()),
          "placement system");
    check(state.input_type && is_one_of(state.input_type->get_name(), input_type_names()),
          "input scheme");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Dealing pieces plays no part in reading settings; a fixed source keeps runs repeatable.
    set_random_source([] { return 0; });
    char pattern[] = "/tmp/tapfall-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr) abort();
    temp_dir = pattern;
    atexit(remove_temp_dir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    GameState by_lines;
    process_text(text, by_lines);
    apply_bastet_rule(by_lines);
    check_sound(by_lines);

    std::ofstream(settings_path(), std::ios::binary | std::ios::trunc) << text;
    GameState by_file;
    import_settings(by_file, settings_path());
    check_sound(by_file);
    check(settings_text(by_file) == settings_text(by_lines), "file and lines read alike");

    GameState reread;
    process_text(settings_text(by_file), reread);
    apply_bastet_rule(reread);
    check(settings_text(reread) == settings_text(by_file), "saved settings read back alike");
    return 0;
}

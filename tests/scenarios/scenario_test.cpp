// Plays the scenarios of tests/scenarios/*.txt: short games written as text, checked against
// what the text says the game shows. README.md there describes the lines; a line it does not
// describe is an error, so that a misspelt step or check cannot pass unseen.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "app/game_loop.h"
#include "app/menu.h"
#include "app/sound_board.h"
#include "input/overlays.h"
#include "persist/screenshot_file.h"
#include "persist/settings_file.h"
#include "render/asset_files.h"
#include "render/hud.h"
#include "rules/actions.h"
#include "support/seams.h"

namespace {

const std::string TYPES = "IOTLJSZ", TURNS = "ULRD", CELLS = ".IOTLJSZ";
// The statistics in the order of Statistic, by the names the game screen gives them.
const char* const STATISTICS[] = {"time", "pieces", "lines", "tpm", "keys", "kpt"};
// The checks that take the rest of their line; every other one is written name=value.
const std::set<std::string> TEXT_CHECKS = {"option", "info", "locked", "summary"};
const char* const SCREENS[] = {"main", "options", "credits"};
const std::set<std::string> PLAY_STEPS = {"keys", "deal", "active", "set", "play"};
const std::map<std::string, KeyCode> KEY_NAMES = {
    {"Space", KEY_SPACE}, {"Backspace", KEY_BACKSPACE}, {"Return", KEY_RETURN}, {"Escape", KEY_ESCAPE}, {"F2", KEY_F2},
    {"Up", SDLK_UP},      {"Down", SDLK_DOWN},          {"Left", SDLK_LEFT}};

// A sound as its file is named, so that the scenarios also check which file plays for what.
std::string sound_name(const SoundCue& cue) {
    std::string file = cue.sound == Sound::Drop ? asset_files::drop_sound_file(cue.column, cue.lines) : "";
    for (const asset_files::SoundFile& named : asset_files::SOUND_FILES)
        if (named.sound == cue.sound) file = named.file;
    return std::filesystem::path(file).stem();
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// Each item as `show` gives it, those that show something joined; "-" for none.
template <typename List, typename Show>
std::string join(const List& list, const std::string& between, Show show) {
    std::string text;
    for (const auto& item : list)
        if (const std::string shown = show(item); !shown.empty()) text += (text.empty() ? "" : between) + shown;
    return text.empty() ? "-" : text;
}

std::vector<KeyCode> keys_of(const std::string& text) {
    std::vector<KeyCode> keys;
    for (const std::string& word : words(text))
        if (KEY_NAMES.count(word)) keys.push_back(KEY_NAMES.at(word));
        else keys.insert(keys.end(), word.begin(), word.end());
    return keys;
}

class Scenario {
public:
    explicit Scenario(std::string file) : file_(std::move(file)) {}
    ~Scenario() { flush_rows(); }

    void read(int line, const std::string& text) {
        const bool checks = text.rfind("  ", 0) == 0;
        const std::string content = text.substr(text.find_first_not_of(' '));
        if (content[0] != '|' || checks != checking_rows_) flush_rows();
        line_ = line;
        if (content[0] == '|') {
            if (rows_.empty()) rows_line_ = line;
            rows_.push_back(content);
            checking_rows_ = checks;
            return;
        }
        const size_t space = std::min(content.find(' '), content.size());
        const std::string verb = content.substr(0, space), rest = content.substr(std::min(space + 1, content.size()));
        if (checks && TEXT_CHECKS.count(verb)) return check(verb, rest);
        for (const std::string& word : checks ? words(content) : std::vector<std::string>{}) {
            const size_t equals = word.find('=');
            if (equals == std::string::npos || TEXT_CHECKS.count(word.substr(0, equals)))
                report("not a check: " + word);
            else check(word.substr(0, equals), word.substr(equals + 1));
        }
        if (checks) return;
        session_.events.clear();
        menu_.sounds.clear();
        if (content.find('=') >= space) return step(verb, rest);
        // Lines of the settings file, read as at start-up: each begins at a word with a '='.
        std::vector<std::string> settings;
        for (const std::string& word : words(content))
            if (word.find('=') != std::string::npos) settings.push_back(word);
            else settings.back() += " " + word;
        for (const std::string& setting : settings) process_line(setting, session_.settings);
        apply_randomizer_limits(session_.settings);
    }

private:
    void step(const std::string& verb, const std::string& rest) {
        Game& game = session_.game;
        if (verb == "draws") {
            std::deque<int> numbers;
            for (const std::string& word : words(rest)) numbers.push_back(std::stoi(word));
            random_.emplace(numbers);
        } else if (verb == "at" || verb == "clock") {
            const bool from_start = rest[0] == '+';
            clock_.now = uint32_t(std::stoul(rest.substr(from_start))) + (from_start ? game.start_ticks : 0);
            if (verb == "at" && game.started) check_time_limit(session_, clock_.now);
        } else if (verb == "held") {
            held_ = keys_of(rest);
        } else if (verb == "close") {
            closes_ = true;
        } else if (verb == "menu" || verb == "highlight" || verb == "choose") {
            const int found = option_index(rest);
            if (verb != "menu" && (found < 0 || menu_.screen != MenuScreen::Options))
                return report("no option to highlight: " + rest);
            std::vector<KeyCode> keys = verb == "menu" ? keys_of(rest) : std::vector<KeyCode>{};
            for (int i = menu_.selection; verb != "menu" && i % OPTION_COUNT != found; ++i) keys.push_back(SDLK_DOWN);
            if (verb == "choose") keys.push_back(KEY_RETURN);
            for (KeyCode key : keys)
                running_ =
                    running_ && handle_menu_key(key, menu_, session_, [this](Session&) { return ++games_, !closes_; });
        } else if (!PLAY_STEPS.count(verb)) {
            report("no such step: " + verb);
        } else if (begin_play(); verb == "keys") {
            for (KeyCode key : keys_of(rest)) handle_game_key(session_, key, clock_.now);
        } else if (verb == "deal") {
            session_.deal_into(game.active_piece);
        } else if (verb == "active" && (rest.size() != 2 || TYPES.find(rest[0]) > 6 || TURNS.find(rest[1]) > 3)) {
            report("no such piece: " + rest);
        } else if (verb == "active") {
            game.active_piece = {int(TYPES.find(rest[0])), Orientation(TURNS.find(rest[1]))};
        } else if (verb == "set") {
            for (const std::string& word : words(rest)) {
                const std::string name = word.substr(0, word.find('='));
                int* counter = name == "lines"    ? &game.lines
                               : name == "pieces" ? &game.pieces
                               : name == "keys"   ? &game.keys
                                                  : nullptr;
                if (counter) *counter = std::stoi(word.substr(name.size() + 1));
                else report("no counter to set: " + word);
            }
        }
    }

    void begin_play() {
        if (session_.game.started) return;
        apply_randomizer_limits(session_.settings);
        session_.reset();
        start_play(session_, clock_.now);
        session_.events.clear();
    }

    void report(const std::string& what, int line = 0) const {
        ADD_FAILURE_AT(file_.c_str(), line ? line : line_) << what;
    }

    void check(const std::string& name, const std::string& expected) {
        if (const std::optional<std::string> shown = show(name); !shown) report("nothing is called " + name);
        else if (*shown != expected) report(name + " shows \"" + *shown + "\"");
    }

    void flush_rows() {
        PlayField& field = session_.game.playfield;
        if (rows_.empty()) return;
        if (!checking_rows_) begin_play(), field.clear(session_.settings.big_mode);
        std::string shown, written;
        for (int row = field.height() - 1; row >= 0; --row) {
            std::string cells;
            for (int column = 0; column < field.width(); ++column) cells += CELLS[size_t(field.cell(column, row))];
            // The field shows from its highest block down: the empty rows above it are left out.
            if (!shown.empty() || cells.find_first_not_of('.') != std::string::npos || row == 0)
                shown += "\n|" + cells + "|";
        }
        for (const std::string& row : rows_) {
            if (row.size() != size_t(field.width()) + 2 || row.find_first_not_of(CELLS, 1) != row.size() - 1)
                report("not a row of the field: " + row, rows_line_);
            written += "\n" + row;
        }
        if (checking_rows_ && shown != written) report("the field shows" + shown, rows_line_);
        for (size_t row = 0; !checking_rows_ && row < rows_.size(); ++row)
            for (int column = 0; column < field.width(); ++column)
                field.set_cell(column, int(rows_.size() - 1 - row), Cell(CELLS.find(rows_[row][size_t(column) + 1])));
        rows_.clear();
    }

    // What the game shows under `name`; nothing when no check has that name.
    std::optional<std::string> show(const std::string& name) {
        const Game& game = session_.game;
        const ControlScheme& scheme = control_scheme(session_.settings);
        const KeyHeld held = [this](KeyCode key) { return std::count(held_.begin(), held_.end(), key) > 0; };
        const auto piece = [](const Piece& p) {
            return p.type == NO_PIECE ? "-" : std::string{TYPES[size_t(p.type)], TURNS[size_t(p.orientation)]};
        };
        const auto text = [](const char* line) { return line ? line : ""; };
        if (name == "active") return piece(game.active_piece);
        if (name == "hold") return piece(game.hold_piece);
        if (name == "games") return std::to_string(games_);
        if (name == "quit") return running_ ? "no" : "yes";
        if (name == "menu")
            return SCREENS[int(menu_.screen)] + (int(menu_.screen) ? "" : ":" + std::to_string(menu_.selection));
        // Noon UTC on 7 March 2011 is that day in every time zone.
        if (name == "screenshot") return screenshot_base_name(session_, 1299499200);
        if (name == "option") return option_line(OPTIONS[menu_.selection], session_.settings);
        std::string colours;
        for (int which = 0; which < 6; ++which) {
            const HudText shown = statistic(Statistic(which), session_, clock_.now);
            if (name == STATISTICS[which]) return words(shown.text).at(0);
            colours += shown.color.r == WHITE.r ? 'W' : shown.color.r == RESULT_COLOR.r ? 'R' : 'F';
        }
        if (name == "colours") return colours;
        if (name == "next")
            return join(std::vector<Piece>(game.previews, game.previews + session_.settings.piece_previews), "",
                        [](const Piece& p) { return std::string{TYPES[size_t(p.type)]}; });
        if (name == "guide")
            return join(scheme.guide_pieces(game.active_piece), "",
                        [](const Piece& p) { return std::string{TURNS[size_t(p.orientation)]}; });
        if (name == "legend")
            return join(key_legend(session_, scheme.keys(), held), "", [](const LegendLabel& key) {
                return std::string{key.pressed ? key.label : char(std::tolower(key.label))};
            });
        if (name == "lit")
            return join(lit_columns(session_, scheme.keys(), held), "", [](bool lit) { return lit ? "#" : "."; });
        if (name == "flags")
            return join(
                std::vector<const char*>{game.started ? "started" : "", game.hurry ? "hurry" : "",
                                         game.finished ? "finished" : "", game.hold_used ? "held" : "",
                                         screenshot_due(session_) ? "screenshot" : "", game.can_undo ? "undo" : ""},
                ",", text);
        std::vector<SoundCue> cues = menu_.sounds;
        for (const GameEvent& event : session_.events)
            if (const std::optional<SoundCue> cue = sound_of(event)) cues.push_back(*cue);
        if (name == "sounds") return join(cues, ",", sound_name);
        if (name == "summary")
            return join(summary_lines(session_), " | ",
                        [](const SummaryLine& line) { return std::to_string(line.rise) + " " + line.line.text; });
        if (name == "locked")
            return join(OPTIONS, " | ",
                        [&](const Option& o) { return option_locked(o, session_.settings) ? o.label : ""; });
        if (name == "info") return join(option_info(OPTIONS[menu_.selection], session_.settings), " | ", text);
        return std::nullopt;
    }

    std::string file_;
    int line_ = 0, rows_line_ = 0;
    FakeClock clock_;
    std::optional<ScriptedRandom> random_{std::in_place};
    Session session_;
    Menu menu_;
    int games_ = 0;
    bool running_ = true, closes_ = false, checking_rows_ = false;
    std::vector<KeyCode> held_;
    std::vector<std::string> rows_;
};

}  // namespace

class Scenarios : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenarios, PlayAsWritten) {
    const std::string path = TAPFALL_TEST_DIR "/scenarios/" + GetParam() + ".txt";
    std::ifstream in(path);
    std::optional<Scenario> scenario;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.rfind("== ", 0) == 0) scenario.emplace(path);
        else if (text.find_first_not_of(' ') == std::string::npos || text[0] == '#') continue;
        else if (scenario) scenario->read(line, text);
        else ADD_FAILURE_AT(path.c_str(), line) << "outside any scenario";
    }
}

std::vector<std::string> scenario_files() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(TAPFALL_TEST_DIR "/scenarios"))
        if (entry.path().extension() == ".txt") files.push_back(entry.path().stem());
    return files;
}

INSTANTIATE_TEST_SUITE_P(, Scenarios, ::testing::ValuesIn(scenario_files()),
                         [](const auto& file) { return file.param; });

// Plays the scenarios of tests/scenarios/*.txt: short games written as text, checked against
// what the text says the game shows. README.md there describes the lines; a line it does not
// describe is an error, so that a misspelt step or check cannot pass unseen.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
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
    std::vector<std::string> list;
    for (std::string word; in >> word;) list.push_back(word);
    return list;
}

std::string join(const std::vector<std::string>& list, const std::string& between) {
    std::string text;
    for (const std::string& item : list) text += (text.empty() ? "" : between) + item;
    return text.empty() ? "-" : text;
}

std::vector<KeyCode> keys_of(const std::string& text) {
    std::vector<KeyCode> keys;
    for (const std::string& word : words(text)) {
        const size_t star = word.find('*', 1);
        const std::string typed = word.substr(0, star);
        for (int i = 0, times = star == std::string::npos ? 1 : std::stoi(word.substr(star + 1)); i < times; ++i) {
            if (KEY_NAMES.count(typed)) keys.push_back(KEY_NAMES.at(typed));
            else
                for (char c : typed) keys.push_back(KeyCode(c));
        }
    }
    return keys;
}

class Scenario {
public:
    Scenario(std::string file, int line) : file_(std::move(file)), line_(line) {}
    ~Scenario() { flush_rows(); }

    void read(int line, const std::string& text) {
        const bool checks = text.rfind("  ", 0) == 0;
        const std::string content = text.substr(std::min(text.find_first_not_of(' '), text.size()));
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
        if (content.find('=') < space) {  // a line of the settings file, read as at start-up
            process_line(content, session_.settings);
            apply_randomizer_limits(session_.settings);
        } else {
            step(verb, rest);
        }
    }

private:
    void step(const std::string& verb, const std::string& rest) {
        Game& game = session_.game;
        if (verb == "draws") {
            std::deque<int> numbers;
            for (const std::string& word : words(rest)) numbers.push_back(std::stoi(word));
            random_.reset();
            random_.emplace(numbers);
        } else if (verb == "at" || verb == "clock") {
            const bool from_start = rest[0] == '+';
            clock_.now = uint32_t(std::stoul(rest.substr(from_start))) + (from_start ? game.start_ticks : 0);
            if (verb == "at" && game.started) check_time_limit(session_, clock_.now);
        } else if (verb == "held") {
            held_ = keys_of(rest);
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
        } else if (verb == "close") {
            closes_ = true;
        } else if (verb == "keys" || verb == "deal" || verb == "active" || verb == "set" || verb == "play") {
            begin_play();
            if (verb == "keys")
                for (KeyCode key : keys_of(rest)) handle_game_key(session_, key, clock_.now);
            if (verb == "deal") session_.deal_into(game.active_piece);
            if (verb == "active" && (rest.size() != 2 || TYPES.find(rest[0]) > 6 || TURNS.find(rest[1]) > 3))
                report("no such piece: " + rest);
            else if (verb == "active") game.active_piece = {int(TYPES.find(rest[0])), Orientation(TURNS.find(rest[1]))};
            for (const std::string& word : verb == "set" ? words(rest) : std::vector<std::string>{}) {
                const std::string name = word.substr(0, word.find('='));
                int* counter = name == "lines" ? &game.lines : name == "pieces" ? &game.pieces : &game.keys;
                if (name == "lines" || name == "pieces" || name == "keys")
                    *counter = std::stoi(word.substr(name.size() + 1));
                else report("no counter to set: " + word);
            }
        } else {
            report("no such step: " + verb);
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
        std::vector<std::string> shown;
        for (int row = field.height() - 1; row >= 0; --row) {
            std::string cells;
            for (int column = 0; column < field.width(); ++column) cells += CELLS[size_t(field.cell(column, row))];
            // The field shows from its highest block down: the empty rows above it are left out.
            if (!shown.empty() || cells.find_first_not_of('.') != std::string::npos || row == 0)
                shown.push_back("|" + cells + "|");
        }
        for (const std::string& row : rows_)
            if (row.size() != size_t(field.width()) + 2 || row.find_first_not_of(CELLS, 1) != row.size() - 1)
                report("not a row of the field: " + row, rows_line_);
        if (checking_rows_ && shown != rows_) report("the field shows\n" + join(shown, "\n"), rows_line_);
        for (size_t row = 0; !checking_rows_ && row < rows_.size(); ++row)
            for (int column = 0; column < field.width(); ++column)
                field.set_cell(column, int(rows_.size() - 1 - row), Cell(CELLS.find(rows_[row][size_t(column) + 1])));
        rows_.clear();
    }

    // What the game shows under `name`; nothing when no check has that name.
    std::optional<std::string> show(const std::string& name) {
        const Game& game = session_.game;
        const auto piece = [](const Piece& p) {
            return p.type == NO_PIECE ? "-" : std::string{TYPES[size_t(p.type)], TURNS[size_t(p.orientation)]};
        };
        const ControlScheme& scheme = control_scheme(session_.settings);
        const KeyHeld held = [this](KeyCode key) { return std::count(held_.begin(), held_.end(), key) > 0; };
        std::string shown;
        std::vector<std::string> list;
        if (name == "active") return piece(game.active_piece);
        if (name == "hold") return piece(game.hold_piece);
        for (int which = 0; which < 6; ++which) {
            const HudText text = statistic(Statistic(which), session_, clock_.now);
            if (name == STATISTICS[which]) return words(text.text).at(0);
            shown += text.color.r == WHITE.r ? 'W' : text.color.r == RESULT_COLOR.r ? 'R' : 'F';
        }
        if (name == "colours") return shown;
        shown.clear();
        if (name == "games") return std::to_string(games_);
        if (name == "quit") return running_ ? "no" : "yes";
        const char* const screens[] = {"main", "options", "credits"};
        if (name == "menu")
            return screens[int(menu_.screen)] + (int(menu_.screen) ? "" : ":" + std::to_string(menu_.selection));
        // Noon UTC on 7 March 2011 is that day in every time zone.
        if (name == "screenshot") return screenshot_base_name(session_, 1299499200);
        if (name == "option") return option_line(OPTIONS[menu_.selection], session_.settings);
        for (int i = 0; name == "next" && i < session_.settings.piece_previews; ++i)
            shown += TYPES[size_t(game.previews[i].type)];
        for (const Piece& turned : name == "guide" ? scheme.guide_pieces(game.active_piece) : std::vector<Piece>{})
            shown += TURNS[size_t(turned.orientation)];
        for (const LegendLabel& label :
             name == "legend" ? key_legend(session_, scheme.keys(), held) : std::vector<LegendLabel>{})
            shown += label.pressed ? label.label : char(std::tolower(label.label));
        for (bool lit : name == "lit" ? lit_columns(session_, scheme.keys(), held) : std::vector<bool>{})
            shown += lit ? '#' : '.';
        if (name == "next" || name == "guide" || name == "legend" || name == "lit") return shown.empty() ? "-" : shown;
        for (const auto& [set, flag] : {std::pair(game.started, "started"),
                                        {game.hurry, "hurry"},
                                        {game.finished, "finished"},
                                        {game.hold_used, "held"},
                                        {screenshot_due(session_), "screenshot"},
                                        {game.can_undo, "undo"}})
            if (set && name == "flags") list.push_back(flag);
        std::vector<SoundCue> cues = menu_.sounds;
        for (const GameEvent& event : session_.events)
            if (const std::optional<SoundCue> cue = sound_of(event)) cues.push_back(*cue);
        for (const SoundCue& cue : name == "sounds" ? cues : std::vector<SoundCue>{}) list.push_back(sound_name(cue));
        if (name == "flags" || name == "sounds") return join(list, ",");
        for (const SummaryLine& line : name == "summary" ? summary_lines(session_) : std::vector<SummaryLine>{})
            list.push_back(std::to_string(line.rise) + " " + line.line.text);
        for (const Option& o :
             name == "locked" ? std::vector<Option>(std::begin(OPTIONS), std::end(OPTIONS)) : std::vector<Option>{})
            if (option_locked(o, session_.settings)) list.push_back(o.label);
        for (const char* line : name == "info" ? option_info(OPTIONS[menu_.selection], session_.settings) : InfoLines{})
            if (line) list.push_back(line);
        if (TEXT_CHECKS.count(name)) return join(list, " | ");
        return std::nullopt;
    }

    std::string file_;
    int line_, rows_line_ = 0;
    FakeClock clock_;
    std::optional<ScriptedRandom> random_{std::in_place};
    Session session_;
    Menu menu_;
    int games_ = 0;
    bool running_ = true, closes_ = false, checking_rows_ = false;
    std::vector<KeyCode> held_;
    std::vector<std::string> rows_;
};

// Each scenario as its file's name and its number there, from 1.
std::vector<std::pair<std::string, int>> scenarios() {
    std::vector<std::pair<std::string, int>> found;
    for (const auto& entry : std::filesystem::directory_iterator(TAPFALL_TEST_DIR "/scenarios")) {
        std::ifstream in(entry.path());
        int number = 0;
        for (std::string line; entry.path().extension() == ".txt" && std::getline(in, line);)
            if (line.rfind("== ", 0) == 0) found.emplace_back(entry.path().stem(), ++number);
    }
    return found;
}

}  // namespace

class Scenarios : public ::testing::TestWithParam<std::pair<std::string, int>> {};

TEST_P(Scenarios, PlayAsWritten) {
    const std::string path = TAPFALL_TEST_DIR "/scenarios/" + GetParam().first + ".txt";
    std::ifstream in(path);
    std::optional<Scenario> scenario;
    int number = 0;
    std::string text;
    for (int line = 1; std::getline(in, text) && number <= GetParam().second; ++line) {
        if (text.rfind("== ", 0) == 0 && ++number == GetParam().second) scenario.emplace(path, line);
        else if (text.empty() || text[0] == '#' || (number && number != GetParam().second)) continue;
        else if (scenario) scenario->read(line, text);
        else ADD_FAILURE_AT(path.c_str(), line) << "outside any scenario";
    }
}

INSTANTIATE_TEST_SUITE_P(, Scenarios, ::testing::ValuesIn(scenarios()), [](const auto& scenario) {
    return scenario.param.first + "_" + std::to_string(scenario.param.second);
});

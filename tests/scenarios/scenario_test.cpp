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
#include <sstream>

#include "app/game_loop.h"
#include "app/menu.h"
#include "app/sound_board.h"
#include "input/overlays.h"
#include "persist/screenshot_file.h"
#include "persist/settings_file.h"
#include "render/hud.h"
#include "rules/actions.h"
#include "support/seams.h"

namespace {

const std::string TYPES = "IOTLJSZ", TURNS = "ULRD", CELLS = ".IOTLJSZ";
const char* const SCREENS[] = {"main", "options", "credits"};
// The statistics in the order of Statistic, by the names the game screen shows.
const char* const STATISTICS[] = {"time", "pieces", "lines", "tpm", "keys", "kpt"};
// Every sound but a drop, in the order of Sound.
const char* const SOUND_NAMES[] = {"rotate",     "hold",       "rewind",     "hurry",      "finish",   "menugamestart",
                                   "menuchoose", "menuselect", "menucancel", "menuquit", "countdown", "countdownstart"};
// The checks whose value is the rest of their line, spaces and all; every other check is
// written name=value, several to a line.
const char* const TEXT_CHECKS[] = {"option", "info", "locked", "summary"};
const std::map<std::string, KeyCode> KEY_NAMES = {
    {"Space", KEY_SPACE}, {"Backspace", KEY_BACKSPACE}, {"Return", KEY_RETURN}, {"Escape", KEY_ESCAPE},
    {"F2", KEY_F2},       {"Up", SDLK_UP},              {"Down", SDLK_DOWN},    {"Left", SDLK_LEFT}};

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

std::string trimmed(const std::string& text) { return text.substr(std::min(text.find_first_not_of(' '), text.size())); }

// `name=value` as the pair of both; an empty name when there is no '='.
std::pair<std::string, std::string> named(const std::string& word) {
    const size_t equals = word.find('=');
    if (equals == std::string::npos) return {};
    return {word.substr(0, equals), word.substr(equals + 1)};
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
        line_ = line;
        const bool checks = text.rfind("  ", 0) == 0;
        const std::string content = trimmed(text);
        if (content[0] != '|' || checks != checking_rows_) flush_rows();
        if (content[0] == '|') {
            if (rows_.empty()) rows_line_ = line;
            rows_.push_back(content);
            checking_rows_ = checks;
            return;
        }
        const size_t space = content.find(' ');
        const std::string verb = content.substr(0, space), rest = space == std::string::npos ? "" : content.substr(space + 1);
        const bool text_check = std::count(std::begin(TEXT_CHECKS), std::end(TEXT_CHECKS), verb) > 0;
        if (checks && text_check) {
            check(verb, rest);
        } else if (checks && named(verb).first.empty()) {
            report("nothing is called " + verb);
        } else if (checks) {
            for (const std::string& word : words(content)) {
                const auto [name, value] = named(word);
                if (name.empty() || std::count(std::begin(TEXT_CHECKS), std::end(TEXT_CHECKS), name)) report("not a check: " + word);
                else check(name, value);
            }
        } else {
            session_.events.clear();
            menu_.sounds.clear();
            step(verb, rest, content.find('=') < space);
        }
    }

private:
    void step(const std::string& verb, const std::string& rest, bool settings_line) {
        if (settings_line) {
            process_line(verb + (rest.empty() ? "" : " " + rest), session_.settings);
            apply_randomizer_limits(session_.settings);  // as after the file at start-up
        } else if (verb == "draws") {
            std::deque<int> numbers;
            for (const std::string& word : words(rest)) numbers.push_back(std::stoi(word));
            random_.reset();
            random_.emplace(numbers);
        } else if (verb == "at" || verb == "clock") {
            const bool from_start = rest[0] == '+';
            clock_.now = uint32_t(std::stoul(rest.substr(from_start))) + (from_start ? session_.game.start_ticks : 0);
            if (verb == "at" && session_.game.started) check_time_limit(session_, clock_.now);
        } else if (verb == "held") {
            held_ = keys_of(rest);
        } else if (verb == "menu") {
            menu_keys(keys_of(rest));
        } else if (verb == "highlight" || verb == "choose") {
            highlight(rest);
            if (verb == "choose") menu_keys({KEY_RETURN});
        } else if (verb == "close") {
            closes_ = true;
        } else if (verb == "keys" || verb == "deal" || verb == "active" || verb == "set" || verb == "play") {
            begin_play();
            if (verb == "keys")
                for (KeyCode key : keys_of(rest)) handle_game_key(session_, key, clock_.now);
            if (verb == "deal") session_.deal_into(session_.game.active_piece);
            if (verb == "active") session_.game.active_piece = piece_named(rest);
            if (verb == "set")
                for (const std::string& word : words(rest)) {
                    const auto [name, value] = named(word);
                    int* counter = name == "lines" ? &session_.game.lines : name == "pieces" ? &session_.game.pieces
                                 : name == "keys" ? &session_.game.keys : nullptr;
                    if (counter) *counter = std::stoi(value);
                    else report("no counter to set: " + word);
                }
        } else {
            report("no such step: " + verb);
        }
    }

    void menu_keys(const std::vector<KeyCode>& keys) {
        for (KeyCode key : keys)
            running_ = running_ && handle_menu_key(key, menu_, session_, [this](Session&) { return ++games_, !closes_; });
    }

    // Down, as often as it takes, to the option of that label.
    void highlight(const std::string& label) {
        const auto found = std::find_if(options_begin(), options_end(), [&](const Option& o) { return label == o.label; });
        if (found == options_end() || menu_.screen != MenuScreen::Options) return report("no option to highlight: " + label);
        while (&option(menu_.selection) != found) menu_keys({SDLK_DOWN});
    }

    // "TL": a T turned left; an unknown type or orientation is an error, not no piece.
    Piece piece_named(const std::string& name) {
        if (name.size() != 2 || TYPES.find(name[0]) == std::string::npos || TURNS.find(name[1]) == std::string::npos) {
            report("no such piece: " + name);
            return session_.game.active_piece;
        }
        return {int(TYPES.find(name[0])), Orientation(TURNS.find(name[1]))};
    }

    void begin_play() {
        if (session_.game.started) return;
        apply_randomizer_limits(session_.settings);
        session_.reset();
        start_play(session_, clock_.now);
        session_.events.clear();
    }

    std::vector<SoundCue> sounds() const {
        std::vector<SoundCue> cues = menu_.sounds;
        for (const GameEvent& event : session_.events)
            if (const std::optional<SoundCue> cue = sound_of(event)) cues.push_back(*cue);
        return cues;
    }

    void report(const std::string& what) const { ADD_FAILURE_AT(file_.c_str(), line_) << what; }

    void check(const std::string& name, const std::string& expected) {
        if (const std::optional<std::string> shown = show(name); !shown) report("nothing is called " + name);
        else if (*shown != expected) report(name + " shows \"" + *shown + "\"");
    }

    void flush_rows() {
        PlayField& field = session_.game.playfield;
        if (rows_.empty()) return;
        if (!checking_rows_) {
            begin_play();
            field.clear(session_.settings.big_mode);
        }
        for (const std::string& row : rows_)
            if (row.size() != size_t(field.width()) + 2 || row.back() != '|' || row.find_first_not_of(CELLS, 1) != row.size() - 1)
                ADD_FAILURE_AT(file_.c_str(), rows_line_) << "not a row of the field: " << row;
        if (checking_rows_) {
            int top = 0;
            for (int row = 0; row < field.height(); ++row)
                for (int column = 0; column < field.width(); ++column)
                    if (field.cell(column, row) != CELL_EMPTY) top = row;
            std::vector<std::string> shown;
            for (int row = top; row >= 0; --row) {
                shown.push_back("|");
                for (int column = 0; column < field.width(); ++column) shown.back() += CELLS[size_t(field.cell(column, row))];
                shown.back() += "|";
            }
            if (shown != rows_) ADD_FAILURE_AT(file_.c_str(), rows_line_) << "the field shows\n" << join(shown, "\n");
        } else {
            for (size_t row = 0; row < rows_.size(); ++row)
                for (int column = 0; column < field.width(); ++column)
                    field.set_cell(column, int(rows_.size() - 1 - row), Cell(CELLS.find(rows_[row][size_t(column) + 1])));
        }
        rows_.clear();
    }

    // What the game shows under `name`; nothing when no check has that name.
    std::optional<std::string> show(const std::string& name) {
        const Game& game = session_.game;
        const auto piece = [](const Piece& p) {
            return p.type == NO_PIECE ? std::string("-") : std::string{TYPES[size_t(p.type)], TURNS[size_t(p.orientation)]};
        };
        const Option& highlighted = option(menu_.selection);
        std::string shown;
        std::vector<std::string> list;
        if (name == "active") return piece(game.active_piece);
        if (name == "hold") return piece(game.hold_piece);
        for (int which = 0; which < 6; ++which)
            if (name == STATISTICS[which]) return trimmed(statistic(Statistic(which), session_, clock_.now).text);
        if (name == "colours") {
            for (int which = 0; which < 6; ++which) {
                const SDL_Color colour = statistic(Statistic(which), session_, clock_.now).color;
                shown += colour.r == WHITE.r ? 'W' : colour.r == RESULT_COLOR.r ? 'R' : 'F';
            }
            return shown;
        }
        if (name == "games") return std::to_string(games_);
        if (name == "quit") return running_ ? "no" : "yes";
        if (name == "menu")
            return SCREENS[int(menu_.screen)] + (menu_.screen == MenuScreen::Main ? ":" + std::to_string(menu_.selection) : "");
        // Noon UTC on 7 March 2011 is that day in every time zone.
        if (name == "screenshot") return screenshot_base_name(session_, 1299499200);
        if (name == "option") return option_line(highlighted, session_.settings);
        if (name == "next") {
            for (int i = 0; i < session_.settings.piece_previews; ++i) shown += TYPES[size_t(game.previews[i].type)];
            return shown.empty() ? "-" : shown;
        }
        if (name == "guide") {
            for (const Piece& turned : control_scheme(session_.settings).guide_pieces(game.active_piece))
                shown += TURNS[size_t(turned.orientation)];
            return shown;
        }
        if (name == "legend" || name == "lit") {
            const KeyBlock keys = control_scheme(session_.settings).keys();
            const KeyHeld held = [this](KeyCode key) { return std::count(held_.begin(), held_.end(), key) > 0; };
            if (name == "legend")
                for (const LegendLabel& label : key_legend(session_, keys, held))
                    shown += label.pressed ? label.label : char(std::tolower(label.label));
            else
                for (bool lit : lit_columns(session_, keys, held)) shown += lit ? '#' : '.';
            return shown;
        }
        if (name == "flags") {
            for (const auto& [set, flag] : {std::pair(game.started, "started"), {game.hurry, "hurry"}, {game.finished, "finished"},
                                            {game.hold_used, "held"}, {screenshot_due(session_), "screenshot"},
                                            {game.can_undo, "undo"}})
                if (set) list.push_back(flag);
            return join(list, ",");
        }
        if (name == "sounds") {
            for (const SoundCue& cue : sounds())
                list.push_back(cue.sound == Sound::Drop ? std::to_string(cue.column) + char('a' + cue.lines)
                                                        : SOUND_NAMES[int(cue.sound) - 1]);
            return join(list, ",");
        }
        if (name == "summary") {
            for (const SummaryLine& line : summary_lines(session_)) list.push_back(std::to_string(line.rise) + " " + line.line.text);
            return join(list, " | ");
        }
        if (name == "locked") {
            for (const Option* o = options_begin(); o != options_end(); ++o)
                if (option_locked(*o, session_.settings)) list.push_back(o->label);
            return join(list, " | ");
        }
        if (name == "info") {
            for (const char* line : option_info(highlighted, session_.settings)) list.push_back(line ? line : "-");
            while (!list.empty() && list.back() == "-") list.pop_back();
            return join(list, " | ");
        }
        return std::nullopt;
    }

    std::string file_;
    int line_;
    FakeClock clock_;
    std::optional<ScriptedRandom> random_{std::in_place};
    Session session_;
    Menu menu_;
    int games_ = 0;
    bool running_ = true, closes_ = false;
    std::vector<KeyCode> held_;
    std::vector<std::string> rows_;
    int rows_line_ = 0;
    bool checking_rows_ = false;
};

std::vector<std::string> scenario_files() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(TAPFALL_TEST_DIR "/scenarios"))
        if (entry.path().extension() == ".txt") files.push_back(entry.path().filename());
    std::sort(files.begin(), files.end());
    return files;
}

class Scenarios : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(Scenarios, PlayAsWritten) {
    const std::string path = std::string(TAPFALL_TEST_DIR "/scenarios") + "/" + GetParam();
    std::ifstream in(path);
    std::optional<Scenario> scenario;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#') continue;
        if (text.rfind("== ", 0) == 0) {
            scenario.reset();
            scenario.emplace(path, line);
        } else if (scenario) {
            scenario->read(line, text);
        } else {
            ADD_FAILURE_AT(path.c_str(), line) << "outside any scenario";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(, Scenarios, ::testing::ValuesIn(scenario_files()),
                         [](const auto& file) { return file.param.substr(0, file.param.find('.')); });

// Scenarios: short games written as text in tests/scenarios/*.txt, played through the calls the
// program makes for each key, and checked against what the text says the game shows then.
//
//   == Name                 a new scenario: default settings, the clock at 0, random numbers 0
//   Key=Value               a line of the settings file
//   draws 3 3 100           the random numbers from now on; the last one repeats
//   |...I......|            field rows, top first, the last one the bottom row
//   active T L              the active piece: type, orientation (U, L, R, D)
//   set lines 38            a counter: lines, pieces or keys
//   at 46123                the clock in ms; a game in play checks its time limit, as each frame does;
//                           "+N" counts from the start of play
//   clock 46123             the clock, and nothing checked, as when a frame is drawn
//   play                    play begins, if it has not
//   keys a ; Space q*3      keys typed in play: a key's name, or characters each typing its key;
//                           *N types the word N times
//   held a z                the keys held down, for the legend and the lit columns
//   deal                    the randomizer deals the active piece anew
//   menu Down Return        keys typed in the menus; a game started there ends at once, with Escape
//   close                   from now on such a game ends with its window closed
//   file Sound:TRUE\r       a line of the settings file, whatever it holds; \r is a carriage return
//     name value            indented: what `name` shows now must read `value`
//     |...I......|          indented rows: the field now, from its highest block down
//     saved Sound=TRUE      the line the settings file would hold for Sound (`changed`: every
//                           line that differs from the defaults')
//
// Play begins at the first line that acts on the game: the settings read so far are dealt
// with, and the countdown is over at the clock's time. `sounds` lists what the last step asked
// for, as the files are named: a drop as its column and the letter of the lines it cleared ("9a").
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "app/menu.h"
#include "input/overlays.h"
#include "model/actions.h"
#include "persist/screenshot_file.h"
#include "persist/settings_file.h"
#include "render/hud.h"
#include "support/seams.h"

namespace {

const std::string TYPES = "IOTLJSZ", TURNS = "ULRD", CELLS = ".IOTLJSZ";
// Every sound but a drop, in the order of Sound.
const char* const SOUND_NAMES[] = {"rotate",     "hold",       "rewind",     "hurry",     "finish",
                                   "menugamestart", "menuchoose", "menuselect", "menucancel", "menuquit",
                                   "countdown",  "countdownstart"};
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
            rows_.push_back(content);
            checking_rows_ = checks;
            return;
        }
        const size_t space = content.find(' ');
        const std::string verb = content.substr(0, space), rest = space == std::string::npos ? "" : content.substr(space + 1);
        if (checks) return check(verb, rest);
        game_.sounds.clear();
        if (content.find('=') < space) {
            // As a file is read at start-up.
            process_line(content, game_.settings);
            return apply_randomizer_limits(game_.settings);
        }
        if (verb == "draws") {
            std::deque<int> numbers;
            for (const std::string& word : words(rest)) numbers.push_back(std::stoi(word));
            random_.reset();
            random_.emplace(numbers);
        } else if (verb == "at" || verb == "clock") {
            // "+N" counts from the start of play.
            clock_.set(uint32_t(std::stoul(rest.substr(rest[0] == '+'))) + (rest[0] == '+' ? game_.start_ticks : 0));
            if (verb == "at" && game_.started) check_time_limit(game_, clock_.now());
        } else if (verb == "held") {
            held_ = keys_of(rest);
        } else if (verb == "menu") {
            for (KeyCode key : keys_of(rest))
                running_ = running_ && handle_menu_key(key, menu_, game_, [this](Game&) { return ++games_, !closes_; });
        } else if (verb == "file") {
            const size_t cr = rest.find("\\r");
            process_line(cr == std::string::npos ? rest : rest.substr(0, cr) + '\r' + rest.substr(cr + 2), game_.settings);
        } else if (verb == "close") {
            closes_ = true;
        } else {
            begin_play();
            act(verb, rest);
        }
    }

private:
    void begin_play() {
        if (game_.started) return;
        apply_randomizer_limits(game_.settings);
        game_.reset();
        start_play(game_, clock_.now());
        game_.sounds.clear();
    }

    void act(const std::string& verb, const std::string& rest) {
        const std::vector<std::string> list = words(rest);
        if (verb == "play") {
        } else if (verb == "keys") {
            for (KeyCode key : keys_of(rest)) handle_game_key(game_, key);
        } else if (verb == "deal") {
            game_.deal_into(game_.active_piece);
        } else if (verb == "active" && list.size() == 2) {
            game_.active_piece = {int(TYPES.find(list[0])), Orientation(TURNS.find(list[1]))};
        } else if (verb == "set" && list.size() == 2) {
            int Progress::*counter = list[0] == "lines" ? &Progress::lines : list[0] == "pieces" ? &Progress::pieces
                                                                                                 : &Progress::keys;
            game_.*counter = std::stoi(list[1]);
        } else {
            report("no such step: " + verb);
        }
    }

    void report(const std::string& what) const { ADD_FAILURE_AT(file_.c_str(), line_) << what; }

    void flush_rows() {
        if (rows_.empty()) return;
        if (checking_rows_) {
            const std::string shown = field();
            if (shown != join(rows_, "\n")) report("the field shows\n" + shown);
        } else {
            begin_play();
            game_.playfield.clear(game_.settings.big_mode);
            for (size_t row = 0; row < rows_.size(); ++row)
                for (int column = 0; column < game_.playfield.width(); ++column)
                    game_.playfield.set_cell(column, int(rows_.size() - 1 - row),
                                             Cell(CELLS.find(rows_[row].at(size_t(column) + 1))));
        }
        rows_.clear();
    }

    std::string field() const {
        const PlayField& field = game_.playfield;
        int top = 0;
        for (int row = 0; row < field.height(); ++row)
            for (int column = 0; column < field.width(); ++column)
                if (field.cell(column, row) != CELL_EMPTY) top = row;
        std::vector<std::string> rows;
        for (int row = top; row >= 0; --row) {
            std::string text = "|";
            for (int column = 0; column < field.width(); ++column) text += CELLS[size_t(field.cell(column, row))];
            rows.push_back(text + "|");
        }
        return join(rows, "\n");
    }

    void check(const std::string& name, const std::string& expected) {
        const std::string shown = show(name, expected);
        if (shown != expected) report(name + " shows \"" + shown + "\"");
    }

    // `expected` names the key for `saved`.
    std::string show(const std::string& name, const std::string& expected) {
        const auto piece = [](const Piece& p) {
            return p.type == NO_PIECE ? std::string("-") : std::string{TYPES[size_t(p.type)], ' ', TURNS[size_t(p.orientation)]};
        };
        const Option& highlighted = option(menu_.selection);
        const KeyHeld held = [this](KeyCode key) { return std::count(held_.begin(), held_.end(), key) > 0; };
        std::vector<std::string> list;
        if (name == "active") return piece(game_.active_piece);
        if (name == "hold") return piece(game_.hold_piece);
        if (name == "pieces") return std::to_string(game_.pieces);
        if (name == "lines") return std::to_string(game_.lines);
        if (name == "keys") return std::to_string(game_.keys);
        if (name == "games") return std::to_string(games_) + (running_ ? "" : ", then quit");
        if (name == "countdown") return trimmed(countdown_text(game_, clock_.now()));
        if (name == "menu")
            return std::string(menu_.screen == MenuScreen::Main ? "main " : menu_.screen == MenuScreen::Options ? "options " : "credits ") +
                   std::to_string(menu_.selection);
        if (name == "option") return option_line(highlighted, game_.settings);
        // Noon UTC on 7 March 2011 is that day in every time zone.
        if (name == "screenshot") return screenshot_base_name(game_, 1299499200);
        if (name == "next")
            for (int i = 0; i < game_.settings.piece_previews; ++i) list.push_back({TYPES[size_t(game_.previews[i].type)]});
        if (name == "flags") {
            const std::pair<bool, const char*> flags[] = {{game_.started, "started"}, {game_.hurry, "hurry"},
                                                          {game_.finished, "finished"}, {game_.hold_used, "held"},
                                                          {game_.screenshot_pending, "screenshot"}, {game_.can_undo, "undo"}};
            for (const auto& [set, flag] : flags)
                if (set) list.push_back(flag);
        }
        if (name == "sounds") {
            for (const SoundCue& cue : game_.sounds)
                list.push_back(cue.sound == Sound::Drop ? std::to_string(cue.column) + char('a' + cue.lines)
                                                        : SOUND_NAMES[int(cue.sound) - 1]);
        }
        if (name == "hud") {
            std::string colours;
            for (int which = 0; which < 6; ++which) {
                const HudText text = statistic(Statistic(which), game_, clock_.now());
                list.push_back(trimmed(text.text));
                colours += text.color.r == WHITE.r ? 'W' : text.color.r == RESULT_COLOR.r ? 'R' : 'F';
            }
            list.push_back(colours);
        }
        if (name == "summary")
            for (const SummaryLine& line : summary_lines(game_)) list.push_back(std::to_string(line.rise) + " " + line.line.text);
        if (name == "changed" || name == "saved") {
            std::istringstream now(settings_text(game_.settings)), before(settings_text(Settings{}));
            for (std::string line, old; std::getline(now, line) && std::getline(before, old);)
                if (name == "changed" ? line != old : line.rfind(expected.substr(0, expected.find('=') + 1), 0) == 0) list.push_back(line);
        }
        if (name == "options")
            for (int i = 0; i < OPTION_COUNT; ++i) list.push_back(option_line(option(i), game_.settings));
        if (name == "info") {
            for (const char* line : option_info(highlighted, game_.settings)) list.push_back(line ? line : "-");
            while (!list.empty() && list.back() == "-") list.pop_back();
        }
        if (name == "locked")
            for (int i = 0; i < OPTION_COUNT; ++i)
                if (option_locked(option(i), game_.settings)) list.push_back(option(i).label);
        if (name == "legend")
            for (const LegendLabel& label : key_legend(game_, control_scheme(game_.settings).keys(), held))
                list.push_back({label.pressed ? label.label : char(std::tolower(label.label))});
        if (name == "lit")
            for (bool lit : lit_columns(game_, control_scheme(game_.settings).keys(), held)) list.push_back(lit ? "#" : ".");
        const std::map<std::string, const char*> separators = {
            {"next", " "},       {"flags", " "},   {"sounds", " "}, {"hud", " "},    {"legend", ""},
            {"lit", ""},         {"summary", " | "}, {"options", " | "}, {"info", " | "}, {"locked", " | "},
            {"changed", " | "},  {"saved", ""}};
        if (!separators.count(name)) report("nothing is called " + name);
        return separators.count(name) ? join(list, separators.at(name)) : "";
    }

    std::string file_;
    int line_;
    FakeClock clock_;
    std::optional<ScriptedRandom> random_{std::in_place};
    Game game_;
    Menu menu_;
    int games_ = 0;
    bool running_ = true, closes_ = false;
    std::vector<KeyCode> held_;
    std::vector<std::string> rows_;
    bool checking_rows_ = false;
};

std::vector<std::string> scenario_files() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(SCENARIO_DIR))
        if (entry.path().extension() == ".txt") files.push_back(entry.path().filename());
    std::sort(files.begin(), files.end());
    return files;
}

class Scenarios : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(Scenarios, PlayAsWritten) {
    const std::string path = std::string(SCENARIO_DIR) + "/" + GetParam();
    std::ifstream in(path);
    std::optional<Scenario> scenario;
    int count = 0;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#') continue;
        if (text.rfind("== ", 0) == 0) {
            scenario.reset();
            scenario.emplace(path, line);
            ++count;
        } else if (scenario) {
            scenario->read(line, text);
        } else {
            ADD_FAILURE_AT(path.c_str(), line) << "outside any scenario";
        }
    }
    EXPECT_GT(count, 0);
}

INSTANTIATE_TEST_SUITE_P(, Scenarios, ::testing::ValuesIn(scenario_files()),
                         [](const auto& file) { return file.param.substr(0, file.param.find('.')); });

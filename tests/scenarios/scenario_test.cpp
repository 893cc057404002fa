// Plays the scenarios of tests/scenarios/*.txt: short games written as text, checked against
// what the text says the game shows. README.md there describes the lines.
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
#include "rules/actions.h"
#include "persist/screenshot_file.h"
#include "persist/settings_file.h"
#include "render/asset_files.h"
#include "render/hud.h"
#include "support/seams.h"

namespace {

const std::string TYPES = "IOTLJSZ", TURNS = "ULRD", CELLS = ".IOTLJSZ";
const char* const SCREENS[] = {"main", "options", "credits"};
const std::map<std::string, KeyCode> KEY_NAMES = {
    {"Space", KEY_SPACE}, {"Backspace", KEY_BACKSPACE}, {"Return", KEY_RETURN}, {"Escape", KEY_ESCAPE},
    {"F2", KEY_F2},       {"Up", SDLK_UP},              {"Down", SDLK_DOWN},    {"Left", SDLK_LEFT}};

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
            if (rows_.empty()) rows_line_ = line;
            rows_.push_back(content);
            checking_rows_ = checks;
            return;
        }
        const size_t space = content.find(' ');
        const std::string verb = content.substr(0, space), rest = space == std::string::npos ? "" : content.substr(space + 1);
        if (checks) {
            const std::string shown = show(verb, rest);
            if (shown != rest) report(verb + " shows \"" + shown + "\"");
            return;
        }
        session_.events.clear();
        menu_.sounds.clear();
        step(verb, rest, content.find('=') < space);
    }

private:
    void step(const std::string& verb, const std::string& rest, bool settings_line) {
        const std::vector<std::string> list = words(rest);
        if (settings_line) {
            process_line(verb + (rest.empty() ? "" : " " + rest), session_.settings);
            apply_randomizer_limits(session_.settings);  // as after the file at start-up
        } else if (verb == "file") {
            process_line(rest, session_.settings);
        } else if (verb == "draws") {
            std::deque<int> numbers;
            for (const std::string& word : list) numbers.push_back(std::stoi(word));
            random_.reset();
            random_.emplace(numbers);
        } else if (verb == "at" || verb == "clock") {
            const bool from_start = rest[0] == '+';
            clock_.now = uint32_t(std::stoul(rest.substr(from_start))) + (from_start ? session_.game.start_ticks : 0);
            if (verb == "at" && session_.game.started) check_time_limit(session_, clock_.now);
        } else if (verb == "held") {
            held_ = keys_of(rest);
        } else if (verb == "menu") {
            for (KeyCode key : keys_of(rest))
                running_ = running_ && handle_menu_key(key, menu_, session_, [this](Session&) { return ++games_, !closes_; });
        } else if (verb == "close") {
            closes_ = true;
        } else {
            begin_play();
            if (verb == "keys") {
                for (KeyCode key : keys_of(rest)) handle_game_key(session_, key, clock_.now);
            } else if (verb == "deal") {
                session_.deal_into(session_.game.active_piece);
            } else if (verb == "active" && list.size() == 2) {
                session_.game.active_piece = {int(TYPES.find(list[0])), Orientation(TURNS.find(list[1]))};
            } else if (verb == "set" && list.size() == 2) {
                (list[0] == "lines" ? session_.game.lines : list[0] == "pieces" ? session_.game.pieces : session_.game.keys) = std::stoi(list[1]);
            } else if (verb != "play") {
                report("no such step: " + verb);
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

    std::vector<SoundCue> sounds() const {
        std::vector<SoundCue> cues = menu_.sounds;
        for (const GameEvent& event : session_.events)
            if (const std::optional<SoundCue> cue = sound_of(event)) cues.push_back(*cue);
        return cues;
    }

    void report(const std::string& what) const { ADD_FAILURE_AT(file_.c_str(), line_) << what; }

    void flush_rows() {
        PlayField& field = session_.game.playfield;
        if (rows_.empty()) return;
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
            begin_play();
            field.clear(session_.settings.big_mode);
            for (size_t row = 0; row < rows_.size(); ++row)
                for (int column = 0; column < field.width(); ++column)
                    field.set_cell(column, int(rows_.size() - 1 - row), Cell(CELLS.find(rows_[row].at(size_t(column) + 1))));
        }
        rows_.clear();
    }

    // What the game shows under `name`; `expected` names the key that `saved` shows.
    std::string show(const std::string& name, const std::string& expected) {
        const auto piece = [](const Piece& p) {
            return p.type == NO_PIECE ? std::string("-") : std::string{TYPES[size_t(p.type)], ' ', TURNS[size_t(p.orientation)]};
        };
        const Option& highlighted = OPTIONS[menu_.selection];
        std::vector<std::string> list;
        if (name == "active") return piece(session_.game.active_piece);
        if (name == "hold") return piece(session_.game.hold_piece);
        if (name == "pieces") return std::to_string(session_.game.pieces);
        if (name == "lines") return std::to_string(session_.game.lines);
        if (name == "keys") return std::to_string(session_.game.keys);
        if (name == "games") return std::to_string(games_) + (running_ ? "" : ", then quit");
        if (name == "menu") return SCREENS[int(menu_.screen)] + (" " + std::to_string(menu_.selection));
        if (name == "option") return option_line(highlighted, session_.settings);
        // Noon UTC on 7 March 2011 is that day in every time zone.
        if (name == "screenshot") return screenshot_base_name(session_, 1299499200);
        if (name == "next")
            for (int i = 0; i < session_.settings.piece_previews; ++i) list.push_back({TYPES[size_t(session_.game.previews[i].type)]});
        if (name == "flags")
            for (const auto& [set, flag] : {std::pair(session_.game.started, "started"), {session_.game.hurry, "hurry"},
                                            {session_.game.finished, "finished"}, {session_.game.hold_used, "held"},
                                            {screenshot_due(session_), "screenshot"}, {session_.game.can_undo, "undo"}})
                if (set) list.push_back(flag);
        if (name == "sounds")
            for (const SoundCue& cue : sounds()) list.push_back(sound_name(cue));
        if (name == "guide")
            for (const Piece& turned : control_scheme(session_.settings).guide_pieces(session_.game.active_piece))
                list.push_back({TURNS[size_t(turned.orientation)]});
        if (name == "next" || name == "flags" || name == "sounds" || name == "guide") return join(list, " ");
        if (name == "hud") {
            std::string colours;
            for (int which = 0; which < 6; ++which) {
                const HudText text = statistic(Statistic(which), session_, clock_.now);
                list.push_back(trimmed(text.text));
                colours += text.color.r == WHITE.r ? 'W' : text.color.r == RESULT_COLOR.r ? 'R' : 'F';
            }
            return join(list, " ") + " " + colours;
        }
        if (name == "legend" || name == "lit") {
            const KeyBlock keys = control_scheme(session_.settings).keys();
            const KeyHeld held = [this](KeyCode key) { return std::count(held_.begin(), held_.end(), key) > 0; };
            std::string shown;
            if (name == "legend")
                for (const LegendLabel& label : key_legend(session_, keys, held))
                    shown += label.pressed ? label.label : char(std::tolower(label.label));
            else
                for (bool lit : lit_columns(session_, keys, held)) shown += lit ? '#' : '.';
            return shown;
        }
        if (name == "summary")
            for (const SummaryLine& line : summary_lines(session_)) list.push_back(std::to_string(line.rise) + " " + line.line.text);
        if (name == "changed" || name == "saved") {
            std::istringstream now(settings_text(session_.settings)), before(settings_text(Settings{}));
            const std::string key = expected.substr(0, expected.find('=') + 1);
            for (std::string line, old; std::getline(now, line) && std::getline(before, old);)
                if (name == "changed" ? line != old : line.rfind(key, 0) == 0) list.push_back(line);
        }
        for (int i = 0; i < OPTION_COUNT; ++i)
            if (name == "options" || (name == "locked" && option_locked(OPTIONS[i], session_.settings)))
                list.push_back(name == "options" ? option_line(OPTIONS[i], session_.settings) : OPTIONS[i].label);
        if (name == "info") {
            for (const char* line : option_info(highlighted, session_.settings)) list.push_back(line ? line : "-");
            while (!list.empty() && list.back() == "-") list.pop_back();
        }
        const char* const listed[] = {"summary", "changed", "saved", "options", "locked", "info"};
        if (std::find(std::begin(listed), std::end(listed), name) == std::end(listed)) report("nothing is called " + name);
        return join(list, " | ");
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

std::set<std::string> scenario_files() {
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(TAPFALL_TEST_DIR "/scenarios"))
        if (entry.path().extension() == ".txt") files.insert(entry.path().filename());
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

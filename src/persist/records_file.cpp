#include "persist/records_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <sstream>

#include "input/control_scheme.h"
#include "options/options.h"
#include "persist/file_io.h"
#include "placement/placement.h"
#include "randomizers/randomizer.h"
#include "rules/session.h"

const char* const RECORDS_FILE_NAME = "TapFall-records.csv";
const char* const RECORDS_HEADER =
    "date,mode,control scheme,randomizer,placement system,big mode,practice mode,result,time,pieces,lines,keys,"
    "pieces per minute,keys per piece,deep drop,column clamping,hold,double hold,piece previews,music mode,"
    "initial orientation\n";

namespace {

// The first columns, and all of them: files of the first keep being read.
constexpr size_t FIRST_COLUMNS = 14, COLUMNS = 21;
const char* const ORIENTATIONS[] = {"SRS", "ARS"};

const char* truth(bool value) { return value ? "TRUE" : "FALSE"; }

std::string fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    return fields;
}

// A whole field of digits, or nothing.
std::optional<long> whole_number(const std::string& text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::strtol(text.c_str(), nullptr, 10);
}

// Seconds with exactly three decimals, as the line writes them, in milliseconds.
std::optional<uint32_t> milliseconds(const std::string& text) {
    const size_t point = text.find('.');
    if (point == std::string::npos || text.size() - point != 4) return std::nullopt;
    const auto seconds = whole_number(text.substr(0, point));
    const auto thousandths = whole_number(text.substr(point + 1));
    if (!seconds || !thousandths) return std::nullopt;
    return uint32_t(*seconds * 1000 + *thousandths);
}

std::optional<bool> flag(const std::string& text) {
    if (text == "TRUE") return true;
    if (text == "FALSE") return false;
    return std::nullopt;
}

// "2026-12-07 14:05:09", digits where digits go.
bool is_date(const std::string& text) {
    const std::string shape = "0000-00-00 00:00:00";
    if (text.size() != shape.size()) return false;
    for (size_t i = 0; i < shape.size(); ++i)
        if (shape[i] == '0' ? !std::isdigit(static_cast<unsigned char>(text[i])) : text[i] != shape[i]) return false;
    return true;
}

}  // namespace

Difficulty difficulty_of(const Settings& s) {
    return {s.deep_drop, s.column_clamp, s.hold_allowed, s.double_hold, s.piece_previews, s.music_mode, s.ars};
}

const GameModeKind* Record::mode() const {
    for (const GameModeKind& kind : GAME_MODE_KINDS)
        if (game_mode == kind.file_value && kind.result != Measure::None) return &kind;
    return nullptr;
}

std::string Record::result() const {
    return mode() && mode()->result == Measure::Time ? fixed(time_ms / 1000.0, 3) : std::to_string(lines);
}

Record record_of(const Session& session, std::time_t when) {
    Record record;
    char date[32] = "";
    if (const std::tm* local = std::localtime(&when)) std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", local);
    const Settings& settings = session.settings;
    record.date = date;
    record.game_mode = game_mode_kind(settings.game_mode).file_value;
    record.control_scheme = kind_of(control_schemes(), settings.control_scheme).name;
    record.randomizer = randomizer_kind(settings.randomizer).name;
    record.placement_system = placement_system(settings.placement_system).name;
    record.big_mode = settings.big_mode;
    record.practice_mode = settings.practice_mode;
    record.difficulty = difficulty_of(settings);
    record.time_ms = session.game.end_ticks - session.game.start_ticks;
    record.pieces = session.game.pieces;
    record.lines = session.game.lines;
    record.keys = session.game.keys;
    return record;
}

std::string record_line(const Record& r) {
    const double minutes = r.time_ms / 60000.0;
    const std::string pieces_per_minute = fixed(r.time_ms == 0 ? 0 : r.pieces / minutes, 2);
    const std::string keys_per_piece = fixed(r.pieces == 0 ? 0 : double(r.keys) / r.pieces, 2);
    const Difficulty& d = r.difficulty;
    return r.date + "," + r.game_mode + "," + r.control_scheme + "," + r.randomizer + "," + r.placement_system + "," +
           truth(r.big_mode) + "," + truth(r.practice_mode) + "," + r.result() + "," + fixed(r.time_ms / 1000.0, 3) +
           "," + std::to_string(r.pieces) + "," + std::to_string(r.lines) + "," + std::to_string(r.keys) + "," +
           pieces_per_minute + "," + keys_per_piece + "," + truth(d.deep_drop) + "," + truth(d.column_clamp) + "," +
           truth(d.hold) + "," + truth(d.double_hold) + "," + std::to_string(d.previews) + "," + truth(d.music_mode) +
           "," + ORIENTATIONS[d.ars];
}

std::optional<Record> parse_record(const std::string& line) {
    const std::vector<std::string> f = split(line);
    if ((f.size() != FIRST_COLUMNS && f.size() != COLUMNS) || !is_date(f[0])) return std::nullopt;
    Record r;
    r.date = f[0];
    r.game_mode = f[1];
    r.control_scheme = f[2];
    r.randomizer = f[3];
    r.placement_system = f[4];
    const bool known = r.mode() && find_kind(control_schemes(), f[2]) && find_kind(randomizer_kinds(), f[3]) &&
                       find_kind(placement_systems(), f[4]);
    const auto big = flag(f[5]), practice = flag(f[6]);
    const auto time = milliseconds(f[8]);
    const auto pieces = whole_number(f[9]), lines = whole_number(f[10]), keys = whole_number(f[11]);
    if (!known || !big || !practice || !time || !pieces || !lines || !keys) return std::nullopt;
    r.big_mode = *big;
    r.practice_mode = *practice;
    r.time_ms = *time;
    r.pieces = int(*pieces);
    r.lines = int(*lines);
    r.keys = int(*keys);
    if (f.size() == COLUMNS) {
        Difficulty& d = r.difficulty;
        const auto previews = whole_number(f[18]);
        bool* flags[] = {&d.deep_drop, &d.column_clamp, &d.hold, &d.double_hold, &d.music_mode};
        const size_t flag_columns[] = {14, 15, 16, 17, 19};
        for (size_t i = 0; i < 5; ++i) {
            const auto value = flag(f[flag_columns[i]]);
            if (!value) return std::nullopt;
            *flags[i] = *value;
        }
        if (!previews || *previews > MAX_PIECE_PREVIEWS) return std::nullopt;
        d.previews = int(*previews);
        d.ars = f[20] == ORIENTATIONS[1];
    }
    // The columns worked out from the others must agree with them, or the line was changed.
    const std::string written = record_line(r);
    if (f.size() == COLUMNS ? written != line : written.compare(0, line.size() + 1, line + ",") != 0)
        return std::nullopt;
    return r;
}

bool append_record(const Record& record, const std::string& path) {
    return append_whole(path, RECORDS_HEADER, record_line(record) + "\n");
}

bool withdraw_record(const Record& record, const std::string& path) {
    std::FILE* file = open_regular_file(path);
    if (!file) return false;
    std::vector<std::string> lines;
    for (std::string line; read_line(file, &line);) lines.push_back(line);
    std::fclose(file);
    const auto found = std::find(lines.rbegin(), lines.rend(), record_line(record));
    if (found == lines.rend()) return false;
    lines.erase(std::next(found).base());
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return save_file(path, text);
}

RecordsRead read_records(const std::string& path) {
    RecordsRead read;
    std::FILE* file = open_regular_file(path);
    if (!file) {
        if (errno != ENOENT) read.error = "cannot read " + path + ": " + std::strerror(errno);
        return read;
    }
    std::string text = read_at_most(file, MAX_RECORDS_BYTES);
    std::fclose(file);
    read.cut = text.size() > MAX_RECORDS_BYTES;
    // A line cut by the bound is no game.
    if (read.cut) text.resize(text.rfind('\n', MAX_RECORDS_BYTES) + 1);
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (const auto record = parse_record(line)) read.records.push_back(*record);
        // A header, of today's columns or of the first ones, which begins today's, is no game either.
        else read.skipped += !line.empty() && std::string(RECORDS_HEADER).rfind(line, 0) != 0;
    }
    return read;
}

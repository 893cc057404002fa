#include "stats/records_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr size_t LAST_GAMES = 10;

struct RecordKind {
    std::string game_mode;
    std::string control_scheme;
    std::string randomizer;
    std::string placement_system;
    bool big_mode = false;
    Difficulty difficulty;

    bool operator==(const RecordKind& other) const {
        return game_mode == other.game_mode && control_scheme == other.control_scheme &&
               randomizer == other.randomizer && placement_system == other.placement_system &&
               big_mode == other.big_mode && difficulty == other.difficulty;
    }
};

RecordKind kind_of(const Record& r) {
    return {r.game_mode, r.control_scheme, r.randomizer, r.placement_system, r.big_mode, r.difficulty};
}

// Whether a's result beats b's: a shorter time, or more lines.
bool by_time(const Record& record) { return record.mode()->result == Measure::Time; }

bool better(const Record& a, const Record& b) { return by_time(a) ? a.time_ms < b.time_ms : a.lines > b.lines; }

double value(const Record& record) { return by_time(record) ? record.time_ms / 1000.0 : record.lines; }

// The settings that change how hard a game is are named where they are not the defaults.
std::string describe(const RecordKind& kind) {
    const Difficulty& d = kind.difficulty;
    const Difficulty usual = difficulty_of(Settings());
    std::string text =
        kind.game_mode + ", " + kind.control_scheme + ", " + kind.randomizer + ", " + kind.placement_system;
    if (kind.big_mode) text += ", big";
    if (d.deep_drop != usual.deep_drop) text += d.deep_drop ? ", deep drop" : ", no deep drop";
    if (d.column_clamp != usual.column_clamp) text += d.column_clamp ? ", column clamping" : ", no column clamping";
    if (!d.hold) text += ", no hold";
    else if (d.double_hold != usual.double_hold) text += d.double_hold ? ", double hold" : ", single hold";
    if (d.previews != usual.previews)
        text += ", " + std::to_string(d.previews) + (d.previews == 1 ? " preview" : " previews");
    if (d.music_mode) text += ", music mode";
    if (d.ars != usual.ars) text += d.ars ? ", ARS" : ", SRS";
    return text;
}

std::string with_unit(const Record& record) { return record.result() + record.mode()->unit; }

struct KindGames {
    RecordKind kind;
    std::vector<Record> games;
};

std::vector<KindGames> by_kind(const std::vector<Record>& records) {
    std::vector<KindGames> kinds;
    for (const Record& record : records) {
        const RecordKind kind = kind_of(record);
        auto found = std::find_if(kinds.begin(), kinds.end(), [&](const KindGames& k) { return k.kind == kind; });
        if (found == kinds.end()) found = kinds.insert(kinds.end(), {kind, {}});
        found->games.push_back(record);
    }
    return kinds;
}

// The first of the kinds with the most games.
const KindGames* most_played(const std::vector<KindGames>& kinds) {
    const KindGames* most = nullptr;
    for (const KindGames& kind : kinds)
        if (!most || kind.games.size() > most->games.size()) most = &kind;
    return most;
}

std::string format(const char* pattern, double number) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, number);
    return text;
}

// Seconds from the start of the calendar to a record's date, "2026-12-07 14:05:09", read as it is
// written: one player's records are all in one zone, so the differences are true.
double seconds_of(const std::string& date) {
    int y = 0, m = 0, d = 0, hour = 0, minute = 0, second = 0;
    std::sscanf(date.c_str(), "%d-%d-%d %d:%d:%d", &y, &m, &d, &hour, &minute, &second);
    // Days since 1 March of year 0, so that the leap day comes last.
    if (m <= 2) y -= 1, m += 12;
    const long days = 365L * y + y / 4 - y / 100 + y / 400 + (153 * (m - 3) + 2) / 5 + d;
    return days * 86400.0 + hour * 3600 + minute * 60 + second;
}

// The values written with as few decimals as keep them apart, from `fewest` up to three.
std::vector<std::string> distinct_labels(const std::vector<double>& values, int fewest) {
    std::vector<std::string> labels;
    for (int decimals = fewest; decimals <= 3; ++decimals) {
        labels.clear();
        for (double v : values) labels.push_back(format(("%." + std::to_string(decimals) + "f").c_str(), v));
        if (std::adjacent_find(labels.begin(), labels.end()) == labels.end()) break;
    }
    return labels;
}

}  // namespace

double trend_per_game(const std::vector<Record>& records) {
    const double n = double(records.size());
    if (records.size() < 2) return 0;
    const double mean_x = (n - 1) / 2;
    double mean_y = 0;
    for (const Record& record : records) mean_y += value(record) / n;
    double covariance = 0, variance = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        covariance += (double(i) - mean_x) * (value(records[i]) - mean_y);
        variance += (double(i) - mean_x) * (double(i) - mean_x);
    }
    return covariance / variance;
}

std::string records_report(const std::vector<Record>& records) {
    if (records.empty()) return "No finished games are recorded yet.\n";
    std::string text = "Personal bests (practice games do not count):\n";
    const std::vector<KindGames> kinds = by_kind(records);
    for (const KindGames& kind : kinds) {
        const Record* best = nullptr;
        for (const Record& game : kind.games)
            if (!game.practice_mode && (!best || better(game, *best))) best = &game;
        text += "  " + describe(kind.kind) + ": ";
        text += best ? with_unit(*best) + " on " + best->date + "\n" : "practice games only\n";
    }
    const KindGames& most = *most_played(kinds);
    const size_t shown = std::min(LAST_GAMES, most.games.size());
    const std::vector<Record> last(most.games.end() - long(shown), most.games.end());
    text += "\nMost played: " + describe(most.kind) + ", " + std::to_string(most.games.size()) +
            (most.games.size() == 1 ? " game. The last:\n" : " games. The last " + std::to_string(shown) + ":\n");
    for (const Record& game : last)
        text += "  " + game.date + "  " + with_unit(game) + (game.practice_mode ? " (practice)\n" : "\n");
    if (shown >= 2) {
        const double trend = trend_per_game(last);
        const bool timed = by_time(most.games[0]);
        const bool improving = timed ? trend < 0 : trend > 0;
        // Times to the millisecond, as the results are; less than that is no change.
        const std::string amount = format(timed ? "%.3f s" : "%.2f lines", std::abs(trend));
        std::string direction = "steady";
        if (amount.find_first_of("123456789") != std::string::npos)
            direction = std::string(improving ? "better" : "worse") + " by " + amount + " a game";
        text += "Trend: " + direction + "\n";
    }
    return text;
}

const char* const CHART_START = "<!-- tapfall --records --chart -->\n";

std::string records_chart(const std::vector<Record>& records) {
    const std::vector<KindGames> kinds = by_kind(records);
    const KindGames* most = most_played(kinds);
    const double width = 640, height = 360, left = 70, right = 20, top = 50, bottom = 50;
    const auto n = [](double number) { return format("%.1f", number); };
    const auto text_at = [&](double x, double y, const std::string& what, const char* anchor = "start") {
        return "<text x=\"" + n(x) + "\" y=\"" + n(y) + "\" fill=\"#c0c0c0\" text-anchor=\"" + anchor + "\">" + what +
               "</text>\n";
    };
    const auto dot = [&](double x, double y, bool practice) {
        // Practice games in another colour: their results may have been helped by undo.
        return "<circle cx=\"" + n(x) + "\" cy=\"" + n(y) + "\" r=\"3\" fill=\"" + (practice ? "#0080ff" : "#40ffc0") +
               "\"/>\n";
    };
    std::string svg = std::string(CHART_START) + "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + n(width) +
                      "\" height=\"" + n(height) + "\" viewBox=\"0 0 " + n(width) + " " + n(height) +
                      "\" font-family=\"DejaVu Sans Mono, monospace\" font-size=\"12\">\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"#101018\"/>\n";
    if (!most) return svg + text_at(20, 30, "No finished games are recorded yet.") + "</svg>\n";

    const bool timed = by_time(most->games[0]);
    const std::vector<Record>& games = most->games;
    double low = value(games[0]), high = low;
    for (const Record& game : games) {
        low = std::min(low, value(game));
        high = std::max(high, value(game));
    }
    if (high - low < 1) high = low + 1;
    const double first = seconds_of(games.front().date), last = seconds_of(games.back().date);
    const double plot_width = width - left - right, plot_height = height - top - bottom, base = height - bottom;
    const auto x_of = [&](const Record& game) {
        return left + (last <= first ? plot_width / 2 : plot_width * (seconds_of(game.date) - first) / (last - first));
    };
    const auto y_of = [&](double v) { return top + plot_height * (high - v) / (high - low); };

    svg += text_at(left, 20, describe(most->kind) + (timed ? ": time in seconds" : ": lines"));
    svg += dot(width - right - 190, 36, false) + text_at(width - right - 182, 40, "game");
    svg += dot(width - right - 120, 36, true) + text_at(width - right - 112, 40, "practice game");
    svg += "<polyline fill=\"none\" stroke=\"#808080\" points=\"" + n(left) + "," + n(top) + " " + n(left) + "," +
           n(base) + " " + n(width - right) + "," + n(base) + "\"/>\n";
    const std::vector<double> marks = {low, (low + high) / 2, high};
    const std::vector<std::string> marked = distinct_labels(marks, timed ? 1 : 0);
    for (size_t i = 0; i < marks.size(); ++i) svg += text_at(left - 6, y_of(marks[i]) + 4, marked[i], "end");
    // The dates of the first and the last game, and of the middle of the time between where it differs.
    const std::string from = games.front().date.substr(0, 10), to = games.back().date.substr(0, 10);
    svg += text_at(last <= first ? left + plot_width / 2 : left, base + 18, from, last <= first ? "middle" : "start");
    if (to != from) svg += text_at(width - right, base + 18, to, "end");

    const Record* best = nullptr;
    for (const Record& game : games)
        if (!game.practice_mode && (!best || better(game, *best))) best = &game;
    if (best) {
        svg += "<line x1=\"" + n(left) + "\" y1=\"" + n(y_of(value(*best))) + "\" x2=\"" + n(width - right) +
               "\" y2=\"" + n(y_of(value(*best))) + "\" stroke=\"#ffc000\" stroke-dasharray=\"4 4\"/>\n";
        svg += text_at(width - right, y_of(value(*best)) - 4, "best " + with_unit(*best), "end");
    }

    // Games closer than a pixel apart share one point, their mean, so that any number of games
    // makes a picture of the same size; it is a practice point when all of them were practice.
    struct Point {
        double x, total = 0;
        int games = 0;
        bool practice = true;
    };
    std::vector<Point> points;
    for (const Record& game : games) {
        const double x = x_of(game);
        if (points.empty() ||
            (games.size() <= size_t(plot_width) ? true : std::floor(x) != std::floor(points.back().x)))
            points.push_back({x});
        Point& point = points.back();
        point.total += value(game);
        point.games += 1;
        point.practice = point.practice && game.practice_mode;
    }
    svg += "<polyline fill=\"none\" stroke=\"#40ffc0\" stroke-width=\"2\" points=\"";
    for (const Point& point : points) svg += n(point.x) + "," + n(y_of(point.total / point.games)) + " ";
    svg += "\"/>\n";
    for (const Point& point : points) svg += dot(point.x, y_of(point.total / point.games), point.practice);
    return svg + "</svg>\n";
}

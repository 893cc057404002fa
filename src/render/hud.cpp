#include "render/hud.h"

#include <algorithm>
#include <cstdio>

#include "input/control_scheme.h"
#include "options/options.h"
#include "render/layout.h"

namespace {

// A statistic never runs past 10 characters.
constexpr double TPM_LIMIT = 9999999;

std::string format(const char* format, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string count(int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%10d", value);
    return buffer;
}

// Time played so far; a game with a time limit never shows more than its limit, even in the
// frame drawn just after it ran out.
uint32_t played_ms(const Session& session, uint32_t now) {
    const uint32_t played = (session.game.finished ? session.game.end_ticks : now) - session.game.start_ticks;
    const uint32_t limit = game_mode_kind(session.settings.game_mode).time_limit_ms;
    return limit ? std::min(played, limit) : played;
}

const char* enabled(bool on) { return on ? "Enabled" : "Disabled"; }

}  // namespace

HudText statistic(Statistic which, const Session& session, uint32_t now) {
    const Measure result = game_mode_kind(session.settings.game_mode).result;
    std::string text;
    bool is_result = false;
    switch (which) {
        case Statistic::Time:
            text =
                format("%10.3f", session.game.finished || session.game.started ? played_ms(session, now) / 1000.0 : 0);
            is_result = result == Measure::Time;
            break;
        case Statistic::Pieces: text = count(session.game.pieces); break;
        case Statistic::Lines:
            text = count(session.game.lines);
            is_result = result == Measure::Lines;
            break;
        case Statistic::Tpm: {
            const uint32_t played = played_ms(session, now);
            text = format("%10.2f", played == 0 ? 0 : std::min(session.game.pieces * 60000.0 / played, TPM_LIMIT));
            break;
        }
        case Statistic::Keys: text = count(session.game.keys); break;
        case Statistic::Kpt:
            text = format("%10.2f", session.game.pieces == 0 ? 0 : double(session.game.keys) / session.game.pieces);
            break;
    }
    if (!session.game.finished) return {text, WHITE};
    return {text, is_result ? RESULT_COLOR : FINISHED_COLOR};
}

std::string countdown_text(const Session& session, uint32_t now) {
    const double left = COUNTDOWN_MS / 1000.0 - uint32_t(now - session.game.countdown_ticks) / 1000.0;
    return format("%10.3f", std::max(0.0, left));
}

std::vector<SummaryLine> summary_lines(const Session& session) {
    const Settings& settings = session.settings;
    const std::string lines[] = {
        game_mode_kind(settings.game_mode).label,
        kind_of(control_schemes(), settings.control_scheme).name,
        session.placement().name,
        randomizer_kind(settings.randomizer).name,
        std::string("Deep Drop ") + enabled(settings.deep_drop),
        std::string("Column Clamp ") + enabled(settings.column_clamp),
        settings.hold_allowed ? std::string("Double Hold ") + enabled(settings.double_hold) : "Hold Disabled",
    };
    std::vector<SummaryLine> summary;
    int rise = layout::SUMMARY_SPACING * 7;
    for (const std::string& line : lines) {
        summary.push_back({rise, {line, WHITE}});
        rise -= layout::SUMMARY_SPACING;
    }
    if (settings.practice_mode) summary.push_back({0, {"Practice Mode", PRACTICE_COLOR}});
    return summary;
}

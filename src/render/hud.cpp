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

// Time played so far; a two-minute game never shows more than its two minutes, even in the
// frame drawn just after they ran out.
uint32_t played_ms(const Game& game, uint32_t now) {
    const uint32_t played = (game.finished ? game.end_ticks : now) - game.start_ticks;
    return game.settings.game_mode == GameMode::TwoMinutes ? std::min(played, TWO_MINUTES_MS) : played;
}

const char* enabled(bool on) { return on ? "Enabled" : "Disabled"; }

}  // namespace

HudText statistic(Statistic which, const Game& game, uint32_t now) {
    const GameMode mode = game.settings.game_mode;
    std::string text;
    bool is_result = false;
    switch (which) {
        case Statistic::Time:
            text = format("%10.3f", game.finished || game.started ? played_ms(game, now) / 1000.0 : 0);
            is_result = mode == GameMode::FortyLines;
            break;
        case Statistic::Pieces: text = count(game.pieces); break;
        case Statistic::Lines:
            text = count(game.lines);
            is_result = mode == GameMode::TwoMinutes;
            break;
        case Statistic::Tpm: {
            const uint32_t played = played_ms(game, now);
            text = format("%10.2f", played == 0 ? 0 : std::min(game.pieces * 60000.0 / played, TPM_LIMIT));
            break;
        }
        case Statistic::Keys: text = count(game.keys); break;
        case Statistic::Kpt: text = format("%10.2f", game.pieces == 0 ? 0 : double(game.keys) / game.pieces); break;
    }
    if (!game.finished) return {text, WHITE};
    return {text, is_result ? RESULT_COLOR : FINISHED_COLOR};
}

std::string countdown_text(const Game& game, uint32_t now) {
    const double left = COUNTDOWN_MS / 1000.0 - uint32_t(now - game.countdown_ticks) / 1000.0;
    return format("%10.3f", std::max(0.0, left));
}

std::vector<SummaryLine> summary_lines(const Game& game) {
    const Settings& settings = game.settings;
    const std::string lines[] = {
        game_mode_names(settings.game_mode).label,
        control_schemes()[settings.control_scheme].name,
        game.placement().name,
        randomizer_kinds()[settings.randomizer].name,
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

#include "render/hud.h"

#include <algorithm>
#include <cstdio>

#include "app/startup.h"

namespace {

std::string format_double(const char* format, double value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string format_int(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%10d", value);
    return buffer;
}

SDL_Color statistic_color(const GameRecord& state, bool is_result) {
    if (!state.finished) return STATISTIC_COLOR;
    return is_result ? STATISTIC_RESULT_COLOR : STATISTIC_FINISHED_COLOR;
}

// Time played so far; a two-minute game never shows more than its two minutes, even in the
// frame drawn just after they ran out.
uint32_t played_ms(const GameRecord& state, uint32_t now) {
    const uint32_t played = (state.finished ? state.end_ticks : now) - state.start_ticks;
    return state.game_mode == GAME_MODE_2_MINUTES ? std::min(played, TWO_MINUTES_MS) : played;
}

const char* enabled(bool on) { return on ? "Enabled" : "Disabled"; }

}  // namespace

HudText timer_statistic(const GameRecord& state, uint32_t now) {
    const double seconds = state.finished || state.started ? played_ms(state, now) / 1000.0 : 0;
    return {format_double("%10.3f", seconds),
            statistic_color(state, state.game_mode == GAME_MODE_40_LINES)};
}

HudText line_statistic(const GameRecord& state) {
    return {format_int(state.lines), statistic_color(state, state.game_mode == GAME_MODE_2_MINUTES)};
}

HudText piece_statistic(const GameRecord& state) {
    return {format_int(state.pieces), statistic_color(state, false)};
}

HudText tpm_statistic(const GameRecord& state, uint32_t now) {
    const uint32_t elapsed = played_ms(state, now);
    double per_minute = 0;
    if (elapsed != 0) per_minute = std::min(state.pieces * 60000.0 / elapsed, TPM_LIMIT);
    return {format_double("%10.2f", per_minute), statistic_color(state, false)};
}

HudText key_statistic(const GameRecord& state) {
    return {format_int(state.keys), statistic_color(state, false)};
}

HudText kpt_statistic(const GameRecord& state) {
    const double per_piece = state.pieces == 0 ? 0 : double(state.keys) / state.pieces;
    return {format_double("%10.2f", per_piece), statistic_color(state, false)};
}

std::string countdown_text(const GameRecord& state, uint32_t now) {
    const double left = COUNTDOWN_SECS - uint32_t(now - state.countdown_ticks) / 1000.0;
    return format_double("%10.3f", std::max(0.0, left));
}

std::vector<GameInfoLine> game_info_lines(const GameRecord& state, const std::string& input_name,
                                          const std::string& placement_name,
                                          const std::string& randomizer_name) {
    std::vector<GameInfoLine> lines;
    switch (state.game_mode) {
    case GAME_MODE_40_LINES:
        lines.push_back({140, {"40 Lines", GAME_INFO_COLOR}});
        break;
    case GAME_MODE_2_MINUTES:
        lines.push_back({140, {"2 Minutes", GAME_INFO_COLOR}});
        break;
    case GAME_MODE_ENDLESS:
        lines.push_back({140, {"Endless", GAME_INFO_COLOR}});
        break;
    default:
        break;
    }
    lines.push_back({120, {input_name, GAME_INFO_COLOR}});
    lines.push_back({100, {placement_name, GAME_INFO_COLOR}});
    lines.push_back({80, {randomizer_name, GAME_INFO_COLOR}});
    lines.push_back({60, {std::string("Deep Drop ") + enabled(state.deep_drop), GAME_INFO_COLOR}});
    lines.push_back(
        {40, {std::string("Column Clamp ") + enabled(state.column_clamp), GAME_INFO_COLOR}});
    const std::string hold = state.hold_allowed
                                 ? std::string("Double Hold ") + enabled(state.double_hold)
                                 : std::string("Hold Disabled");
    lines.push_back({20, {hold, GAME_INFO_COLOR}});
    if (state.practice_mode) lines.push_back({0, {"Practice Mode", GAME_INFO_PRACTICE_COLOR}});
    return lines;
}

std::string version_text() { return std::string("Tapfall v") + TAPFALL_VERSION; }

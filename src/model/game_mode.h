// The game modes, and everything that tells one from another: one table that the rules, the
// options, the game screen, the screenshots and the records all read.
#pragma once

#include <cstdint>
#include <iterator>

enum class GameMode { FortyLines, TwoMinutes, Endless };

// The figure a finished game of the mode is judged by.
enum class Measure {
    Time,   // the time it took: less is better
    Lines,  // the lines it cleared: more is better
    None,   // an endless game has no result
};

struct GameModeKind {
    GameMode mode;
    const char* label;       // as the menus and the game screen show it
    const char* file_value;  // as the settings file and the records store it
    const char* screenshot;  // as screenshot names carry it
    const char* info;
    // The game ends at this many lines, warned this many before; 0 for no goal.
    int line_goal;
    int hurry_lines;
    // The game ends when this much time is played, warned this much before; 0 for no limit.
    uint32_t time_limit_ms;
    uint32_t hurry_ms;
    Measure result;
    const char* unit;  // after the result in the records report
};

// In the order the options menu cycles through them; the first is the default.
inline constexpr GameModeKind GAME_MODE_KINDS[] = {
    {GameMode::FortyLines, "40 Lines", "40Lines", "40Lines", "How fast can you clear 40 lines?", 40, 5, 0, 0,
     Measure::Time, " s"},
    {GameMode::TwoMinutes, "2 Minutes", "2Minutes", "2Min", "How many lines can you clear in 2 minutes?", 0, 0, 120000,
     10000, Measure::Lines, " lines"},
    {GameMode::Endless, "Endless", "Endless", "Endless", "Game never ends", 0, 0, 0, 0, Measure::None, ""},
};
constexpr int GAME_MODES = int(std::size(GAME_MODE_KINDS));

constexpr bool modes_in_order() {
    for (int i = 0; i < GAME_MODES; ++i)
        if (GAME_MODE_KINDS[i].mode != GameMode(i)) return false;
    return true;
}
static_assert(modes_in_order(), "the table is indexed by GameMode");

constexpr const GameModeKind& game_mode_kind(GameMode mode) { return GAME_MODE_KINDS[int(mode)]; }

// The game screen's texts: each statistic's text and colour, the countdown and the settings
// summary, worked out from the game and the current time.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "rules/session.h"

constexpr SDL_Color WHITE = {255, 255, 255, 0};
constexpr SDL_Color PRACTICE_COLOR = {0, 255, 255, 0};
// After the game: the statistic that is the mode's result, and every other one.
constexpr SDL_Color RESULT_COLOR = {64, 255, 192, 0};
constexpr SDL_Color FINISHED_COLOR = {0, 128, 255, 0};

struct HudText {
    std::string text;
    SDL_Color color;
};

// Time, pieces, lines, TPM, keys and KPT, each ten characters wide so that they line up on
// their last digit.
enum class Statistic { Time, Pieces, Lines, Tpm, Keys, Kpt };
HudText statistic(Statistic which, const Session& session, uint32_t now);

std::string countdown_text(const Session& session, uint32_t now);

// One line of the settings summary, `rise` pixels above the summary's origin.
struct SummaryLine {
    int rise;
    HudText line;
};
std::vector<SummaryLine> summary_lines(const Session& session);

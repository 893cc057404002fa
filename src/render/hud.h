// The game screen's texts: each statistic's text and colour, the countdown and the settings
// summary, worked out from the game and the current time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/screen_view.h"
#include "rules/session.h"

constexpr Colour WHITE = {255, 255, 255};
constexpr Colour PRACTICE_COLOR = {0, 255, 255};
// After the game: the statistic that is the mode's result, and every other one.
constexpr Colour RESULT_COLOR = {64, 255, 192};
constexpr Colour FINISHED_COLOR = {0, 128, 255};

struct HudText {
    std::string text;
    Colour color;
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

// The game screen's texts: each statistic's text and colour, the countdown and the settings
// summary, worked out from the game and the current time, ready for render_text.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/mainloop.h"
#include "model/gamestate.h"

constexpr double COUNTDOWN_SECS = COUNTDOWN_MS / 1000.0;

constexpr SDL_Color GAME_INFO_COLOR = {255, 255, 255, 0};
constexpr SDL_Color GAME_INFO_PRACTICE_COLOR = {0, 255, 255, 0};
constexpr SDL_Color COUNTDOWN_COLOR = {255, 255, 255, 0};
constexpr SDL_Color STATISTIC_COLOR = {255, 255, 255, 0};
// After the game: the statistic that is the mode's result, and every other one.
constexpr SDL_Color STATISTIC_RESULT_COLOR = {64, 255, 192, 0};
constexpr SDL_Color STATISTIC_FINISHED_COLOR = {0, 128, 255, 0};

// A statistic never runs past 10 characters, so that the numbers line up on their last digit.
constexpr double TPM_LIMIT = 9999999;

struct HudText {
    std::string text;
    SDL_Color color;
};

HudText timer_statistic(const GameRecord& state, uint32_t now);
HudText line_statistic(const GameRecord& state);
HudText piece_statistic(const GameRecord& state);
HudText tpm_statistic(const GameRecord& state, uint32_t now);
HudText key_statistic(const GameRecord& state);
HudText kpt_statistic(const GameRecord& state);

std::string countdown_text(const GameRecord& state, uint32_t now);

// One line of the settings summary, `rise` pixels above the summary's origin.
struct GameInfoLine {
    float rise;
    HudText line;
};

std::vector<GameInfoLine> game_info_lines(const GameRecord& state, const std::string& input_name,
                                          const std::string& placement_name,
                                          const std::string& randomizer_name);

std::string version_text();

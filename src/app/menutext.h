// The words of the options screen: each option's line (label and current value), whether the
// Bastet rule locks it, and the four info lines that explain the highlighted option.
#pragma once

#include <array>
#include <string>

struct GameState;

std::string option_line(int index, const GameState& state);
bool option_locked(int index, const GameState& state);
// Empty strings stand for lines that are not drawn.
std::array<std::string, 4> option_info(int index, const GameState& state);

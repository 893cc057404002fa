// What the records file says about the player: the personal best of every kind of game (one
// mode, control scheme, randomizer, placement system and field size), the last ten results of
// the kind played most and how they trend, and a chart of that kind's results over time.
// Practice games, where a drop can be taken back, count for no best.
#pragma once

#include <string>
#include <vector>

#include "persist/records_file.h"

// The change of the result per game, by least squares over the results in order; 0 for fewer
// than two. Seconds for 40 lines, lines for two minutes.
double trend_per_game(const std::vector<Record>& records);

std::string records_report(const std::vector<Record>& records);
// How every chart begins, so that a chart can be told from any other file.
extern const char* const CHART_START;
// An SVG picture of the results of the kind played most, one point a game.
std::string records_chart(const std::vector<Record>& records);

// The game screen: one complete frame of play (backdrop, field, piece boxes, statistics,
// settings summary, overlays, countdown), shown and, at the end of a game, saved as a screenshot.
#pragma once

struct GameState;
struct Resources;

void render(GameState& state, Resources& resources);

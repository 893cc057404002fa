// Drawing of the input overlays: the key legend and column bars for the keys held now, read
// from SDL's keyboard state, and a rotation guide's picture, pieces and axis strips.
#pragma once

#include <vector>

#include "input/overlays.h"

struct GameState;
struct Resources;
struct Sprite;

void draw_legend(float x, float y, OverlayRows rows, GameState& state, Resources& resources);
void draw_highlights(float x, float y, OverlayRows rows, GameState& state, Resources& resources);
void draw_guide(const Sprite& picture, float picture_y, const std::vector<GuideSlot>& slots, GameState& state,
                Resources& resources);

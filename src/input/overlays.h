// The input overlays worked out without drawing: which legend labels and column bars show
// for the keys held now, and where the rotation guide puts each turned piece and its axis strip.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "input/fortykeys.h"
#include "input/keyconfig.h"
#include "model/piece.h"

struct GameState;

// Whether the physical key bound to a logical key is down.
using KeyHeld = std::function<bool(KeyCode logical)>;

// True while the game runs and the keyboard state marks the bound key as down. A binding
// outside the keyboard table is a key that is never held.
bool key_held(const GameState& state, KeyCode logical, const uint8_t* keyboard, int keyboard_size);

// The 40-key schemes read all four rows of a column; the 10-key scheme only its home row.
enum class OverlayRows { ALL_FOUR, HOME_ONLY };

struct LegendLabel {
    float x;
    std::string text;
    bool pressed;
};

std::vector<LegendLabel> key_legend(float x, const GameState& state, OverlayRows rows, const KeyHeld& held);
// The x of every 20-pixel column bar to draw; none before the game has started.
std::vector<float> column_highlights(float x, const GameState& state, OverlayRows rows, const KeyHeld& held);

// One slot of a rotation guide: the active piece turned as a key row would turn it, drawn at
// (ACTIVE_PIECE_ORIGIN_X, y), with `strip` axis markers stacked from y at `axis_x`.
struct GuideSlot {
    Piece piece;
    float y;
    float axis_x;
    int strip;
    bool draw_piece;
};

// The marker over the active-piece display comes first, without a piece of its own.
std::vector<GuideSlot> forty_key_guide(const GameState& state, Turn upper_row_turn);
std::vector<GuideSlot> ten_key_guide(const GameState& state);

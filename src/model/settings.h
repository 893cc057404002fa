// Settings: every option the player sets in the options menu and the settings file keeps, as
// plain values. The three strategies are named by their place in their family's table.
#pragma once

#include "model/game_mode.h"
#include "model/key_bindings.h"
#include "model/registry.h"

constexpr int MAX_PIECE_PREVIEWS = 10;

struct Settings {
    GameMode game_mode = GameMode::FortyLines;
    bool big_mode = false;
    RandomizerId randomizer;
    bool practice_mode = false;
    ControlSchemeId control_scheme;
    PlacementSystemId placement_system;
    bool deep_drop = true;
    bool ars = false;
    bool column_clamp = true;
    bool hold_allowed = true;
    bool double_hold = true;
    bool hold_orient = false;
    int piece_previews = MAX_PIECE_PREVIEWS;
    bool rotation_guide = false;
    bool sound = true;
    bool music_mode = false;
    bool auto_screenshot = true;
    // Only building the game sets the defaults: restoring the default settings keeps them.
    KeyBindings key_bindings;
};

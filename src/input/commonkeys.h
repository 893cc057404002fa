// The keys every input scheme shares: Backspace (undo in practice mode), Return (restart),
// Space (hold) and F2 (screenshot), and the rule for counting a key press.
#pragma once

#include "input/keyconfig.h"

struct GameState;
struct Resources;

// Counts toward the keys statistic while the game is not finished.
void count_key(GameState& state);
// Handles one of the shared keys; false when the key is none of them.
bool process_common_key(KeyCode key, GameState& state, Resources& resources);

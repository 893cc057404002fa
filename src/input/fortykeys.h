// What the two 40-key schemes share: every key of the four rows names a column and a turn,
// and the piece turns, drops, and turns back if the drop was refused.
#pragma once

#include "input/keyconfig.h"
#include "model/piece.h"

struct GameState;
struct Resources;

enum Turn { TURN_NONE, TURN_CCW, TURN_CW, TURN_DOUBLE };

void apply_turn(Piece& piece, Turn turn);
void undo_turn(Piece& piece, Turn turn);

// The schemes differ only in the turn of the upper row; the lower row turns the other way.
void process_forty_key_press(KeyCode key, Turn upper_row_turn, GameState& state, Resources& resources);

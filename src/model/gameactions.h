// Game actions: what a key press does to a game. Drops are instantaneous: one key, one
// placement; a piece with no room in the typed column is simply not placed.
#pragma once

#include "model/piece.h"

struct GameState;
struct Resources;

// What process_input_logic reports after draining the event queue.
enum InputResult { INPUT_CONTINUE = 0, INPUT_LEAVE_GAME = 1, INPUT_QUIT = 2 };

int process_input_logic(GameState& state, Resources& resources);
bool drop_active_piece(int column, GameState& state, Resources& resources);
int column_clamp(const Piece& piece, int column, const GameState& state);
void hold_active_piece(GameState& state, Resources& resources);
void shift_new_piece(GameState& state);
void piece_drop_sound(int column, int lines, Resources& resources);

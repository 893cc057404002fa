// What a game does: drops (instantaneous: one key, one placement; a piece with no room in the
// typed column is simply not placed), holds, the start of play, and both ends of a game with
// their hurry warnings: 40 lines cleared, or two minutes played.
#pragma once

#include "model/game.h"

// The column the piece lands in once it is kept inside the field.
int column_clamp(const Game& game, const Piece& piece, int column);
// True when the piece was placed; a refused drop leaves the undo as it was. A drop that clears
// the 40th line ends the game at `now`.
bool drop_active_piece(Game& game, int column, uint32_t now);
// True when the piece went into the hold; a hold already used this piece does nothing.
bool hold_active_piece(Game& game);
// The countdown is over: the clock starts, and an undo cannot reach back into the countdown.
void start_play(Game& game, uint32_t now);
// The two-minute game's hurry warning and end; nothing in the other modes.
void check_time_limit(Game& game, uint32_t now);

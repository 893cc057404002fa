// What a game does: drops (instantaneous: one key, one placement; a piece with no room in the
// typed column is simply not placed), turns, holds, the start of play, and the ends its mode
// sets, with their hurry warnings: a line goal reached, or a time limit played out. Each action reports what it
// did among the session's events.
#pragma once

#include "rules/session.h"

// The column the piece lands in once it is kept inside the field.
int column_clamp(const Session& session, const Piece& piece, int column);
// True when the piece was placed; a refused drop leaves the undo as it was. A drop that clears
// the mode's last line ends the game at `now`.
bool drop_active_piece(Session& session, int column, uint32_t now);
// Turns the active piece without dropping it.
void turn_active_piece(Session& session, Turn turn);
// True when the piece went into the hold; a hold already used this piece does nothing.
bool hold_active_piece(Session& session);
// True when the game went back to before the last drop or hold.
bool undo_last_piece(Session& session);
// A fresh game with the same settings, from its countdown.
void restart(Session& session);
// The countdown is over: the clock starts, and an undo cannot reach back into the countdown.
void start_play(Session& session, uint32_t now);
// The hurry warning and the end of a mode with a time limit; nothing in the other modes.
void check_time_limit(Session& session, uint32_t now);

// Game: one game as plain values: the field, the pieces, the counters and the clocks, with the
// one-level undo that practice mode offers. Copying a game copies all of it.
#pragma once

#include <cstdint>

#include "model/piece.h"
#include "model/playfield.h"
#include "model/settings.h"

constexpr uint32_t COUNTDOWN_MS = 3000;

// Everything an undo takes back.
struct Progress {
    PlayField playfield;
    Piece active_piece;
    Piece hold_piece{NO_PIECE, Orientation::Up};
    Piece previews[MAX_PIECE_PREVIEWS];
    uint32_t countdown_ticks = 0;
    uint32_t start_ticks = 0;
    uint32_t end_ticks = 0;
    int lines = 0;
    int pieces = 0;
    int keys = 0;
    bool started = false;
    bool finished = false;
    bool hurry = false;
    bool hold_used = false;
};

struct Game : Progress {
    Progress snapshot;
    bool can_undo = false;
    // Outside the snapshot, so that an undo cannot overwrite them. A randomizer cannot take back
    // a piece it dealt, so an undo deals the last one again in its place.
    bool restore_pending = false;
    Piece restore_piece;
    Piece last_dealt;
};

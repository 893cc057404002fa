// Game: the one record of the program: the settings, the game in progress, its randomizer,
// the sounds it asked for, the one-level undo that practice mode offers, and the recording
// that lets the game be played again.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/piece.h"
#include "model/playfield.h"
#include "model/recording.h"
#include "model/settings.h"
#include "model/sound.h"
#include "placement/placement.h"
#include "randomizers/randomizer.h"

constexpr uint32_t COUNTDOWN_MS = 3000;
constexpr uint32_t TWO_MINUTES_MS = 120000;
// The two-minute game warns when this much is left; the 40-lines game at this many lines.
constexpr uint32_t HURRY_MS = 10000;
constexpr int HURRY_LINES = 35;
constexpr int LINES_TO_WIN = 40;

// Everything an undo takes back: the progress of one game, as plain values.
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
    // The next frame drawn is to be saved as a screenshot.
    bool screenshot_pending = false;
};

struct Game : Progress {
    Settings settings;
    std::unique_ptr<Randomizer> randomizer;
    // Asked for since the application last played them.
    std::vector<SoundCue> sounds;
    Progress snapshot;
    bool can_undo = false;
    // Outside the snapshot, so that an undo cannot overwrite them. The randomizer cannot take
    // back a piece it dealt, so an undo deals the last one again in its place.
    bool restore_pending = false;
    Piece restore_piece;
    Piece last_dealt;
    // Since the last reset; outside the snapshot too, since an undo is one more key of the game.
    Recording recording;
    // A game played again deals these in order instead of asking its randomizer, which deals
    // only when they run out.
    std::vector<int> replayed_deals;
    // The game finished since the application last kept its result.
    bool result_pending = false;

    // The default settings and a first deal.
    Game();
    // Every setting back to its default but the key bindings, then a fresh game.
    void restore_defaults();
    // A fresh game with the current settings; the clocks keep their values.
    void reset();
    // The randomizer's next piece, or the one an undo gave back, spawn-oriented.
    void deal_into(Piece& slot);
    // Keeps the game as it is now for an undo.
    void take_snapshot();
    // Back to the snapshot, once; false when there is nothing to go back to.
    bool undo();

    // The counters, the time of a finished game and the field as they stand.
    GameResult result() const;

    const PlacementSystem& placement() const { return placement_systems()[settings.placement_system]; }
    PieceMask mask_of(const Piece& piece) const { return piece_mask(placement(), piece); }
    void play(Sound sound, int column = 0, int cleared = 0) { sounds.push_back({sound, column, cleared}); }
};

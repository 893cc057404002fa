// Session: what plays a game besides the game itself: the settings it is played with, the
// randomizer that deals it, the recording that lets it be played again, the deals a replay hands
// back, and the events the rules reported since the application last took them.
#pragma once

#include <memory>
#include <vector>

#include "model/recording.h"
#include "model/settings.h"
#include "placement/placement.h"
#include "randomizers/randomizer.h"
#include "rules/events.h"
#include "rules/game.h"

struct Session {
    Settings settings;
    Game game;
    std::unique_ptr<Randomizer> randomizer;
    // Since the last reset; outside the undo, since an undo is one more key of the game.
    Recording recording;
    // A game played again deals these in order instead of asking its randomizer, which deals
    // only when they run out.
    std::vector<int> replayed_deals;
    Events events;

    // The default settings and a first deal.
    Session();
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

    const PlacementSystem& placement() const { return placement_system(settings.placement_system); }
    PieceMask mask_of(const Piece& piece) const { return piece_mask(placement(), piece); }
    void report(Event kind, int column = 0, int lines = 0) { events.push_back({kind, column, lines}); }
};

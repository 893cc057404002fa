// GameState: the one record of the program: settings, the game in progress, the three
// strategy objects, the key configuration and the one-level undo snapshot.
#pragma once

#include <cstdint>
#include <memory>

#include "input/inputtype.h"
#include "input/keyconfig.h"
#include "model/piece.h"
#include "model/playfield.h"
#include "placement/piecemasktype.h"
#include "randomizers/randomizer.h"

constexpr int MAX_PIECE_PREVIEWS = 10;

enum GameMode { GAME_MODE_40_LINES = 0, GAME_MODE_2_MINUTES = 1, GAME_MODE_ENDLESS = 2 };

// Everything an undo takes back: the game's progress and the settings, as plain values.
// The strategy objects are not in it: they only change between games.
struct GameRecord {
    PlayField playfield;
    Piece active_piece;
    Piece hold_piece;
    Piece previews[MAX_PIECE_PREVIEWS];
    uint32_t start_ticks = 0;
    uint32_t end_ticks = 0;
    int lines = 0;
    int pieces = 0;
    int keys = 0;
    uint32_t countdown_ticks = 0;
    bool started = false;
    bool finished = false;
    bool hurry = false;
    bool practice_mode = false;
    bool deep_drop = true;
    bool column_clamp = true;
    bool sound = true;
    bool double_hold = true;
    bool hold_allowed = true;
    bool hold_used = false;
    bool hold_orient = false;
    int game_mode = GAME_MODE_40_LINES;
    bool rotation_guide = false;
    bool ars = false;
    bool big_mode = false;
    int piece_previews = MAX_PIECE_PREVIEWS;
    bool music_mode = false;
    bool auto_screenshot = true;
    KeyConfig key_config;
    bool history_valid = false;
    bool screenshot_pending = false;
};

struct GameState : GameRecord {
    std::unique_ptr<Randomizer> randomizer;
    std::unique_ptr<PieceMaskType> piece_mask_type;
    std::unique_ptr<InputType> input_type;
    GameRecord history;
    // Outside the record, so that restoring the snapshot cannot overwrite them. The randomizer
    // cannot take back a piece it dealt, so an undo deals the last one again in its place.
    bool restore_pending = false;
    Piece restore_piece;
    Piece last_dealt_piece;

    GameState();
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    // Default settings and strategies, then a fresh game; the key configuration is kept.
    void init();
    // A fresh game with the current settings.
    void reset();
    // The randomizer's next piece, or the one an undo gave back, spawn-oriented.
    void deal_into(Piece& slot);
    void updateHistory();
    void rewindHistory();

    int get_playfield_width() const { return big_mode ? 5 : 10; }
    int get_playfield_height() const { return big_mode ? 10 : 20; }
};

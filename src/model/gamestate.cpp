#include "model/gamestate.h"

#include "input/inputtype.h"
#include "placement/piecemasktype.h"
#include "randomizers/randomizer.h"

GameState::GameState() { init(); }

void GameState::init() {
    const KeyConfig bindings = key_config;
    static_cast<GameRecord&>(*this) = GameRecord{};
    key_config = bindings;
    history = GameRecord{};
    randomizer = make_randomizer(BAG_RANDOMIZER_NAME);
    piece_mask_type = make_piece_mask_type(LEFT_PIECE_MASK_NAME);
    input_type = make_input_type(INKDROP_INPUT_NAME);
    reset();
}

void GameState::reset() {
    playfield.clear();
    randomizer->reset();
    randomizer->get_piece(&active_piece, *this);
    active_piece.orient_init(ars);
    for (int i = 0; i < piece_previews; ++i) {
        randomizer->get_piece(&previews[i], *this);
        previews[i].orient_init(ars);
    }
    started = false;
    finished = false;
    hurry = false;
    hold_used = false;
    screenshot_pending = false;
    hold_piece.type = NO_PIECE;
    lines = 0;
    pieces = 0;
    keys = 0;
    updateHistory();
    history_valid = false;
    restore_pending = false;
}

void GameState::updateHistory() {
    history = *this;
    history_valid = true;
}

void GameState::rewindHistory() {
    if (!history_valid) return;
    // The randomizer cannot take back the piece it dealt after the snapshot, so that piece is
    // kept aside and dealt again in its place.
    restore_pending = true;
    restore_piece = piece_previews > 0 ? previews[piece_previews - 1] : active_piece;
    restore_piece.orient_init(ars);
    static_cast<GameRecord&>(*this) = history;
    active_piece.orient_init(ars);
    history_valid = false;
}

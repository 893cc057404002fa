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
    restore_pending = false;
    deal_into(active_piece);
    for (int i = 0; i < piece_previews; ++i) deal_into(previews[i]);
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
}

void GameState::deal_into(Piece& slot) {
    if (restore_pending) {
        restore_pending = false;
        slot = restore_piece;
    } else {
        randomizer->get_piece(&slot, *this);
    }
    slot.orient_init(ars);
    last_dealt_piece = slot;
}

void GameState::updateHistory() {
    history = *this;
    history_valid = true;
}

void GameState::rewindHistory() {
    if (!history_valid) return;
    // Exactly one piece was dealt since the snapshot. It is remembered as it was dealt, not read
    // back from the queue, because a hold since then may have moved it into the hold slot.
    restore_pending = true;
    restore_piece = last_dealt_piece;
    static_cast<GameRecord&>(*this) = history;
    active_piece.orient_init(ars);
    history_valid = false;
}

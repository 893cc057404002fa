#include "model/game.h"

Game::Game() { reset(); }

void Game::restore_defaults() {
    const KeyBindings bindings = settings.key_bindings;
    settings = Settings{};
    settings.key_bindings = bindings;
    reset();
}

void Game::reset() {
    playfield.clear(settings.big_mode);
    randomizer = randomizer_kinds()[settings.randomizer].make();
    restore_pending = false;
    result_pending = false;
    recording = Recording{};
    deal_into(active_piece);
    for (int i = 0; i < settings.piece_previews; ++i) deal_into(previews[i]);
    started = finished = hurry = hold_used = screenshot_pending = false;
    hold_piece.type = NO_PIECE;
    lines = pieces = keys = 0;
    take_snapshot();
    can_undo = false;
}

void Game::deal_into(Piece& slot) {
    if (restore_pending) {
        restore_pending = false;
        slot = restore_piece;
    } else {
        const size_t count = recording.dealt.size();
        slot.type = count < replayed_deals.size() ? replayed_deals[count] : randomizer->next(*this);
        recording.dealt.push_back(slot.type);
    }
    slot.spawn(settings.ars);
    last_dealt = slot;
}

void Game::take_snapshot() {
    snapshot = *this;
    can_undo = true;
}

bool Game::undo() {
    if (!can_undo) return false;
    // Exactly one piece was dealt since the snapshot. It is remembered as it was dealt, not read
    // back from the queue, because a hold since then may have moved it into the hold slot.
    restore_pending = true;
    restore_piece = last_dealt;
    static_cast<Progress&>(*this) = snapshot;
    active_piece.spawn(settings.ars);
    can_undo = false;
    return true;
}

GameResult Game::result() const {
    // FNV-1a over the cells, column by column from the bottom up.
    uint32_t field = 2166136261u;
    for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
        for (int row = 0; row < PLAYFIELD_ROWS; ++row)
            field = (field ^ uint32_t(playfield.cell(column, row))) * 16777619u;
    return {lines, pieces, keys, finished ? end_ticks - start_ticks : 0, field};
}

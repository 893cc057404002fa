#include "rules/session.h"

Session::Session() { reset(); }

void Session::restore_defaults() {
    const KeyBindings bindings = settings.key_bindings;
    settings = Settings{};
    settings.key_bindings = bindings;
    reset();
}

void Session::reset() {
    game.playfield.clear(settings.big_mode);
    randomizer = randomizer_kind(settings.randomizer).make();
    game.restore_pending = false;
    recording = Recording{};
    deal_into(game.active_piece);
    for (int i = 0; i < settings.piece_previews; ++i) deal_into(game.previews[i]);
    game.started = game.finished = game.hurry = game.hold_used = false;
    game.hold_piece.type = NO_PIECE;
    game.lines = game.pieces = game.keys = 0;
    take_snapshot();
    game.can_undo = false;
}

void Session::deal_into(Piece& slot) {
    if (game.restore_pending) {
        game.restore_pending = false;
        slot = game.restore_piece;
    } else {
        const size_t count = recording.dealt.size();
        slot.type = count < replayed_deals.size() ? replayed_deals[count]
                                                  : randomizer->next({game.playfield, placement(), settings.deep_drop});
        recording.dealt.push_back(slot.type);
    }
    slot.spawn(settings.ars);
    game.last_dealt = slot;
}

void Session::take_snapshot() {
    game.snapshot = game;
    game.can_undo = true;
}

bool Session::undo() {
    if (!game.can_undo) return false;
    // Exactly one piece was dealt since the snapshot. It is remembered as it was dealt, not read
    // back from the queue, because a hold since then may have moved it into the hold slot.
    game.restore_pending = true;
    game.restore_piece = game.last_dealt;
    static_cast<Progress&>(game) = game.snapshot;
    game.active_piece.spawn(settings.ars);
    game.can_undo = false;
    return true;
}

GameResult Session::result() const {
    // FNV-1a over the cells, column by column from the bottom up.
    uint32_t field = 2166136261u;
    for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
        for (int row = 0; row < PLAYFIELD_ROWS; ++row)
            field = (field ^ uint32_t(game.playfield.cell(column, row))) * 16777619u;
    return {game.lines, game.pieces, game.keys, game.finished ? game.end_ticks - game.start_ticks : 0, field};
}

#include "model/actions.h"

#include <algorithm>

namespace {

void finish(Game& game, uint32_t end) {
    game.finished = true;
    game.end_ticks = end;
    game.result_pending = true;
    game.play(Sound::Finish);
    if (game.settings.auto_screenshot) game.screenshot_pending = true;
}

void hurry(Game& game) {
    game.hurry = true;
    game.play(Sound::Hurry);
}

// Counters and the 40-lines goal for a piece just placed; returns the lines it cleared. A
// finished game keeps its field and counters frozen.
int count_drop(Game& game, uint32_t now) {
    if (game.finished) return 0;
    game.pieces += 1;
    const int cleared = game.playfield.clear_full_rows();
    game.lines += cleared;
    if (game.settings.game_mode != GameMode::FortyLines) return cleared;
    if (game.lines >= HURRY_LINES && !game.hurry) hurry(game);
    if (game.lines >= LINES_TO_WIN) finish(game, now);
    return cleared;
}

void shift_new_piece(Game& game) {
    const int count = game.settings.piece_previews;
    if (count == 0) return game.deal_into(game.active_piece);
    game.active_piece = game.previews[0];
    std::copy(game.previews + 1, game.previews + count, game.previews);
    game.deal_into(game.previews[count - 1]);
}

}  // namespace

int column_clamp(const Game& game, const Piece& piece, int column) {
    // The piece's left edge at column 0 at the least, its right edge at the last column at the most.
    const PieceMask mask = game.mask_of(piece);
    return std::clamp(column, mask.axis_column, mask.axis_column + game.playfield.width() - mask.width());
}

bool drop_active_piece(Game& game, int column, uint32_t now) {
    if (game.settings.music_mode) {
        game.play(Sound::Drop, column, 0);
        return false;
    }
    const int target = column_clamp(game, game.active_piece, column);
    if (target != column && !game.settings.column_clamp) return false;

    const Progress before = game;
    const Piece& piece = game.active_piece;
    if (!game.playfield.drop(game.mask_of(piece), piece.cell(), target, game.settings.deep_drop)) return false;
    game.snapshot = before;
    game.can_undo = true;

    const int cleared = count_drop(game, now);
    shift_new_piece(game);
    game.hold_used = false;
    // The typed column picks the note, so a clamped drop still sounds like its key.
    game.play(Sound::Drop, column, cleared);
    return true;
}

bool hold_active_piece(Game& game) {
    if (game.hold_used) return false;
    // A hold into an empty slot deals a new piece, so it can be undone like a drop.
    if (game.hold_piece.type == NO_PIECE) game.take_snapshot();
    std::swap(game.active_piece, game.hold_piece);
    if (!game.settings.hold_orient) game.hold_piece.spawn(game.settings.ars);
    if (game.active_piece.type == NO_PIECE) shift_new_piece(game);
    game.play(Sound::Hold);
    if (!game.settings.double_hold) game.hold_used = true;
    return true;
}

void start_play(Game& game, uint32_t now) {
    game.play(Sound::CountdownStart);
    game.started = true;
    game.start_ticks = now;
    game.take_snapshot();
    game.can_undo = false;
}

void check_time_limit(Game& game, uint32_t now) {
    if (game.settings.game_mode != GameMode::TwoMinutes) return;
    // Exactly two minutes, however late this frame came.
    if (game.started && !game.finished && now - game.start_ticks >= TWO_MINUTES_MS)
        finish(game, game.start_ticks + TWO_MINUTES_MS);
    // Past the end the unsigned difference wraps to a huge value, so the warning can only
    // come in the last ten seconds.
    if (!game.hurry && game.start_ticks + TWO_MINUTES_MS - now <= HURRY_MS) hurry(game);
}

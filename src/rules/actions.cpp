#include "rules/actions.h"

#include <algorithm>

namespace {

void finish(Session& session, uint32_t end) {
    session.game.finished = true;
    session.game.end_ticks = end;
    session.report(Event::Finished);
}

void hurry(Session& session) {
    session.game.hurry = true;
    session.report(Event::Hurry);
}

// Counters and the mode's line goal for a piece just placed; returns the lines it cleared. Once the
// game is finished its counters and clock stay as they were, though later drops still fill the
// field.
int count_drop(Session& session, uint32_t now) {
    Game& game = session.game;
    if (game.finished) return 0;
    game.pieces += 1;
    const int cleared = game.playfield.clear_full_rows();
    game.lines += cleared;
    const GameModeKind& mode = game_mode_kind(session.settings.game_mode);
    if (mode.line_goal == 0) return cleared;
    if (game.lines >= mode.line_goal - mode.hurry_lines && !game.hurry) hurry(session);
    if (game.lines >= mode.line_goal) finish(session, now);
    return cleared;
}

void shift_new_piece(Session& session) {
    Game& game = session.game;
    const int count = session.settings.piece_previews;
    if (count == 0) return session.deal_into(game.active_piece);
    game.active_piece = game.previews[0];
    std::copy(game.previews + 1, game.previews + count, game.previews);
    session.deal_into(game.previews[count - 1]);
}

}  // namespace

int column_clamp(const Session& session, const Piece& piece, int column) {
    // The piece's left edge at column 0 at the least, its right edge at the last column at the most.
    const PieceMask mask = session.mask_of(piece);
    return std::clamp(column, mask.axis_column, mask.axis_column + session.game.playfield.width() - mask.width());
}

bool drop_active_piece(Session& session, int column, uint32_t now) {
    Game& game = session.game;
    const Settings& settings = session.settings;
    if (settings.music_mode) {
        session.report(Event::Note, column);
        return false;
    }
    const int target = column_clamp(session, game.active_piece, column);
    const Progress before = game;
    const Piece& piece = game.active_piece;
    if ((target != column && !settings.column_clamp) ||
        !game.playfield.drop(session.mask_of(piece), piece.cell(), target, settings.deep_drop)) {
        session.report(Event::Refused, column);
        return false;
    }
    game.snapshot = before;
    game.can_undo = true;

    const int cleared = count_drop(session, now);
    shift_new_piece(session);
    game.hold_used = false;
    // The typed column picks the note, so a clamped drop still sounds like its key.
    session.report(Event::Placed, column, cleared);
    return true;
}

void turn_active_piece(Session& session, Turn turn) {
    session.game.active_piece.turn(turn);
    session.report(Event::Turned);
}

bool hold_active_piece(Session& session) {
    Game& game = session.game;
    if (game.hold_used) return false;
    // A hold into an empty slot deals a new piece, so it can be undone like a drop.
    if (game.hold_piece.type == NO_PIECE) session.take_snapshot();
    std::swap(game.active_piece, game.hold_piece);
    if (!session.settings.hold_orient) game.hold_piece.spawn(session.settings.ars);
    if (game.active_piece.type == NO_PIECE) shift_new_piece(session);
    session.report(Event::Held);
    if (!session.settings.double_hold) game.hold_used = true;
    return true;
}

bool undo_last_piece(Session& session) {
    const bool undone = session.undo();
    session.report(Event::Undone);
    return undone;
}

void restart(Session& session) {
    session.report(Event::Restarted);
    session.reset();
}

void start_play(Session& session, uint32_t now) {
    session.report(Event::PlayStarted);
    session.game.started = true;
    session.game.start_ticks = now;
    session.take_snapshot();
    session.game.can_undo = false;
}

void check_time_limit(Session& session, uint32_t now) {
    const Game& game = session.game;
    const GameModeKind& mode = game_mode_kind(session.settings.game_mode);
    if (mode.time_limit_ms == 0) return;
    // Exactly at the limit, however late this frame came.
    if (game.started && !game.finished && now - game.start_ticks >= mode.time_limit_ms)
        finish(session, game.start_ticks + mode.time_limit_ms);
    // Past the end the unsigned difference wraps to a huge value, so the warning can only
    // come in the last seconds before it.
    if (!game.hurry && game.start_ticks + mode.time_limit_ms - now <= mode.hurry_ms) hurry(session);
}

#include "model/gameactions.h"

#include "model/clock.h"
#include "model/gamestate.h"
#include "model/sound.h"
#include "render/resources.h"

namespace {

constexpr int LINES_TO_WIN = 40;
// The warning comes once fewer than six lines are left.
constexpr int HURRY_LINES = 35;

// Counters and the 40-lines finish for a piece that has just been placed; returns the lines
// it cleared. A finished game keeps its field and counters frozen.
int score_drop(GameState& state, Resources& resources) {
    if (state.finished) return 0;
    state.pieces += 1;
    const int cleared = state.playfield.line_clears(state);
    state.lines += cleared;
    if (state.game_mode != GAME_MODE_40_LINES) return cleared;
    if (state.lines >= HURRY_LINES && !state.hurry) {
        state.hurry = true;
        play_game_sound(state, resources.hurrySound);
    }
    if (state.lines >= LINES_TO_WIN) {
        state.finished = true;
        state.end_ticks = ticks_now();
        play_game_sound(state, resources.finishSound);
        if (state.auto_screenshot) state.screenshot_pending = true;
    }
    return cleared;
}

}  // namespace

int column_clamp(const Piece& piece, int column, const GameState& state) {
    PieceMask mask;
    state.piece_mask_type->get_piece_mask(piece.type, piece.orientation, &mask);
    const int width = mask.get_width();
    const int axis = mask.axis_column;
    const int left = column - axis;
    if (left < 0) return axis;
    if (left + width < state.get_playfield_width()) return column;
    return axis - width + state.get_playfield_width();
}

bool drop_active_piece(int column, GameState& state, Resources& resources) {
    if (state.music_mode) {
        if (state.sound) piece_drop_sound(column, 0, resources);
        return false;
    }
    const int target = column_clamp(state.active_piece, column, state);
    if (target != column && !state.column_clamp) return false;

    // The snapshot is kept only once the piece has been placed, so that a refused drop leaves
    // the undo able to take back the last drop that did happen.
    const GameRecord before = state;
    if (!state.playfield.drop_piece(state.active_piece, target, state)) return false;
    state.history = before;
    state.history_valid = true;

    const int cleared = score_drop(state, resources);
    shift_new_piece(state);
    state.hold_used = false;
    // The typed column picks the note, so a clamped drop still sounds like its key.
    if (state.sound) piece_drop_sound(column, cleared, resources);
    return true;
}

void shift_new_piece(GameState& state) {
    const int count = state.piece_previews;
    if (count == 0) {
        state.deal_into(state.active_piece);
        return;
    }
    state.active_piece = state.previews[0];
    for (int i = 1; i < count; ++i) state.previews[i - 1] = state.previews[i];
    state.deal_into(state.previews[count - 1]);
}

void piece_drop_sound(int column, int lines, Resources& resources) {
    if (column < 0 || column >= DROP_SOUND_COLUMNS || lines < 0 || lines >= DROP_SOUND_VARIANTS) return;
    play_sound(resources.dropSounds[column][lines]);
}

void hold_active_piece(GameState& state, Resources& resources) {
    if (state.hold_used) return;
    // A hold into an empty slot deals a new piece, so it can be undone like a drop.
    if (state.hold_piece.type == NO_PIECE) state.updateHistory();
    swap_pieces(&state.active_piece, &state.hold_piece);
    if (!state.hold_orient) state.hold_piece.orient_init(state.ars);
    if (state.active_piece.type == NO_PIECE) shift_new_piece(state);
    play_game_sound(state, resources.holdSound);
    if (!state.double_hold) state.hold_used = true;
}

#include "input/fortykeys.h"

#include "input/commonkeys.h"
#include "input/keyrows.h"
#include "model/gameactions.h"
#include "model/gamestate.h"

void apply_turn(Piece& piece, Turn turn) {
    switch (turn) {
        case TURN_CCW: piece.rotate_ccw(); break;
        case TURN_CW: piece.rotate_cw(); break;
        case TURN_DOUBLE: piece.rotate_double(); break;
        case TURN_NONE: break;
    }
}

void undo_turn(Piece& piece, Turn turn) {
    switch (turn) {
        case TURN_CCW: piece.rotate_cw(); break;
        case TURN_CW: piece.rotate_ccw(); break;
        case TURN_DOUBLE: piece.rotate_double(); break;
        case TURN_NONE: break;
    }
}

namespace {

Turn row_turn(int row, Turn upper_row_turn) {
    const Turn lower_row_turn = upper_row_turn == TURN_CCW ? TURN_CW : TURN_CCW;
    switch (row) {
        case UPPER_ROW: return upper_row_turn;
        case LOWER_ROW: return lower_row_turn;
        case NUMBER_ROW: return TURN_DOUBLE;
        default: return TURN_NONE;
    }
}

}  // namespace

void process_forty_key_press(KeyCode key, Turn upper_row_turn, GameState& state, Resources& resources) {
    if (process_common_key(key, state, resources)) return;
    KeyPosition position;
    if (!find_key(key, &position)) return;
    count_key(state);
    const Turn turn = row_turn(position.row, upper_row_turn);
    apply_turn(state.active_piece, turn);
    if (!drop_active_piece(playfield_column(position.column, state), state, resources))
        undo_turn(state.active_piece, turn);
}

#include "input/forty_key_scheme.h"

#include "input/key_rows.h"
#include "rules/actions.h"

Turn FortyKeyScheme::turn_of_row(int row) const {
    switch (row) {
        case UPPER_ROW: return upper_row_turn_;
        case LOWER_ROW: return opposite(upper_row_turn_);
        case NUMBER_ROW: return Turn::Half;
        default: return Turn::None;
    }
}

KeyOutcome FortyKeyScheme::press_own_key(Session& session, KeyCode key, uint32_t now) const {
    KeyPosition position;
    if (!find_key(key, &position)) return KeyOutcome::Other;
    count_key(session);
    const Turn turn = turn_of_row(position.row);
    session.game.active_piece.turn(turn);
    if (drop_active_piece(session, playfield_column(position.column, session.settings.big_mode), now))
        return KeyOutcome::Placed;
    session.game.active_piece.turn(opposite(turn));
    return KeyOutcome::Refused;
}

std::vector<Piece> FortyKeyScheme::guide_pieces(const Piece& active) const {
    // Each row's turn is the upper row's applied once more: none, one, two (a half turn), three.
    std::vector<Piece> pieces = {active};
    Piece piece = active;
    for (int slot = 0; slot < 3; ++slot) {
        piece.turn(upper_row_turn_);
        pieces.push_back(piece);
    }
    return pieces;
}

#include "input/ten_key_scheme.h"

#include "input/key_rows.h"
#include "rules/actions.h"

namespace {

Turn turn_of(KeyCode key) {
    switch (key) {
        case 'w':
        case 'u': return Turn::Ccw;
        case 'e':
        case 'i': return Turn::Half;
        case 'r':
        case 'o': return Turn::Cw;
        default: return Turn::None;
    }
}

}  // namespace

KeyOutcome TenKeyScheme::press_own_key(Session& session, KeyCode key, uint32_t now) const {
    KeyPosition position;
    if (find_key(key, &position) && position.row == HOME_ROW) {
        count_key(session);
        const int column = playfield_column(position.column, session.settings.big_mode);
        return drop_active_piece(session, column, now) ? KeyOutcome::Placed : KeyOutcome::Refused;
    }
    const Turn turn = turn_of(key);
    if (turn == Turn::None) return KeyOutcome::Other;
    count_key(session);
    turn_active_piece(session, turn);
    return KeyOutcome::Other;
}

std::vector<Piece> TenKeyScheme::guide_pieces(const Piece& active) const {
    std::vector<Piece> pieces;
    Piece piece = active;
    for (int slot = 0; slot < 3; ++slot) {
        piece.turn(Turn::Ccw);
        pieces.push_back(piece);
    }
    return pieces;
}

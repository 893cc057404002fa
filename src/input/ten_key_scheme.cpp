#include "input/ten_key_scheme.h"

#include "input/key_rows.h"
#include "model/actions.h"

namespace {

Turn turn_of(KeyCode key) {
    switch (key) {
        case 'w': case 'u': return Turn::Ccw;
        case 'e': case 'i': return Turn::Half;
        case 'r': case 'o': return Turn::Cw;
        default: return Turn::None;
    }
}

}  // namespace

void TenKeyScheme::press_own_key(Game& game, KeyCode key) const {
    KeyPosition position;
    if (find_key(key, &position) && position.row == HOME_ROW) {
        count_key(game);
        drop_active_piece(game, playfield_column(position.column, game.settings.big_mode));
        return;
    }
    const Turn turn = turn_of(key);
    if (turn == Turn::None) return;
    count_key(game);
    game.active_piece.turn(turn);
    game.play(Sound::Rotate);
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

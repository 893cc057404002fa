#include "randomizers/bastetrandomizer.h"

#include <algorithm>
#include <cassert>

#include "model/gameactions.h"
#include "model/gamestate.h"
#include "model/random_source.h"

const std::string BASTET_RANDOMIZER_NAME = "Bastet";

namespace {

// The most lines one drop of the piece, in its orientation, clears on the live field;
// -1 when it fits nowhere. Trial drops go into copies: the live field is never touched.
int max_lines_cleared_by_piece(GameState& state, Piece& piece) {
    int best = -1;
    for (int column = 0; column < state.get_playfield_width(); ++column) {
        if (column_clamp(piece, column, state) != column) continue;
        PlayField trial = state.playfield;
        if (!trial.drop_piece(piece, column, state)) continue;
        best = std::max(best, trial.line_clears(state));
    }
    return best;
}

}  // namespace

void BastetRandomizer::get_piece(Piece* piece, GameState& state) {
    int score[PIECE_TYPES];
    int worst = 5;
    for (int type = 0; type < PIECE_TYPES; ++type) {
        score[type] = -1;
        Piece trial{type, UP};
        for (int turn = 0; turn < 4; ++turn) {
            score[type] = std::max(score[type], max_lines_cleared_by_piece(state, trial));
            trial.rotate_cw();
        }
        worst = std::min(worst, score[type]);
    }
    const int candidates = static_cast<int>(std::count(score, score + PIECE_TYPES, worst));
    assert(candidates > 0 && "piecesInBag > 0");
    int k = random_number() % candidates;
    int type = 0;
    while (score[type] != worst || k-- > 0) ++type;
    piece->type = type;
}

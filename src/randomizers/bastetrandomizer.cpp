#include "randomizers/bastetrandomizer.h"

#include <algorithm>
#include <cassert>

#include "model/gamestate.h"
#include "model/random_source.h"

const std::string BASTET_RANDOMIZER_NAME = "Bastet";

namespace {

int full_rows(const PlayField& field, const GameState& state) {
    int full = 0;
    for (int row = 0; row < state.get_playfield_height(); ++row) full += field.row_is_full(row, state);
    return full;
}

// The rows a drop of the mask with its bottom-left corner at (row, left) would complete. Only
// the rows it covers can change, and none of them was full before, since the piece fits there.
int rows_completed(const PlayField& field, const PieceMask& mask, int row, int left,
                   const GameState& state) {
    const int height = mask.get_height();
    int completed = 0;
    for (int r = 0; r < height; ++r) {
        bool full = true;
        for (int column = 0; column < state.get_playfield_width() && full; ++column) {
            const int c = column - left;
            const bool covered = c >= 0 && c < 4 && mask.occupied(c, r);
            full = covered || field.get_cell(column, row + r) != CELL_EMPTY;
        }
        completed += full;
    }
    return completed;
}

// The most lines one drop of the piece, in its orientation, clears on the live field; -1 when
// it fits nowhere. Every horizontal position of the piece is tried once. The drops are only
// worked out, never made: the live field is not touched and no copy of it is needed.
int max_lines_cleared_by_piece(GameState& state, Piece& piece) {
    PieceMask mask;
    state.piece_mask_type->get_piece_mask(piece.type, piece.orientation, &mask);
    // Rows already full stay full whatever the piece does; a finished game leaves them in place.
    const int already_full = full_rows(state.playfield, state);
    const int last_left = state.get_playfield_width() - mask.get_width();
    int best = -1;
    for (int left = 0; left <= last_left; ++left) {
        const int row = state.playfield.find_lowest_row(mask, left + mask.axis_column, state);
        if (row < 0) continue;
        best = std::max(best, already_full + rows_completed(state.playfield, mask, row, left, state));
    }
    return best;
}

}  // namespace

void BastetRandomizer::get_piece(Piece* piece, GameState& state) {
    int score[PIECE_TYPES];
    for (int type = 0; type < PIECE_TYPES; ++type) {
        score[type] = -1;
        Piece trial{type, UP};
        for (int turn = 0; turn < 4; ++turn) {
            score[type] = std::max(score[type], max_lines_cleared_by_piece(state, trial));
            trial.rotate_cw();
        }
    }
    // Not bounded by four: full rows that a finished game left in place count for every piece.
    const int worst = *std::min_element(score, score + PIECE_TYPES);
    const int candidates = static_cast<int>(std::count(score, score + PIECE_TYPES, worst));
    assert(candidates > 0 && "the worst score belongs to some type");
    int k = random_number() % candidates;
    int type = 0;
    while (score[type] != worst || k-- > 0) ++type;
    piece->type = type;
}

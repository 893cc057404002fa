#include "randomizers/bastet_randomizer.h"

#include <algorithm>
#include <cassert>

#include "model/random_source.h"

namespace {

// The rows a drop of the mask with its bottom-left corner at (row, left) would complete. Only
// the rows it covers can change, and none of them was full before, since the piece fits there.
int rows_completed(const PlayField& field, const PieceMask& mask, int row, int left) {
    int completed = 0;
    for (int r = 0; r < mask.height(); ++r) {
        bool full = true;
        for (int column = 0; column < field.width() && full; ++column) {
            const int c = column - left;
            const bool covered = c >= 0 && c < 4 && mask.occupied(c, r);
            full = covered || field.cell(column, row + r) != CELL_EMPTY;
        }
        completed += full;
    }
    return completed;
}

// The most lines one drop of the piece, in its orientation, clears on the field; -1 when it
// fits nowhere. Every horizontal position is tried once. The drops are only worked out, never
// made, so the field is not touched and no copy of it is needed.
int max_lines_cleared(const DealView& view, const Piece& piece) {
    const PieceMask mask = piece_mask(view.placement, piece);
    const PlayField& field = view.field;
    // Rows a finished game left full would add the same to every type that fits, and so change
    // nothing: only the rows the piece completes are counted.
    int best = -1;
    for (int left = 0; left <= field.width() - mask.width(); ++left) {
        const int row = field.resting_row(mask, left + mask.axis_column, view.deep_drop);
        if (row >= 0) best = std::max(best, rows_completed(field, mask, row, left));
    }
    return best;
}

}  // namespace

int BastetRandomizer::next(const DealView& view) {
    int score[PIECE_TYPES];
    for (int type = 0; type < PIECE_TYPES; ++type) {
        score[type] = -1;
        Piece trial{type, Orientation::Up};
        for (int turn = 0; turn < 4; ++turn) {
            score[type] = std::max(score[type], max_lines_cleared(view, trial));
            trial.turn(Turn::Cw);
        }
    }
    const int worst = *std::min_element(score, score + PIECE_TYPES);
    const int candidates = int(std::count(score, score + PIECE_TYPES, worst));
    assert(candidates > 0 && "the worst score belongs to some type");
    int k = random_number() % candidates;
    int type = 0;
    while (score[type] != worst || k-- > 0) ++type;
    return type;
}

#include <benchmark/benchmark.h>

#include "bench_fields.h"
#include "model/random_source.h"
#include "rules/actions.h"

namespace {

// A vertical I into the one hole of four stacked rows: a drop that clears four lines. Every
// round starts from the same field, so the time includes copying it into place.
void BM_DropClearingFourLines(benchmark::State& bench) {
    set_random_source([] { return 0; });
    Session session;
    session.settings.game_mode = GameMode::Endless;
    PlayField four_rows;
    for (int row = 0; row < 4; ++row)
        for (int column = 1; column < PLAYFIELD_COLUMNS; ++column) four_rows.set_cell(column, row, CELL_I);
    const Piece vertical_i{PIECE_I, Orientation::Left};
    for (auto _ : bench) {
        session.game.playfield = four_rows;
        session.game.active_piece = vertical_i;
        session.events.clear();
        benchmark::DoNotOptimize(drop_active_piece(session, 0, 0));
    }
    if (session.game.lines != 4 * static_cast<int>(bench.iterations()))
        bench.SkipWithError("the drop did not clear four lines every time");
    set_random_source(nullptr);
}

}  // namespace

BENCHMARK(BM_DropClearingFourLines)->Unit(benchmark::kNanosecond);

#include <benchmark/benchmark.h>

#include "bench_fields.h"
#include "model/gameactions.h"
#include "model/gamestate.h"
#include "model/random_source.h"
#include "render/resources.h"

namespace {

// A vertical I into the one hole of four stacked rows: a drop that clears four lines. Every
// round starts from the same field, so the time includes copying it into place.
void BM_DropClearingFourLines(benchmark::State& bench) {
    set_random_source([] { return 0; });
    Resources resources{Resources::Unloaded{}};
    GameState state;
    state.sound = false;
    state.game_mode = GAME_MODE_ENDLESS;
    PlayField four_rows;
    for (int row = 0; row < 4; ++row)
        for (int column = 1; column < PLAYFIELD_COLUMNS; ++column) four_rows.set_cell(column, row, 0);
    Piece vertical_i;
    vertical_i.orientation = LEFT;
    for (auto _ : bench) {
        state.playfield = four_rows;
        state.active_piece = vertical_i;
        benchmark::DoNotOptimize(drop_active_piece(0, state, resources));
    }
    if (state.lines != 4 * static_cast<int>(bench.iterations()))
        bench.SkipWithError("the drop did not clear four lines every time");
    use_standard_random();
}

}  // namespace

BENCHMARK(BM_DropClearingFourLines)->Unit(benchmark::kNanosecond);

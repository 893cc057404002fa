#include <benchmark/benchmark.h>

#include "bench_fields.h"
#include "model/random_source.h"
#include "randomizers/bastet_randomizer.h"
#include "rules/session.h"

namespace {

// One decision of the adversarial randomizer on a field `rows` rows high.
void bastet_decision(benchmark::State& bench, int rows) {
    set_random_source([] { return 0; });
    Session session;
    session.game.playfield = stacked_field(rows);
    BastetRandomizer bastet;
    for (auto _ : bench)
        benchmark::DoNotOptimize(
            bastet.next({session.game.playfield, session.placement(), session.settings.deep_drop}));
    set_random_source(nullptr);
}

void BM_BastetEmptyField(benchmark::State& bench) { bastet_decision(bench, 0); }
void BM_BastetMidGameField(benchmark::State& bench) { bastet_decision(bench, 9); }
void BM_BastetNearlyFullField(benchmark::State& bench) { bastet_decision(bench, 17); }

}  // namespace

BENCHMARK(BM_BastetEmptyField)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BastetMidGameField)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BastetNearlyFullField)->Unit(benchmark::kMicrosecond);

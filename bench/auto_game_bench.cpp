// A whole automatic game of 22 turns with one optimisation pass, as the Auto
// button plays it with the default settings.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "game/auto_game.h"
#include "game/game_state.h"

namespace kwarrel {
namespace {

void BM_AutoGameOnePass(benchmark::State& bench) {
  uint32_t seed = 1;
  int total = 0;
  for (auto _ : bench) {
    bench.PauseTiming();
    GameState state(builtInWordGraph());
    state.random.seed(seed++ % 16);
    bench.ResumeTiming();
    autoGameCommand(state, "");
    total += state.totalScore;
  }
  benchmark::DoNotOptimize(total);
}
BENCHMARK(BM_AutoGameOnePass)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kwarrel

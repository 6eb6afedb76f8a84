// The possibilities list of the busiest square: H8 after a first-turn search, for a
// rack of seven letters and for racks of blanks, whose tens of thousands of filed
// moves must merge into the list without freezing the dialog.
#include <benchmark/benchmark.h>

#include <vector>

#include "game/board_ops.h"
#include "game/game_state.h"
#include "search/search.h"
#include "search/square_moves.h"

namespace kwarrel {
namespace {

// `blanks` blanks, the rest of the seven from "KATERSE".
void fileFirstTurn(GameState& state, int blanks) {
  resetBoard(state);
  clearSquareMoves(state);
  state.rackCounts.fill(0);
  state.rackCounts[0] = blanks;
  const char* letters = "KATERSE";
  for (int i = blanks; i < kRackSize; ++i) state.rackCounts[letterCode(letters[i])] += 1;
  std::vector<Move> results;
  searchFirstMove(state, results);
}

void BM_SquarePossibilitiesAtH8(benchmark::State& bench) {
  GameState state(builtInWordGraph());
  fileFirstTurn(state, static_cast<int>(bench.range(0)));
  size_t lines = 0;
  for (auto _ : bench) {
    const auto shown = squarePossibilities(state, 7, 7);
    lines = shown ? shown->horizontal.size() + shown->vertical.size() : 0;
    benchmark::DoNotOptimize(lines);
  }
  bench.counters["filed"] = static_cast<double>(state.squareMoves[7 * kBoardSize + 7].size());
  bench.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_SquarePossibilitiesAtH8)
    ->ArgName("blanks")
    ->Arg(0)
    ->Arg(2)
    ->Arg(7)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kwarrel

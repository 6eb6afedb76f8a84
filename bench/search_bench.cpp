// The best-move search on fixed positions: with 80 slots and per-square lists as
// after a draw, and with one slot as in the automatic game; racks with no, one and
// two blanks.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bench/bench_racks.h"
#include "game/board_ops.h"
#include "game/game_state.h"
#include "search/search.h"
#include "search/square_moves.h"

namespace kwarrel {
namespace {

using bench::drawFromPool;

constexpr int kPositions = 12;

struct Position {
  std::unique_ptr<GameState> state;
  LetterCounts rack{};
};


// A game of `turns` turns played by the search itself, each laying its best move.
void playTurns(GameState& state, unsigned seed, int turns) {
  resetBoard(state);
  state.random.seed(seed);
  state.activeSlots = 1;
  for (int turn = 0; turn < turns; ++turn) {
    state.rackCounts = drawFromPool(state, -1);
    std::vector<Move> results;
    if (turn == 0) {
      searchFirstMove(state, results);
    } else {
      computeCrossChecks(state);
      searchBoard(state, results);
    }
    if (results.empty()) return;
    const Move& best = results.front();
    placeMove(state, best.row, best.column - 64, best.horizontal != 0, best.word);
  }
}

const std::vector<Position>& positions(int blanks) {
  static std::vector<Position> sets[3];
  std::vector<Position>& set = sets[blanks];
  if (!set.empty()) return set;
  for (int i = 0; i < kPositions; ++i) {
    Position position{std::make_unique<GameState>(builtInWordGraph())};
    playTurns(*position.state, 100u + static_cast<unsigned>(i), 3 + i);
    position.rack = drawFromPool(*position.state, blanks);
    computeCrossChecks(*position.state);
    set.push_back(std::move(position));
  }
  return set;
}

// One search as the turn cycle runs it: empty lists, cross-checks, search.
void searchPositions(benchmark::State& bench, int slots) {
  const int blanks = static_cast<int>(bench.range(0));
  const std::vector<Position>& set = positions(blanks);
  std::vector<Move> results;
  size_t i = 0;
  int64_t found = 0;
  for (auto _ : bench) {
    GameState& state = *set[i].state;
    state.rackCounts = set[i].rack;
    state.activeSlots = slots;
    results.clear();
    clearSquareMoves(state);
    computeCrossChecks(state);
    searchBoard(state, results);
    found += static_cast<int64_t>(results.size());
    benchmark::DoNotOptimize(results.data());
    i = (i + 1) % set.size();
  }
  bench.counters["results"] =
      benchmark::Counter(static_cast<double>(found), benchmark::Counter::kAvgIterations);
}

void BM_SearchEightySlots(benchmark::State& bench) { searchPositions(bench, kMoveSlots); }
void BM_SearchOneSlot(benchmark::State& bench) { searchPositions(bench, 1); }

BENCHMARK(BM_SearchEightySlots)->ArgName("blanks")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchOneSlot)->ArgName("blanks")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Every line looked up afresh (arg 0), and with the sets kept from the last call
// (arg 1), as between the searches of one position.
void BM_CrossChecks(benchmark::State& bench) {
  GameState& state = *positions(0)[kPositions - 1].state;
  const bool kept = bench.range(0) != 0;
  for (auto _ : bench) {
    if (!kept) state.lineChecks.fill(LineChecks{});
    computeCrossChecks(state);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CrossChecks)->ArgName("kept")->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kwarrel

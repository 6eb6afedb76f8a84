// Writing the reports of a whole game: the page-per-turn report runs a search for
// every turn, the board page and the plain listing only format.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "files/board_page.h"
#include "files/listing.h"
#include "files/save.h"
#include "game/draw.h"
#include "game/game_state.h"
#include "game/turn_cycle.h"

namespace kwarrel {
namespace {

void recompute(GameState& state) {
  recomputeAfresh(state);
}

// A game of every turn played with the best move on racks from a seeded bag.
std::unique_ptr<GameState> playedGame() {
  auto state = std::make_unique<GameState>(builtInWordGraph());
  state->random.seed(2002);
  recompute(*state);  // fills the pool
  for (int i = 0; i < state->maxTurns; ++i) {
    Turn& turn = state->turns[i];
    turn.rack = drawRack(*state);
    if (turn.rack.empty()) break;
    recompute(*state);
    if (state->results.empty()) break;
    turn.play(state->results.front());
    recompute(*state);
  }
  return state;
}

std::filesystem::path scratchFolder() {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("kwarrel-reports-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  return folder;
}

void BM_TurnPagesOfWholeGame(benchmark::State& bench) {
  const auto state = playedGame();
  const auto folder = scratchFolder();
  const std::string path = (folder / "partij.htm").string();
  int played = 0;
  while (played < state->maxTurns && state->turns[played].hasValidWord()) ++played;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(saveGame(*state, path));
  }
  bench.counters["beurten"] = played;
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_TurnPagesOfWholeGame)->Unit(benchmark::kMillisecond);

void BM_MaxListingOfWholeGame(benchmark::State& bench) {
  const auto state = playedGame();
  for (auto _ : bench) benchmark::DoNotOptimize(gameListingText(*state, true));
}
BENCHMARK(BM_MaxListingOfWholeGame)->Unit(benchmark::kMillisecond);

void BM_BoardPageText(benchmark::State& bench) {
  const auto state = playedGame();
  for (auto _ : bench) benchmark::DoNotOptimize(boardPageText(*state));
}
BENCHMARK(BM_BoardPageText)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kwarrel

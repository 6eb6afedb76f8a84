// The draw optimisation as "Optimalisatielussen" runs it: 1,000 passes of one
// draw and a one-slot search each, on a mid-game position, with blanks in the bag
// and without. Prints passes per second and the best score found as a signature.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "game/draw.h"
#include "game/tile_set.h"
#include "game/turn_cycle.h"

namespace kwarrel::cli {
namespace {

constexpr int kPasses = 1000;
constexpr int kPlayedTurns = 10;
constexpr uint32_t kGameSeed = 7;
constexpr uint32_t kPassSeed = 2024;

// A seeded game of best moves played with a bag without blanks, so that both
// variants of the bench share one board; `blanks` then go back into the bag.
std::unique_ptr<GameState> midGame(const WordGraph& words, int32_t blanks) {
  auto state = std::make_unique<GameState>(words);
  state->activeSlots = 1;
  state->random.seed(kGameSeed);
  state->countTable[0] = 0;
  int turn = recomputeGame(*state);
  while (turn < kPlayedTurns) {
    const std::string draw = drawRack(*state);
    if (draw.empty()) break;
    searchRack(*state, turn, draw);
    if (state->results.empty()) break;
    state->turns[turn].play(state->results.front());
    turn = recomputeGame(*state);
  }
  state->countTable[0] = blanks;
  recomputeGame(*state);
  return state;
}

struct DrawRun {
  double seconds = 0;
  std::string best;
  int32_t bestScore = 0;
};

DrawRun runPasses(GameState& state, int turn) {
  state.random.seed(kPassSeed);
  const auto start = std::chrono::steady_clock::now();
  const DrawChoice choice = optimiseDraw(state, turn, kPasses);
  const auto stop = std::chrono::steady_clock::now();
  DrawRun run;
  run.seconds = std::chrono::duration<double>(stop - start).count();
  run.best = choice.best;
  searchRack(state, turn, choice.best);
  run.bestScore = state.results.empty() ? 0 : state.results.front().score;
  return run;
}

void benchPasses(const WordGraph& words, const char* label, int32_t blanks, int repeats) {
  const std::unique_ptr<GameState> state = midGame(words, blanks);
  const int turn = recomputeGame(*state);
  std::vector<double> seconds;
  DrawRun run;
  for (int i = 0; i < repeats; ++i) {
    run = runPasses(*state, turn);
    seconds.push_back(run.seconds);
  }
  std::sort(seconds.begin(), seconds.end());
  const double median = seconds[seconds.size() / 2];
  std::printf("%-16s beurt %2d, %d lussen in %6.3f s, %7.0f lussen/s, beste %s %d\n", label,
              turn + 1, kPasses, median, kPasses / median, run.best.c_str(), run.bestScore);
}

}  // namespace

void benchDrawOptimisation(const WordGraph& words, bool quick) {
  std::printf("Trekkingsoptimalisatie (1 plaats), %d lussen, mediaan van %d keer\n", kPasses,
              quick ? 1 : 3);
  const int repeats = quick ? 1 : 3;
  benchPasses(words, "Met blanco's:", tilePreset(TilePreset::Nieuw).counts[0], repeats);
  benchPasses(words, "Zonder blanco's:", 0, repeats);
}

}  // namespace kwarrel::cli

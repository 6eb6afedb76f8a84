// Whole automatic games of 22 turns, with one optimisation pass and with 100,
// over fixed seeds. Prints the median time of each and the summed totals as a
// signature, so a change in play shows as a changed number.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "game/auto_game.h"

namespace kwarrel::cli {
namespace {

constexpr uint32_t kSeeds[] = {1, 2002, 31337, 4711, 65535, 123456, 987654321};

struct GameRun {
  double milliseconds = 0;
  int total = 0;
  int played = 0;
};

// Default settings, not the configuration file: the figures must not depend on
// where the bench runs. Stuck games are not written anywhere.
GameRun playGame(const WordGraph& words, uint32_t seed, int loops) {
  GameState state(words);
  state.maxTurns = kDefaultMaxTurns;
  state.settings.optimisationLoops = loops;
  state.random.seed(seed);
  const auto start = std::chrono::steady_clock::now();
  autoGameCommand(state, "");
  const auto stop = std::chrono::steady_clock::now();
  GameRun run;
  run.milliseconds = std::chrono::duration<double, std::milli>(stop - start).count();
  run.total = state.totalScore;
  for (int i = 0; i < state.maxTurns; ++i) run.played += state.turns[i].hasValidWord() ? 1 : 0;
  return run;
}

void benchGames(const WordGraph& words, int loops, int seedCount) {
  std::vector<double> times;
  long long totals = 0;
  int played = 0;
  for (int i = 0; i < seedCount; ++i) {
    const GameRun run = playGame(words, kSeeds[i], loops);
    times.push_back(run.milliseconds);
    totals += run.total;
    played += run.played;
  }
  std::sort(times.begin(), times.end());
  const double median = times.size() % 2 == 1
                            ? times[times.size() / 2]
                            : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
  const std::string label =
      "Auto-spel, " + std::to_string(loops) + (loops == 1 ? " lus:" : " lussen:");
  std::printf("%-22s %2d spellen, mediaan %9.2f ms, %3d beurten, totaal %lld\n", label.c_str(),
              seedCount, median, played, totals);
}

}  // namespace

void benchAutoGames(const WordGraph& words, bool quick) {
  std::printf("Automatische spellen van %d beurten\n", kDefaultMaxTurns);
  constexpr int kAllSeeds = static_cast<int>(std::size(kSeeds));
  benchGames(words, 1, kAllSeeds);
  benchGames(words, 100, quick ? 1 : kAllSeeds);
}

}  // namespace kwarrel::cli

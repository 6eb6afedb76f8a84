// Judging a club evening from scratch: 40 players' answers for every turn of a
// seeded automatic game of 22 turns, and the standings made from them. Prints the
// median time and the summed totals and refusals as a signature of its own.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "cli/cli.h"
#include "game/auto_game.h"
#include "game/turn_cycle.h"
#include "players/judging.h"
#include "players/standings.h"

namespace kwarrel::cli {
namespace {

constexpr int kPlayers = 40;
constexpr uint32_t kMaxSeed = 100;

// The first seeded automatic game that plays all of its 22 turns.
std::unique_ptr<GameState> fullGame() {
  std::unique_ptr<GameState> state;
  for (uint32_t seed = 1; seed <= kMaxSeed; ++seed) {
    state = std::make_unique<GameState>(builtInWordGraph());
    state->maxTurns = kDefaultMaxTurns;
    state->settings.optimisationLoops = 1;
    state->random.seed(seed);
    autoGameCommand(*state, "");
    if (state->turns[kDefaultMaxTurns - 1].hasValidWord()) break;
  }
  return state;
}

// Each player answers each played turn with one of the moves the search offered
// for it; every seventh answer is laid one square off (mostly refused), and every
// tenth player notes bare scores only.
PlayersRecord clubEvening(GameState& state) {
  PlayersRecord record;
  for (int number = 1; number <= kPlayers; ++number) {
    setPlayer(record, number, "Speler " + std::to_string(number));
  }
  const std::vector<Turn> saved(state.turns.begin(), state.turns.begin() + state.maxTurns);
  for (int t = 0; t < state.maxTurns && saved[t].hasValidWord(); ++t) {
    for (int i = t; i < state.maxTurns; ++i) state.turns[i].word.clear();
    recomputeAfresh(state);
    if (state.results.empty()) break;
    for (int number = 1; number <= kPlayers; ++number) {
      const Move& move = state.results[(number * 7 + t) % state.results.size()];
      if (number % 10 == 0) {
        setAnswer(record, number, t, scoreAnswer(move.score));
        continue;
      }
      const int shift = (number + t) % 7 == 0 ? 1 : 0;
      setAnswer(record, number, t,
                moveAnswer(move.row - 1 + shift, move.column - 'A', move.horizontal != 0, move.word));
    }
    std::copy(saved.begin(), saved.end(), state.turns.begin());
  }
  std::copy(saved.begin(), saved.end(), state.turns.begin());
  recomputeAfresh(state);
  return record;
}

}  // namespace

void benchPlayers(bool quick) {
  const std::unique_ptr<GameState> state = fullGame();
  const PlayersRecord record = clubEvening(*state);

  const int repeats = quick ? 3 : 11;
  std::vector<double> times;
  long long totals = 0;
  int refused = 0;
  int turns = 0;
  for (int i = 0; i < repeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const JudgedGame judged = judgeGame(*state, record);
    const Klassement standings = klassement(record, judged);
    const auto stop = std::chrono::steady_clock::now();
    times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    totals = 0;
    for (const Uitslag& row : standings.rows) totals += row.total;
    refused = static_cast<int>(std::count_if(judged.judgements.begin(), judged.judgements.end(),
                                             [](const auto& entry) { return entry.second.refused; }));
    turns = judged.turnsPlayed;
  }
  std::sort(times.begin(), times.end());
  std::printf("Uitslag: %d spelers x %d beurten beoordeeld, mediaan %7.2f ms over %d keer\n",
              kPlayers, turns, times[times.size() / 2], repeats);
  std::printf("Handtekening uitslag: %lld punten, %d geweigerd\n", totals, refused);
}

}  // namespace kwarrel::cli

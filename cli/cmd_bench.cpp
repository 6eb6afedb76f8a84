// kwarrel-cli bench [--quick]: times the best-move search on the positions of
// seeded self-play games, then whole automatic games. The signature (moves found)
// changes only when the search's behaviour changes.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "game/draw.h"
#include "game/turn_cycle.h"
#include "search/search.h"
#include "search/square_moves.h"

namespace kwarrel::cli {
namespace {

constexpr int kFullPositions = 100;
constexpr int kQuickPositions = 24;
constexpr unsigned kMaxGames = 1000;  // should games keep ending before their second turn
constexpr int kBlankKinds = 3;        // racks with no, one and two blanks

struct SearchKind {
  int slots;
  const char* label;
};
constexpr std::array<SearchKind, 2> kSearchKinds = {{{kMoveSlots, "80 plaatsen"}, {1, "1 plaats"}}};
constexpr std::array<const char*, kBlankKinds> kBlankLabels = {"geen blanco", "1 blanco",
                                                               "2 blanco's"};

// One position's one-slot searches: the rack with blanks, how many moves it has
// (as the 80-slot search files them), and the same board's blank-free rack.
struct BlankRackTime {
  long long legalMoves = 0;
  double micros = 0;
  double blankFreeMicros = 0;
};

struct BenchResult {
  // Microseconds per search, by search kind and number of blanks.
  std::array<std::array<std::vector<double>, kBlankKinds>, kSearchKinds.size()> times;
  std::array<std::vector<BlankRackTime>, kBlankKinds> blankRacks;
  long long movesFound = 0;
  int positions = 0;
  int games = 0;
};

// The drawn rack with `blanks` blanks: its letters in drawn order, blanks in place
// of the last ones (an E stands in should the draw hold too few letters).
LetterCounts rackWithBlanks(const GameState& state, const std::string& draw, int blanks) {
  std::string letters;
  for (const char c : draw) {
    if (!isBlankCharacter(c, state.settings.blankChar)) letters += upperCase(c);
  }
  const size_t wanted = static_cast<size_t>(kRackSize - blanks);
  letters.resize(std::max(letters.size(), wanted), 'E');
  letters.resize(wanted);
  LetterCounts rack{};
  rack[0] = blanks;
  for (const char c : letters) {
    if (isUpperLetter(c)) ++rack[letterCode(c)];
  }
  return rack;
}

// One search as the turn cycle runs it after a draw; returns microseconds.
double timeSearch(GameState& state, const LetterCounts& rack, int slots, long long& movesFound) {
  state.rackCounts = rack;
  state.activeSlots = slots;
  state.results.clear();
  clearSquareMoves(state);
  state.bonusFlag = 0;
  const auto start = std::chrono::steady_clock::now();
  computeCrossChecks(state);
  searchBoard(state, state.results);
  const auto end = std::chrono::steady_clock::now();
  if (slots > 1) {
    for (const auto& moves : state.squareMoves) movesFound += static_cast<long long>(moves.size());
  } else {
    movesFound += static_cast<long long>(state.results.size());
  }
  return std::chrono::duration<double, std::micro>(end - start).count();
}

void measurePosition(GameState& state, const std::string& draw, BenchResult& result) {
  const int savedSlots = state.activeSlots;
  std::array<BlankRackTime, kBlankKinds> racks{};
  for (int blanks = 0; blanks < kBlankKinds; ++blanks) {
    const LetterCounts rack = rackWithBlanks(state, draw, blanks);
    for (size_t kind = 0; kind < kSearchKinds.size(); ++kind) {
      const long long before = result.movesFound;
      const double micros = timeSearch(state, rack, kSearchKinds[kind].slots, result.movesFound);
      result.times[kind][blanks].push_back(micros);
      if (kSearchKinds[kind].slots > 1) racks[blanks].legalMoves = result.movesFound - before;
      if (kSearchKinds[kind].slots == 1) racks[blanks].micros = micros;
    }
    racks[blanks].blankFreeMicros = racks[0].micros;
    if (blanks > 0) result.blankRacks[blanks].push_back(racks[blanks]);
  }
  state.activeSlots = savedSlots;
  ++result.positions;
}

// A seeded game in which every turn plays the best move of its draw; each position
// after the first move is measured with its drawn rack.
void playGame(const WordGraph& words, unsigned seed, BenchResult& result) {
  auto state = std::make_unique<GameState>(words);
  state->random.seed(seed);
  state->activeSlots = 1;
  int turn = recomputeGame(*state);
  while (turn < state->maxTurns) {
    const std::string draw = drawRack(*state);
    if (draw.empty()) break;
    state->turns[turn].rack = draw;
    recomputeGame(*state);
    if (state->results.empty()) break;
    const Move best = state->results.front();
    if (turn > 0) measurePosition(*state, draw, result);
    state->turns[turn].play(best);
    turn = recomputeGame(*state);
  }
  ++result.games;
}

double median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  return n % 2 == 1 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

void printTimes(const char* label, const char* blanks, const std::vector<double>& times) {
  if (times.empty()) return;
  const size_t n = times.size();
  const double mean = std::accumulate(times.begin(), times.end(), 0.0) / static_cast<double>(n);
  std::printf("%-12s %-12s %4zu zoekacties, mediaan %8.3f ms, gemiddeld %8.3f ms\n",
              (std::string(label) + ",").c_str(), (std::string(blanks) + ":").c_str(), n,
              median(times) / 1000, mean / 1000);
}

// The racks with blanks that allow the fewest moves (the lowest tenth), where a
// blank that finds little should cost little more than the blank-free search.
void printFewestMoves(const char* blanks, std::vector<BlankRackTime> racks) {
  if (racks.empty()) return;
  std::stable_sort(racks.begin(), racks.end(), [](const BlankRackTime& a, const BlankRackTime& b) {
    return a.legalMoves < b.legalMoves;
  });
  racks.resize((racks.size() + 9) / 10);
  std::vector<double> times;
  std::vector<double> blankFree;
  for (const BlankRackTime& rack : racks) {
    times.push_back(rack.micros);
    blankFree.push_back(rack.blankFreeMicros);
  }
  std::printf("1 plaats,    %-12s %4zu zoekacties, mediaan %8.3f ms, zonder blanco %8.3f ms, "
              "hoogstens %lld zetten\n",
              (std::string(blanks) + ":").c_str(), racks.size(), median(times) / 1000,
              median(blankFree) / 1000, racks.back().legalMoves);
}

// The racks with blanks that allow the most moves (the highest tenth), where the
// one-slot search gains most from passing over anchors that cannot beat its best.
void printMostMoves(const char* blanks, std::vector<BlankRackTime> racks) {
  if (racks.empty()) return;
  std::stable_sort(racks.begin(), racks.end(), [](const BlankRackTime& a, const BlankRackTime& b) {
    return a.legalMoves > b.legalMoves;
  });
  racks.resize((racks.size() + 9) / 10);
  std::vector<double> times;
  for (const BlankRackTime& rack : racks) times.push_back(rack.micros);
  std::printf("1 plaats,    %-12s %4zu zoekacties, mediaan %8.3f ms, minstens %lld zetten\n",
              (std::string(blanks) + ":").c_str(), racks.size(), median(times) / 1000,
              racks.back().legalMoves);
}

}  // namespace

int runBench(int argc, char** argv) {
  const auto arguments = parseArguments(argc, argv, 2, {"quick"}, {"woordenlijst"});
  if (!arguments || !arguments->positional.empty()) {
    return usageError("Gebruik: kwarrel-cli bench [--quick] [--woordenlijst BESTAND]\n");
  }
  // The figures must not depend on where the bench runs: the program folder's
  // list is not used, only a list given.
  const WordGraph* words = wordsInUse(*arguments, false);
  if (words == nullptr) return kExitRejected;
  if (!words->origin().isBuiltIn()) std::printf("Met %s\n", wordListName(*words).c_str());
  const bool quick = arguments->has("quick");
  const int wanted = quick ? kQuickPositions : kFullPositions;

  BenchResult result;
  for (unsigned seed = 1; result.positions < wanted && seed <= kMaxGames; ++seed) {
    playGame(*words, seed, result);
  }

  std::printf("Zoekmeting: %d stellingen uit %d spellen\n", result.positions, result.games);
  std::printf("Handtekening: %lld zetten gevonden\n", result.movesFound);
  for (size_t kind = 0; kind < kSearchKinds.size(); ++kind) {
    for (int blanks = 0; blanks < kBlankKinds; ++blanks) {
      printTimes(kSearchKinds[kind].label, kBlankLabels[blanks], result.times[kind][blanks]);
    }
  }
  std::printf("Blanco-rekken met de minste zetten (laagste tiende)\n");
  for (int blanks = 1; blanks < kBlankKinds; ++blanks) {
    printFewestMoves(kBlankLabels[blanks], result.blankRacks[blanks]);
  }
  std::printf("Blanco-rekken met de meeste zetten (hoogste tiende)\n");
  for (int blanks = 1; blanks < kBlankKinds; ++blanks) {
    printMostMoves(kBlankLabels[blanks], result.blankRacks[blanks]);
  }
  std::fflush(stdout);
  benchAutoGames(*words, quick);
  benchDrawOptimisation(*words, quick);
  benchPlayers(quick);
  return kExitDone;
}

}  // namespace kwarrel::cli

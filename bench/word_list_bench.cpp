// A club's own word list: packing it at run time, loading its cached graph, and
// the search on it beside the same search on the built-in graph. The own list is
// the built-in list read as a file, so both graphs hold the same words.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_racks.h"
#include "dict/graph_packer.h"
#include "dict/word_folding.h"
#include "files/word_list_file.h"
#include "game/board_ops.h"
#include "game/game_state.h"
#include "search/search.h"
#include "search/square_moves.h"

namespace kwarrel {
namespace {

using bench::drawFromPool;

const char* const kListPath = KWARREL_SOURCE_DIR "/resources/woordenlijst.txt";

std::string listBytes() {
  std::ifstream in(kListPath, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void BM_PackWordList(benchmark::State& bench) {
  const std::vector<std::string> words = readWordList(listBytes()).words;
  size_t bytes = 0;
  for (auto _ : bench) {
    const PackedGraph packed = packWordGraph(words);
    bytes = packed.bytes.size();
    benchmark::DoNotOptimize(bytes);
  }
  bench.counters["words"] = static_cast<double>(words.size());
  bench.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PackWordList)->Unit(benchmark::kMillisecond);

// A first start with the list: read, fold, pack and expand.
void BM_ReadAndPackWordList(benchmark::State& bench) {
  const std::string bytes = listBytes();
  for (auto _ : bench) {
    const OwnWordList own = packWordList(bytes, "woordenlijst.txt");
    benchmark::DoNotOptimize(own.graph->nodeCount());
  }
}
BENCHMARK(BM_ReadAndPackWordList)->Unit(benchmark::kMillisecond);

// A later start: the list is read for its checksum and the graph comes from the cache.
void BM_LoadCachedWordList(benchmark::State& bench) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "kwarrel-word-list-bench";
  std::filesystem::create_directories(folder);
  const std::string list = (folder / "woordenlijst.txt").string();
  const std::string cache = (folder / "woordenlijst.kwg").string();
  std::filesystem::copy_file(kListPath, list, std::filesystem::copy_options::overwrite_existing);
  std::filesystem::remove(cache);
  loadOwnWordList(list, cache);
  bool cached = true;
  for (auto _ : bench) {
    const OwnWordList own = loadOwnWordList(list, cache);
    cached = cached && own.fromCache;
  }
  if (!cached) bench.SkipWithError("the cache was not used");
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadCachedWordList)->Unit(benchmark::kMillisecond);

const WordGraph& ownGraph() {
  static const WordGraph graph = [] {
    OwnWordList own = packWordList(listBytes(), "woordenlijst.txt");
    return std::move(*own.graph);
  }();
  return graph;
}


// Positions of seeded self-play games, as the search benchmark makes them, on
// either graph: the same words give the same positions.
std::vector<std::unique_ptr<GameState>> positions(const WordGraph& graph) {
  std::vector<std::unique_ptr<GameState>> set;
  for (unsigned seed = 100; seed < 112; ++seed) {
    auto state = std::make_unique<GameState>(graph);
    resetBoard(*state);
    state->random.seed(seed);
    state->activeSlots = 1;
    for (int turn = 0; turn < static_cast<int>(seed - 97); ++turn) {
      state->rackCounts = drawFromPool(*state);
      std::vector<Move> results;
      if (turn == 0) {
        searchFirstMove(*state, results);
      } else {
        computeCrossChecks(*state);
        searchBoard(*state, results);
      }
      if (results.empty()) break;
      const Move& best = results.front();
      placeMove(*state, best.row, best.column - 64, best.horizontal != 0, best.word);
    }
    state->rackCounts = drawFromPool(*state);
    set.push_back(std::move(state));
  }
  return set;
}

void searchOn(benchmark::State& bench, const WordGraph& graph) {
  const std::vector<std::unique_ptr<GameState>> set = positions(graph);
  std::vector<Move> results;
  size_t i = 0;
  int64_t found = 0;
  for (auto _ : bench) {
    GameState& state = *set[i];
    state.activeSlots = static_cast<int>(bench.range(0));
    results.clear();
    clearSquareMoves(state);
    computeCrossChecks(state);
    searchBoard(state, results);
    found += static_cast<int64_t>(results.size());
    i = (i + 1) % set.size();
  }
  bench.counters["results"] =
      benchmark::Counter(static_cast<double>(found), benchmark::Counter::kAvgIterations);
}

void BM_SearchBuiltInList(benchmark::State& bench) { searchOn(bench, builtInWordGraph()); }
void BM_SearchOwnList(benchmark::State& bench) { searchOn(bench, ownGraph()); }
BENCHMARK(BM_SearchBuiltInList)->ArgName("slots")->Arg(kMoveSlots)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchOwnList)->ArgName("slots")->Arg(kMoveSlots)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kwarrel

// Expanding the built-in word graph and looking whole words up in it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dict/word_graph.h"

extern "C" const unsigned char kwarrel_word_graph_begin[];
extern "C" const unsigned char kwarrel_word_graph_end[];

namespace {

using kwarrel::WordGraph;

void BM_ExpandBuiltInGraph(benchmark::State& state) {
  const size_t size = static_cast<size_t>(kwarrel_word_graph_end - kwarrel_word_graph_begin);
  size_t nodes = 0;
  for (auto _ : state) {
    const auto graph = WordGraph::fromRecords(kwarrel_word_graph_begin, size);
    nodes = graph ? graph->nodeCount() : 0;
    benchmark::DoNotOptimize(nodes);
  }
  state.counters["nodes"] = static_cast<double>(nodes);
  state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_ExpandBuiltInGraph)->Unit(benchmark::kMillisecond);

// A fixed mix: listed words of several lengths, then near misses and non-words.
const char* const kSample[] = {
    "aa",         "aagje",      "kwarrel",    "woordenlijst", "letter",     "zetten",
    "bonzel",     "spelen",     "huis",       "huizen",       "fiets",      "boterham",
    "computer",   "kaas",       "zee",        "water",        "onderwijs",  "vriendschap",
    "ja",         "nee",        "xq",         "qzx",          "aaaaaa",     "woordenlijs",
    "kwarrelen",  "zzzzzzzzzzz", "huisz",     "bkrt",         "onderwijzer", "abcdefghijklmno",
};

std::vector<std::vector<uint8_t>> sampleCodes() {
  std::vector<std::vector<uint8_t>> codes;
  for (const char* word : kSample) {
    std::vector<uint8_t> letters;
    for (const char* c = word; *c != 0; ++c) letters.push_back(static_cast<uint8_t>(*c & 31));
    codes.push_back(letters);
  }
  return codes;
}

void BM_LookupWholeWords(benchmark::State& state) {
  const WordGraph& graph = kwarrel::builtInWordGraph();
  const std::vector<std::vector<uint8_t>> codes = sampleCodes();
  int64_t found = 0;
  for (auto _ : state) {
    for (const auto& letters : codes) {
      const auto node = graph.lookupWord(letters.data(), static_cast<int>(letters.size()));
      found += kwarrel::isEndOfWord(node) ? 1 : 0;
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(codes.size()));
}
BENCHMARK(BM_LookupWholeWords);

}  // namespace

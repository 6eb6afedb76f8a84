// A club's own word list: any bytes read as a list give sorted, unique words of
// 2 to 15 letters a-z, each of them a word of the packed graph, and the graph
// holds no others; the skipped lines are counted. Bytes read as packed records
// are expanded or refused, never read past.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "dict/word_folding.h"
#include "dict/word_graph.h"
#include "files/word_list_file.h"
#include "fuzz_check.h"

namespace {

using kwarrel::fuzz::require;

// Counts the words of the graph, walking every path from the root.
size_t countWords(const kwarrel::WordGraph& graph, kwarrel::GraphNode node, int depth) {
  size_t count = 0;
  for (uint32_t index = kwarrel::firstChild(node); index != 0 && depth < 16; ++index) {
    const kwarrel::GraphNode child = graph.node(index);
    if (kwarrel::isEndOfWord(child)) ++count;
    count += countWords(graph, child, depth + 1);
    if (kwarrel::isLastSibling(child)) break;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // The records as a cache would hold them: expanded safely or refused.
  if (const auto records = kwarrel::WordGraph::fromRecords(data, size)) {
    for (const char* word : {"aa", "kat", "zzzzzzzzzzzzzzz"}) {
      kwarrel::isListedWord(*records, word);
    }
  }

  const kwarrel::WordListReading reading = kwarrel::readWordList(bytes);
  const auto& words = reading.words;
  require(std::adjacent_find(words.begin(), words.end(), std::greater_equal<>()) == words.end(),
          "words sorted and unique");
  for (const std::string& word : words) {
    require(kwarrel::wordFault(word) == kwarrel::WordFault::None, "words of 2 to 15 letters a-z");
  }
  require(reading.firstSkipped.size() == std::min(reading.skippedCount,
                                                  kwarrel::kReportedSkippedLines),
          "the first skipped lines reported");
  const std::string report = kwarrel::wordListReport(reading);
  require(report.rfind(std::to_string(words.size()) + " woorden gelezen, ", 0) == 0,
          "report starts with the word count");

  const kwarrel::OwnWordList own = kwarrel::packWordList(bytes, "fuzz.txt");
  require(own.graph.has_value() == !words.empty(), "a graph exactly when there are words");
  if (!own.graph) return 0;
  for (const std::string& word : words) {
    require(kwarrel::isListedWord(*own.graph, word), "every word read is in the graph");
  }
  require(countWords(*own.graph, own.graph->root(), 0) == words.size(),
          "the graph holds no other words");
  require(own.graph->origin().wordCount == words.size(), "the origin counts the words");
  return 0;
}

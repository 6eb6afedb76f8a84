#include "dict/word_graph.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" const unsigned char kwarrel_word_graph_begin[];
extern "C" const unsigned char kwarrel_word_graph_end[];

namespace kwarrel {
namespace {

// Byte 2 below this marks a 4-byte record.
constexpr uint8_t kShortRecordBase = 15;

std::optional<WordGraph> refuse(int code, int* errorCode) {
  if (errorCode != nullptr) *errorCode = code;
  return std::nullopt;
}

// Counts the records after the header; 0 when the record area is empty or its
// last record is cut short.
size_t countRecords(const uint8_t* bytes, size_t size) {
  size_t count = 0;
  size_t pos = kGraphHeaderSize;
  while (pos < size) {
    if (size - pos < 3) return 0;
    pos += bytes[pos + 2] < kShortRecordBase ? 4 : 3;
    if (pos > size) return 0;
    ++count;
  }
  return count;
}

PackedNode expandRecord(const uint8_t* record, size_t& length) {
  const PackedNode low = record[0] | (static_cast<PackedNode>(record[1]) << 8);
  if (record[2] < kShortRecordBase) {
    length = 4;
    return low | (static_cast<PackedNode>(record[3]) << 16) |
           (static_cast<PackedNode>(record[2]) << 24);
  }
  length = 3;
  return low | (static_cast<PackedNode>(record[2] - kShortRecordBase) << 16);
}

// Every walk steps forward from a child index until a last-sibling node, so each
// child index must have such a node at or after it.
bool childListsEndInside(const GraphNode* nodes, size_t count) {
  size_t lastStop = count;
  for (size_t i = count; i-- > 0;) {
    if (isLastSibling(nodes[i])) {
      lastStop = i;
      break;
    }
  }
  for (size_t i = 0; i < count; ++i) {
    const uint32_t child = firstChild(nodes[i]);
    if (child != 0 && (lastStop == count || child > lastStop)) return false;
  }
  return true;
}

// The letter set of the run from each index to its last sibling, in one pass
// from the end: a run is its first letter plus the run after it.
void fillLetterRuns(const GraphNode* nodes, size_t count, std::vector<uint32_t>& runs) {
  uint32_t after = 0;
  int nextLetter = 0;
  for (size_t i = count; i-- > 0;) {
    const GraphNode node = nodes[i];
    const int letter = nodeLetter(node);
    const bool inRange = letter >= 1 && letter <= 26;
    if (isLastSibling(node)) {
      after = 0;
      nextLetter = 27;
    }
    uint32_t run = after | (inRange ? 1u << letter : kIrregularSiblings);
    if (letter >= nextLetter) run |= kIrregularSiblings;
    runs[i] = run;
    after = run;
    nextLetter = letter;
  }
  runs[0] = 0;
}

WordGraph expandBuiltIn() {
  const size_t size = static_cast<size_t>(kwarrel_word_graph_end - kwarrel_word_graph_begin);
  int errorCode = 0;
  std::optional<WordGraph> graph =
      WordGraph::fromRecords(kwarrel_word_graph_begin, size, &errorCode);
  if (!graph) {
    std::printf("Last error=%d\n", errorCode);
    std::fflush(stdout);
    std::exit(1);
  }
  return std::move(*graph);
}

}  // namespace

std::optional<WordGraph> WordGraph::fromRecords(const uint8_t* bytes, size_t size,
                                                int* errorCode) {
  if (bytes == nullptr || size <= kGraphHeaderSize) {
    return refuse(kGraphErrorBadLength, errorCode);
  }
  const size_t count = countRecords(bytes, size);
  if (count == 0) return refuse(kGraphErrorBadLength, errorCode);

  WordGraph graph;
  graph.storage_.resize(count);
  GraphNode* nodes = graph.storage_.data();
  size_t pos = kGraphHeaderSize;
  for (size_t i = 0; i < count; ++i) {
    size_t length = 0;
    nodes[i] = expandRecord(bytes + pos, length);
    pos += length;
  }
  if (!childListsEndInside(nodes, count)) return refuse(kGraphErrorBadData, errorCode);
  std::vector<uint32_t> runs(count);
  fillLetterRuns(nodes, count, runs);
  for (size_t i = 0; i < count; ++i) {
    nodes[i] |= static_cast<GraphNode>(runs[firstChild(nodes[i])]) << 32;
  }
  return graph;
}

GraphNode WordGraph::scanForChild(GraphNode node, int letter) const {
  for (uint32_t index = firstChild(node);; ++index) {
    const GraphNode child = storage_[index];
    if (nodeLetter(child) == letter) return child;
    if (isLastSibling(child)) return 0;
  }
}

GraphNode WordGraph::lookupWord(const uint8_t* letters, int length) const {
  if (length <= 0) return 0;
  GraphNode node = root();
  for (int i = 0; i < length; ++i) {
    node = childWithLetter(node, letters[i]);
    if (node == 0) return 0;
  }
  return node;
}

bool isListedWord(const WordGraph& graph, std::string_view text) {
  if (text.empty()) return false;
  GraphNode node = graph.root();
  for (const char c : text) {
    const bool isLetter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!isLetter) return false;
    node = graph.childWithLetter(node, c & 31);
    if (node == 0) return false;
  }
  return isEndOfWord(node);
}

std::string wordListName(const WordGraph& graph) {
  const WordListOrigin& origin = graph.origin();
  if (origin.isBuiltIn()) return "ingebouwde woordenlijst";
  return "woordenlijst " + origin.fileName + " (" + std::to_string(origin.wordCount) + " woorden)";
}

const WordGraph& builtInWordGraph() {
  static const WordGraph graph = expandBuiltIn();
  return graph;
}

}  // namespace kwarrel

// The dictionary: every valid word as a path through a packed letter graph with
// shared tails, held in one flat array of 32-bit nodes.
//
// Node bits 0..4: letter code; bit 6: end of word; bit 7: last sibling;
// bits 8..31: index of the first child (0 = none).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kwarrel {

using GraphNode = uint32_t;

constexpr GraphNode kEndOfWord = 1u << 6;
constexpr GraphNode kLastSibling = 1u << 7;

constexpr int nodeLetter(GraphNode node) { return static_cast<int>(node & 31u); }
constexpr bool isEndOfWord(GraphNode node) { return (node & kEndOfWord) != 0; }
constexpr bool isLastSibling(GraphNode node) { return (node & kLastSibling) != 0; }
constexpr uint32_t firstChild(GraphNode node) { return node >> 8; }

// Size of the header before the first packed record.
constexpr size_t kGraphHeaderSize = 8;

// Why packed records were refused (system-style codes, printed on a damaged
// built-in graph): no record or a record cut short, or a child index that
// leads outside the array.
constexpr int kGraphErrorBadLength = 24;
constexpr int kGraphErrorBadData = 13;

class WordGraph {
 public:
  // Expands packed records (header, then 3- or 4-byte records). No record, a
  // record cut short, or a child index whose sibling list runs past the end of
  // the array is a damaged graph: nullopt, and *errorCode (when given) says why.
  static std::optional<WordGraph> fromRecords(const uint8_t* bytes, size_t size,
                                              int* errorCode = nullptr);

  // The node reached by the last of `length` letter codes, or 0 when the path does
  // not exist or length <= 0. Bit 6 of the result says whether it is a word.
  GraphNode lookupWord(const uint8_t* letters, int length) const;

  // The child of `node` with letter code `letter`, or 0 when there is none.
  // One step of lookupWord, for callers that walk letter by letter.
  GraphNode childWithLetter(GraphNode node, int letter) const;

  // The root node; 0 (no children, no word) for a graph without nodes.
  GraphNode root() const { return nodes_.empty() ? 0 : nodes_.back(); }
  const GraphNode* nodes() const { return nodes_.data(); }
  size_t nodeCount() const { return nodes_.size(); }
  GraphNode node(uint32_t index) const { return nodes_[index]; }

 private:
  std::vector<GraphNode> nodes_;
};

// Whether `text` is a word of the graph; lower and upper case alike. Any character
// outside a-z and A-Z makes it not a word.
bool isListedWord(const WordGraph& graph, std::string_view text);

// The graph built into the program, expanded on first use and shared read-only.
// A damaged built-in graph ends the program with "Last error=%d\n", exit code 1.
const WordGraph& builtInWordGraph();

}  // namespace kwarrel

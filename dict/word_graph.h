// The dictionary: every valid word as a path through a packed letter graph with
// shared tails, held in one flat array of 64-bit nodes.
//
// Node bits 0..4: letter code; bit 6: end of word; bit 7: last sibling;
// bits 8..31: index of the first child (0 = none); bits 32..63: the letters of
// its children (see childLetters). The low 32 bits are the packed record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kwarrel {

using GraphNode = uint64_t;
// A node as packed records hold it: the low 32 bits of a GraphNode.
using PackedNode = uint32_t;

constexpr PackedNode kEndOfWord = 1u << 6;
constexpr PackedNode kLastSibling = 1u << 7;

constexpr int nodeLetter(GraphNode node) { return static_cast<int>(node & 31u); }
constexpr bool isEndOfWord(GraphNode node) { return (node & kEndOfWord) != 0; }
constexpr bool isLastSibling(GraphNode node) { return (node & kLastSibling) != 0; }
constexpr uint32_t firstChild(GraphNode node) { return static_cast<uint32_t>(node) >> 8; }

// The functions of one step down the graph are always inlined. The search is also
// built for processors with a bit-count instruction; an out-of-line copy made by
// that build must never be shared with code built for any processor.
#define KWARREL_GRAPH_STEP [[gnu::always_inline]]

// The number of set bits. Written out: without a population-count instruction in
// the target, std::popcount becomes a library call, far slower than these steps;
// with one, the compiler turns these steps into that instruction.
KWARREL_GRAPH_STEP constexpr uint32_t bitCount(uint32_t bits) {
  bits = bits - ((bits >> 1) & 0x55555555u);
  bits = (bits & 0x33333333u) + ((bits >> 2) & 0x33333333u);
  return (((bits + (bits >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24;
}

// A set of letter codes: bit k for code k, 1..26.
constexpr uint32_t kLetterBits = 0x07FFFFFEu;
// Marks a sibling list that is not in strictly ascending letter order, or holds a
// code outside 1..26: such a list is scanned instead of indexed.
constexpr uint32_t kIrregularSiblings = 1u << 31;

// Size of the header before the first packed record.
constexpr size_t kGraphHeaderSize = 8;

// Why packed records were refused (system-style codes, printed on a damaged
// built-in graph): no record or a record cut short, or a child index that
// leads outside the array.
constexpr int kGraphErrorBadLength = 24;
constexpr int kGraphErrorBadData = 13;

// Where the words of a graph came from: a club's own list has a file name and a
// word count; the list built into the program has neither.
struct WordListOrigin {
  std::string fileName;
  size_t wordCount = 0;

  bool isBuiltIn() const { return fileName.empty(); }
};

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
  KWARREL_GRAPH_STEP GraphNode childWithLetter(GraphNode node, int letter) const {
    if (letter < 1 || letter > 26) return 0;
    const uint32_t letters = childLetters(node);
    if ((letters & (1u << letter)) == 0) return 0;
    if ((letters & kIrregularSiblings) != 0) return scanForChild(node, letter);
    return indexedChild(node, letters, letter);
  }

  // The letters of the children of `node` as a letter set, with kIrregularSiblings
  // when they cannot be indexed; 0 for a node without children. Kept in the node
  // itself, so a step down the graph reads one node.
  KWARREL_GRAPH_STEP static constexpr uint32_t childLetters(GraphNode node) {
    return static_cast<uint32_t>(node >> 32);
  }

  // The child of `node` with `letter`, given letters = childLetters(node) holding
  // `letter` and not kIrregularSiblings: in an ascending list the letters below it
  // count the siblings before it.
  KWARREL_GRAPH_STEP GraphNode indexedChild(GraphNode node, uint32_t letters, int letter) const {
    const uint32_t before = letters & ((1u << letter) - 1);
    return storage_[firstChild(node) + bitCount(before)];
  }

  // The root node; 0 (no children, no word) for a graph without nodes.
  GraphNode root() const { return storage_.empty() ? 0 : storage_.back(); }
  const GraphNode* nodes() const { return storage_.data(); }
  size_t nodeCount() const { return storage_.size(); }
  GraphNode node(uint32_t index) const { return storage_[index]; }

  const WordListOrigin& origin() const { return origin_; }
  void setOrigin(WordListOrigin origin) { origin_ = std::move(origin); }

 private:
  // childWithLetter for a sibling list that cannot be indexed: the first match.
  GraphNode scanForChild(GraphNode node, int letter) const;

  // One allocation: the node array; a node's high half holds the letter set of the
  // sibling run from its first child to that child's last sibling.
  std::vector<GraphNode> storage_;
  WordListOrigin origin_;
};

// The list a graph was made from, as the version text and `kwarrel-cli check`
// name it: "ingebouwde woordenlijst", or the file name and its word count.
std::string wordListName(const WordGraph& graph);

// Whether `text` is a word of the graph; lower and upper case alike. Any character
// outside a-z and A-Z makes it not a word.
bool isListedWord(const WordGraph& graph, std::string_view text);

// The graph built into the program, expanded on first use and shared read-only.
// A damaged built-in graph ends the program with "Last error=%d\n", exit code 1.
const WordGraph& builtInWordGraph();

}  // namespace kwarrel

// Turns a word list into the packed word graph: a trie whose equal tails are
// shared, laid out as the node array the program expands at start-up.
//
// Used by the build-time graph builder, and at run time for a club's own list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dict/word_folding.h"
#include "dict/word_graph.h"

namespace kwarrel {

// The packed form cannot express a child index at or above this.
constexpr uint32_t kMaxChildIndex = 983040;

// Node bits 16..23 up to this (and bits 24..31 zero) fit the 3-byte record.
constexpr uint32_t kMaxShortRecordHigh = 240;

// Header before the records: magic, format version, three reserved zero bytes.
constexpr char kGraphMagic[4] = {'K', 'W', 'G', 'R'};
constexpr uint8_t kGraphFormatVersion = 1;

// Told how far packing has come: words fed in so far, out of all. Called every
// kProgressStep words, from the thread that packs.
using PackProgress = std::function<void(size_t wordsDone, size_t wordsTotal)>;
constexpr size_t kProgressStep = 4096;

struct PackedGraph {
  std::vector<uint8_t> bytes;  // header, then one record per node
  size_t nodeCount = 0;
  std::string error;  // empty when packing succeeded; else what is wrong
};

// The node array of a minimal graph holding exactly `words` (any order,
// duplicates ignored). Siblings are in alphabetical order, index 0 is a filler
// that is never a child, the root is the last node. On a word outside the
// limits, returns an empty array and sets `error`.
std::vector<PackedNode> buildGraphNodes(const std::vector<std::string>& words,
                                       std::string& error, const PackProgress& progress = {});

// The header and the 3- or 4-byte record of every node. Checks that the array
// is not empty and every child index lies inside it and below kMaxChildIndex.
PackedGraph packGraphNodes(const std::vector<PackedNode>& nodes);

// buildGraphNodes followed by packGraphNodes.
PackedGraph packWordGraph(const std::vector<std::string>& words,
                          const PackProgress& progress = {});

}  // namespace kwarrel

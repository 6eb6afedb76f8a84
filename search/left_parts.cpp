// Left parts: the letters laid from the rack before an anchor. They depend only
// on the rack, so they are built once per search into a table, in the order the
// search meets them, and each anchor picks the ones that can go on at it.
#include <algorithm>
#include <array>

#include "search/searcher.h"

namespace kwarrel::KWARREL_SEARCH_VARIANT {
namespace {

// In a left part's letters that can follow it: no tile needs to follow.
constexpr uint32_t kNoTileFollows = 1u;

}  // namespace

// The most letters a left part can have on this board: the most empty squares
// between an anchor and the anchor before it in its line.
int Searcher::longestLeftPart() const {
  int longest = 0;
  for (int line = 1; line <= kBoardSize; ++line) {
    for (const bool horizontal : {true, false}) {
      int previous = 0;
      const uint32_t anchors = horizontal ? anchorsAcross_[line] : anchorsDown_[line];
      for (uint32_t todo = anchors; todo != 0; todo &= todo - 1) {
        const int k = std::countr_zero(todo);
        const Cell& before = horizontal ? state_.board.at(line, k - 1) : state_.board.at(k - 1, line);
        if (before.empty) longest = std::max(longest, k - previous - 1);
        previous = k;
      }
    }
  }
  return longest;
}

// Every left part of the rack, once per search, so that each anchor only picks
// the ones that can go on at it instead of building them all again. Too many
// (a rack of many blanks) and each anchor builds its own.
void Searcher::tableLeftParts(GraphNode root, int longest) {
  // Sized once for the most left parts kept; entries are written in place.
  if (state_.leftParts.size() != kMaxLeftParts) {
    state_.leftParts.resize(kMaxLeftParts);
    state_.leftPartPaths.resize(kMaxLeftParts);
  }
  tableSize_ = 0;
  leftPartsTabled_ = addLeftPart(root, -1, 0, longest);
}

// Adds the left part ending in `node` and, depth first, its longer ones up to
// `longest` letters; false when the table is full.
bool Searcher::addLeftPart(GraphNode node, int32_t parent, int depth, int longest) {
  if (tableSize_ == kMaxLeftParts) return false;
  const uint32_t index = tableSize_++;
  LeftPartPath& path = state_.leftPartPaths[index];
  path.node = node;
  path.parent = parent;
  path.layable = layable();
  path.letter = depth > 0 ? word_[depth - 1] : 0;
  path.blank = depth > 0 ? state_.blankFlags[depth - 1] : 0;
  LeftPart& part = state_.leftParts[index];
  part.depth = static_cast<uint32_t>(depth);
  part.fits = graph_.childLetters(node) & path.layable & kLetterBits;

  if (depth >= longest) {
    // No longer left parts: what follows its letters is looked up here.
    part.after = lettersAfter(node, part.fits) | kNoTileFollows;
    part.reach = part.fits;
    part.reachAfter = part.after;
    part.next = index + 1;
    return true;
  }
  // Its longer left parts are its letters that fit, so they tell what follows.
  bool complete = true;
  uint32_t after = kNoTileFollows;
  uint32_t reach = part.fits;
  uint32_t reachAfter = 0;
  forEachRackLetter(node, depth, kAllLetters, [&](GraphNode child) {
    if (!complete) return;
    const uint32_t childIndex = tableSize_;
    complete = addLeftPart(child, static_cast<int32_t>(index), depth + 1, longest);
    if (!complete) return;
    after |= graph_.childLetters(child) & kLetterBits;
    reach |= state_.leftParts[childIndex].reach;
    reachAfter |= state_.leftParts[childIndex].reachAfter;
  });
  part.after = after;
  part.reach = reach;
  part.reachAfter = reachAfter | after;
  part.next = tableSize_;
  return complete;
}

// The letters that can follow node + x for x in `fits`.
uint32_t Searcher::lettersAfter(GraphNode node, uint32_t fits) const {
  const uint32_t letters = graph_.childLetters(node);
  if ((letters & kIrregularSiblings) != 0) return kLetterBits;
  uint32_t after = 0;
  for (uint32_t todo = fits; todo != 0; todo &= todo - 1) {
    after |= graph_.childLetters(graph_.indexedChild(node, letters, std::countr_zero(todo)));
  }
  return after & kLetterBits;
}

// The left parts of at most `limit` letters in table order (the order in which
// they are built), each extended at the anchor when it can lay a letter there.
void Searcher::leftPartsFromTable(int limit) {
  const auto& table = state_.leftParts;
  const uint32_t check = state_.line[state_.anchor].check;
  // A tile right after the anchor must follow the anchor's letter.
  const LineSquare& next = state_.line[state_.anchor + 1];
  const uint32_t follow = next.empty ? kNoTileFollows : letterBit(next.letter);
  const uint32_t size = tableSize_;
  // No longer left parts than the longest searched.
  const auto depthLimit = std::min(static_cast<uint32_t>(limit),
                                   static_cast<uint32_t>(std::bit_width(anchorDepths_)) - 1u);
  // Which left parts are passed over follows no pattern a processor could
  // predict, so the walk only notes the ones worth a closer look, without
  // branching, and looks at them afterwards, a batch at a time, in table order.
  constexpr uint32_t kBatch = 256;
  std::array<uint32_t, kBatch> noted;
  uint32_t count = 0;
  for (uint32_t i = 0; i < size;) {
    const LeftPart& part = table[i];
    const bool passed = ((part.reach & check) == 0) | ((part.reachAfter & follow) == 0);
    const bool fits = ((part.fits & check) != 0) & ((part.after & follow) != 0);
    noted[count] = i;
    count += static_cast<uint32_t>(!passed & fits);
    i = (passed | (part.depth >= depthLimit)) ? part.next : i + 1;
    if (count == kBatch) {
      extendNoted(noted.data(), count, check);
      count = 0;
    }
  }
  extendNoted(noted.data(), count, check);
}

// Extends the noted left parts whose letter at the anchor lets the word go on.
void Searcher::extendNoted(const uint32_t* noted, uint32_t count, uint32_t check) {
  for (uint32_t k = 0; k < count; ++k) {
    const uint32_t i = noted[k];
    const LeftPart& part = state_.leftParts[i];
    if (searchesDepth(part.depth) && mayGoOn(i, part.fits & check)) extendFromLeftPart(i);
  }
}

// Whether some letter of `atAnchor` laid at the anchor after `part` lets the
// word go on; most left parts that fit the anchor stop right after it.
bool Searcher::mayGoOn(uint32_t index, uint32_t atAnchor) const {
  const LeftPartPath& path = state_.leftPartPaths[index];
  const uint32_t letters = graph_.childLetters(path.node);
  if ((letters & kIrregularSiblings) != 0) return true;
  const int next = state_.anchor + 1;
  for (uint32_t todo = atAnchor; todo != 0; todo &= todo - 1) {
    const GraphNode child = graph_.indexedChild(path.node, letters, std::countr_zero(todo));
    // The rack after the anchor's letter lays no letter it could not lay before.
    if (continues(child, next, path.layable)) return true;
  }
  return false;
}

// Lays the letters of left part `index` before the anchor, takes their tiles,
// extends to the right, and puts the tiles back.
void Searcher::extendFromLeftPart(uint32_t index) {
  const auto& paths = state_.leftPartPaths;
  auto& rack = state_.rackCounts;
  const int depth = static_cast<int>(state_.leftParts[index].depth);
  int position = depth;
  for (int32_t i = static_cast<int32_t>(index); position > 0; i = paths[i].parent) {
    const LeftPartPath& path = paths[i];
    --position;
    word_[position] = path.letter;
    state_.blankFlags[position] = path.blank;
    if (path.blank != 0) {
      --rack[0];
    } else {
      takeTile(path.letter);
    }
  }
  const GraphNode node = paths[index].node;
  extendOnEmpty(node, depth > 0 && isEndOfWord(node), state_.anchor, depth,
                partialBefore(state_.anchor, depth));
  position = depth;
  for (int32_t i = static_cast<int32_t>(index); position > 0; i = paths[i].parent) {
    --position;
    if (paths[i].blank != 0) {
      ++rack[0];
    } else {
      returnTile(paths[i].letter);
    }
  }
}

// Without the table: the left parts of at most `limit` letters, built for this
// anchor alone, in the same order.
void Searcher::leftPart(GraphNode node, bool wordSoFar, int limit, int depth) {
  if (searchesDepth(static_cast<uint32_t>(depth)) && fitsAnchor(node)) {
    extendOnEmpty(node, wordSoFar, state_.anchor, depth, partialBefore(state_.anchor, depth));
  }
  if (limit <= 0) return;
  forEachRackLetter(node, depth, kAllLetters, [&](GraphNode child) {
    leftPart(child, isEndOfWord(child), limit - 1, depth + 1);
  });
}

}  // namespace kwarrel::KWARREL_SEARCH_VARIANT

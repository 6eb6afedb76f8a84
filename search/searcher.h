// The best-move search, shared by its files: one search's state (word buffer,
// weakest kept slot, left-part table) and the recursion over the word graph.
// Internal to search/; callers use search/search.h.
//
// These files are compiled twice, once for any x86-64 processor and once for
// processors that count bits in one instruction (see search_variants.h); each
// build puts the search in its own namespace, KWARREL_SEARCH_VARIANT.
#pragma once

#ifndef KWARREL_SEARCH_VARIANT
#error "searcher.h belongs to the search variants; KWARREL_SEARCH_VARIANT names one"
#endif

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "dict/word_graph.h"
#include "game/game_state.h"
#include "search/move_bounds.h"
#include "search/score.h"

namespace kwarrel::KWARREL_SEARCH_VARIANT {

// One search. Lives on the caller's stack; allocates nothing itself but, once per
// game state, the left-part table.
//
// With one slot, every move wanted and a blank on the rack, anchors are searched
// by what a move there can score at most (MoveBounds' bound, with the rack's own
// tiles), highest first, and an anchor is passed over once the best move found
// beats every move it can hold. The move kept is still the first of the best the
// visiting order meets: a move of equal score replaces it only when found at an
// anchor visited earlier. Without a blank the search is fast enough that bounding
// it gains nothing: it visits every anchor in order.
class Searcher {
 public:
  // With `depths`, only the moves it marks are searched (see MoveBounds).
  explicit Searcher(GameState& state, const AnchorDepths* depths = nullptr);
  ~Searcher() { state_.blankFlags = savedBlankFlags_; }
  Searcher(const Searcher&) = delete;
  Searcher& operator=(const Searcher&) = delete;

  void searchBoard();
  void searchFirstMove();
  // Every kept move with a score of 1 or more, by descending score; equal scores
  // in slot order.
  void emit(std::vector<Move>& results);

 private:
  static constexpr int kBorder = kBoardSide - 1;  // index of the far border square of a line
  static constexpr int32_t kNoScoreYet = 99999;
  // In the letters that would continue a word: it is a word already.
  static constexpr uint32_t kWordEnds = 1u;

  static constexpr uint32_t letterBit(int code) { return 1u << code; }

  // What lies ahead of a letter laid before `square` (past the anchor): whether
  // the tiles from `square` on continue the word, and which letters would
  // continue it on the empty square after them.
  struct Ahead {
    bool open = false;
    GraphNode node = 0;  // reached after the tiles
    int square = 0;      // the empty square (or border) after them
    // The letters that would continue the word there, with kWordEnds when it is a
    // word already; 0 when the tiles do not continue it.
    uint32_t next = 0;
    // Whether the extension can record a word or lay more with `layable` letters.
    bool allows(uint32_t layable) const { return (next & (layable | kWordEnds)) != 0; }
  };

  // The board pass.
  void findAnchors();
  void searchLine(GraphNode root, int lineIndex);
  void loadLine(bool horizontal, int lineIndex, std::array<LineSquare, kBoardSide>& line) const;
  void prepareScoring(bool horizontal, int lineIndex, ScoringSquare* scoring) const;
  void searchAnchor(GraphNode root, int k, int limit);
  void searchBestFirst(GraphNode root);
  // The depths at the anchor of `bound` (visited `ordinal`-th) where a move may
  // still replace the kept one, or, while no seven-tile move has been scored, lay
  // seven tiles.
  uint32_t depthsWorthSearching(const AnchorBound& bound, int ordinal) const;
  void extendFromRun(int k);
  void firstMoveWalk(GraphNode node, int depth);

  // Left parts (left_parts.cpp).
  int longestLeftPart() const;
  void tableLeftParts(GraphNode root, int longest);
  bool addLeftPart(GraphNode node, int32_t parent, int depth, int longest);
  uint32_t lettersAfter(GraphNode node, uint32_t fits) const;
  void leftPartsFromTable(int limit);
  void extendNoted(const uint32_t* noted, uint32_t count, uint32_t check);
  // Whether moves starting `depth` squares before the anchor are searched.
  bool searchesDepth(uint32_t depth) const { return ((anchorDepths_ >> depth) & 1u) != 0; }
  bool mayGoOn(uint32_t index, uint32_t atAnchor) const;
  void extendFromLeftPart(uint32_t index);
  void leftPart(GraphNode node, bool wordSoFar, int limit, int depth);

  // The score sums of the word so far when its first `depth` letters lie before
  // square `square` of the line: the letters of word_ and blankFlags.
  ScoreSums partialBefore(int square, int depth) const;
  int32_t letterValue(int letter, bool blank) const {
    return state_.valueTable[blank ? 0 : letter];
  }

  // The right extension (searcher.cpp).
  void extendRight(GraphNode node, bool wordSoFar, int square, int depth, ScoreSums partial);
  void extendOnEmpty(GraphNode node, bool wordSoFar, int square, int depth, ScoreSums partial);

  // Result slots.
  void record(int length, int lastIndex, const ScoreSums& partial);
  void fillMove(Move& move, int length, int lastIndex, int32_t score) const;
  void findWeakestSlot();

  // Letters the rack could lay after laying a real `letter`.
  uint32_t layableWithout(int letter) const {
    if (state_.rackCounts[0] > 0) return kLetterBits;
    return state_.rackCounts[letter] > 1 ? rackLetters_ : rackLetters_ & ~letterBit(letter);
  }

  // Letters the rack can still lay: any with a blank left.
  uint32_t layable() const { return state_.rackCounts[0] > 0 ? kLetterBits : rackLetters_; }

  // Whether the right extension from `node` at the empty anchor square can lay a
  // letter there; when it cannot, it would find nothing.
  bool fitsAnchor(GraphNode node) const {
    return (graph_.childLetters(node) & state_.line[state_.anchor].check & layable()) != 0;
  }

  // Walks the tiles from `square` on after `node`.
  Ahead lookAhead(GraphNode node, int square) const {
    const auto& line = state_.line;
    while (!line[square].empty) {
      node = graph_.childWithLetter(node, line[square].letter);
      if (node == 0) return {};
      ++square;
    }
    Ahead ahead;
    ahead.open = true;
    ahead.node = node;
    ahead.square = square;
    const uint32_t letters = square < kBorder ? graph_.childLetters(node) & line[square].check : 0;
    ahead.next = (letters & kLetterBits) | (isEndOfWord(node) ? kWordEnds : 0);
    return ahead;
  }

  // Whether the right extension from `node`, whose letter was just laid before
  // `square`, can find anything: skipping the others saves work that finds nothing.
  bool continues(GraphNode node, int square, uint32_t layable) const {
    return lookAhead(node, square).allows(layable);
  }

  // Tries each child of `node` allowed by `check` at word position `depth`: as a
  // real tile when the rack holds one, then (or else) as a blank. Counts are taken
  // for the call and put back after it.
  template <typename Descend>
  void forEachRackLetter(GraphNode node, int depth, uint32_t check, Descend&& descend) {
    // Only letters that are children, allowed here and layable are looked at.
    const uint32_t letters = graph_.childLetters(node);
    const uint32_t usable = letters & check & layable() & kLetterBits;
    if (usable == 0) return;
    if ((letters & kIrregularSiblings) == 0) {
      // Ascending siblings: lowest letter first is array order.
      for (uint32_t todo = usable; todo != 0; todo &= todo - 1) {
        const int letter = std::countr_zero(todo);
        tryLetter(graph_.indexedChild(node, letters, letter), letter, depth, descend);
      }
      return;
    }
    for (uint32_t index = firstChild(node);; ++index) {
      const GraphNode child = graph_.node(index);
      const int letter = nodeLetter(child);
      if ((usable & letterBit(letter)) != 0) tryLetter(child, letter, depth, descend);
      if (isLastSibling(child)) break;
    }
  }

  // Lays `letter` at word position `depth`: as a real tile when the rack holds
  // one, then (or else) as a blank.
  template <typename Descend>
  void tryLetter(GraphNode child, int letter, int depth, Descend& descend) {
    auto& rack = state_.rackCounts;
    word_[depth] = static_cast<uint8_t>(letter);
    if (rack[letter] > 0) {
      state_.blankFlags[depth] = 0;
      takeTile(letter);
      descend(child);
      returnTile(letter);
    }
    if (rack[0] > 0) {
      state_.blankFlags[depth] = 1;
      --rack[0];
      descend(child);
      ++rack[0];
    }
  }

  void takeTile(int letter) {
    if (--state_.rackCounts[letter] == 0) rackLetters_ &= ~letterBit(letter);
  }
  void returnTile(int letter) {
    ++state_.rackCounts[letter];
    rackLetters_ |= letterBit(letter);
  }

  GameState& state_;
  const WordGraph& graph_;
  const int activeSlots_;
  const bool fileMoves_;
  const std::array<uint8_t, 16> savedBlankFlags_;
  uint8_t word_[16] = {};
  std::array<ScoringSquare, kBoardSide> scoring_{};  // squares of the line searched ...
  const ScoringSquare* lineScoring_ = scoring_.data();  // ... or where they are kept
  uint32_t rackLetters_ = 0;  // letters the rack still holds as real tiles
  bool leftPartsTabled_ = false;
  uint32_t tableSize_ = 0;  // left parts in the table
  // Bit k of entry i: square k of row i (across) or column i (down) is an anchor.
  std::array<uint16_t, kBoardSide> anchorsAcross_{};
  std::array<uint16_t, kBoardSide> anchorsDown_{};
  const AnchorDepths* depths_;  // null: every move
  uint32_t anchorDepths_ = kEveryDepth;  // of the anchor searched
  // Best first (see above): the anchor searched, its rank in visiting order, and
  // the rank of the anchor the kept move was found at (-1: none kept).
  const bool bestFirst_;
  const AnchorBound* anchorBound_ = nullptr;
  int anchorOrdinal_ = 0;
  int keptOrdinal_ = -1;
  int weakestSlot_ = -1;
  int32_t weakestScore_ = kNoScoreYet;
  Move candidate_;  // a filed move that no slot keeps
};

}  // namespace kwarrel::KWARREL_SEARCH_VARIANT

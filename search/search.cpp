#include "search/search.h"

#include <algorithm>

#include "search/score.h"
#include "search/square_moves.h"

namespace kwarrel {
namespace {

constexpr int kBorder = kBoardSide - 1;  // index of the far border square of a line
constexpr int32_t kNoScoreYet = 99999;
constexpr int kFirstMoveRow = 8;
constexpr int kCentre = 8;
constexpr uint32_t kLetterBits = 0x07FFFFFEu;  // bits 1..26

constexpr bool isLetterCode(int code) { return code >= 1 && code <= 26; }
constexpr uint32_t letterBit(int code) { return 1u << code; }

// The letters k for which prefix + k + suffix is a word, plus the bits that carry no
// letter. Walking the prefix once and then each child gives the same set as looking
// up all 26 patterns, for a fraction of the work.
uint32_t holeLetters(const WordGraph& graph, const uint8_t* prefix, int prefixLength,
                     const uint8_t* suffix, int suffixLength) {
  uint32_t allowed = ~kLetterBits;
  const GraphNode node = prefixLength > 0 ? graph.lookupWord(prefix, prefixLength) : graph.root();
  uint32_t index = firstChild(node);
  if (index == 0) return allowed;
  uint32_t seen = 0;
  for (;; ++index) {
    const GraphNode child = graph.node(index);
    const int letter = nodeLetter(child);
    // Only the first sibling with a letter counts, as in a lookup.
    if (isLetterCode(letter) && (seen & letterBit(letter)) == 0) {
      seen |= letterBit(letter);
      GraphNode reached = child;
      for (int i = 0; i < suffixLength && reached != 0; ++i) {
        reached = graph.childWithLetter(reached, suffix[i]);
      }
      if (reached != 0 && isEndOfWord(reached)) allowed |= letterBit(letter);
    }
    if (isLastSibling(child)) break;
  }
  return allowed;
}

// Sets `check` for the hole at (row, column) in the run along (rowStep, columnStep);
// false, leaving it alone, when no tile touches the hole in that direction.
bool runCheck(const GameState& state, int row, int column, int rowStep, int columnStep,
              uint32_t& check) {
  const Board& board = state.board;
  int before = 0;
  while (!board.at(row - (before + 1) * rowStep, column - (before + 1) * columnStep).empty) {
    ++before;
  }
  int after = 0;
  while (!board.at(row + (after + 1) * rowStep, column + (after + 1) * columnStep).empty) {
    ++after;
  }
  if (before + after == 0) return false;
  uint8_t prefix[kMaxWordLength];
  uint8_t suffix[kMaxWordLength];
  for (int i = 0; i < before; ++i) {
    const int steps = before - i;
    prefix[i] = board.at(row - steps * rowStep, column - steps * columnStep).letter;
  }
  for (int i = 0; i < after; ++i) {
    suffix[i] = board.at(row + (i + 1) * rowStep, column + (i + 1) * columnStep).letter;
  }
  check = holeLetters(state.words, prefix, before, suffix, after);
  return true;
}

bool isAnchor(const Board& board, int row, int column) {
  return board.at(row, column).empty &&
         (!board.at(row - 1, column).empty || !board.at(row + 1, column).empty ||
          !board.at(row, column - 1).empty || !board.at(row, column + 1).empty);
}

// One search: the word buffer, the weakest kept slot, and the recursion over the
// word graph. Lives on the caller's stack; allocates nothing itself.
class Searcher {
 public:
  explicit Searcher(GameState& state)
      : state_(state),
        graph_(state.words),
        activeSlots_(std::clamp(state.activeSlots, 1, kMoveSlots)),
        fileMoves_(activeSlots_ > 1),
        savedBlankFlags_(state.blankFlags) {
    for (int i = 0; i < activeSlots_; ++i) state_.moveSlots[i].score = 0;
    findWeakestSlot();
    for (int letter = 1; letter <= 26; ++letter) {
      if (state_.rackCounts[letter] > 0) rackLetters_ |= letterBit(letter);
    }
  }
  ~Searcher() { state_.blankFlags = savedBlankFlags_; }
  Searcher(const Searcher&) = delete;
  Searcher& operator=(const Searcher&) = delete;

  void searchBoard() {
    const GraphNode root = graph_.root();
    if (root == 0) return;
    for (const bool horizontal : {true, false}) {
      state_.horizontal = horizontal ? 1 : 0;
      for (int lineIndex = 1; lineIndex <= kBoardSize; ++lineIndex) searchLine(root, lineIndex);
    }
  }

  void searchFirstMove() {
    state_.horizontal = 1;
    state_.lineIndex = kFirstMoveRow;
    const GraphNode root = graph_.root();
    if (root != 0) firstMoveWalk(root, 0);
  }

  // Every kept move with a score of 1 or more, by descending score; equal scores
  // in slot order.
  void emit(std::vector<Move>& results) {
    auto& slots = state_.moveSlots;
    for (int round = 0; round < activeSlots_; ++round) {
      int32_t best = 1;
      for (int i = 0; i < activeSlots_; ++i) best = std::max(best, slots[i].score);
      for (int i = 0; i < activeSlots_; ++i) {
        if (slots[i].score < best) continue;
        results.push_back(slots[i]);
        slots[i].score = 0;
      }
    }
  }

 private:
  void searchLine(GraphNode root, int lineIndex) {
    const bool horizontal = state_.horizontal != 0;
    for (int i = 0; i < kBoardSide; ++i) {
      const Cell& cell = horizontal ? state_.board.at(lineIndex, i) : state_.board.at(i, lineIndex);
      state_.line[i] = LineSquare{cell.empty, cell.letter,
                                  horizontal ? cell.downCheck : cell.acrossCheck};
    }
    state_.lineIndex = lineIndex;
    int previousAnchor = 0;
    for (int k = 1; k <= kBoardSize; ++k) {
      const bool anchor = horizontal ? isAnchor(state_.board, lineIndex, k)
                                     : isAnchor(state_.board, k, lineIndex);
      if (!anchor) continue;
      state_.anchor = k;
      if (state_.line[k - 1].empty) {
        leftPart(root, false, k - previousAnchor - 1, 0);
      } else {
        extendFromRun(k);
      }
      previousAnchor = k;
    }
  }

  // The tiles just before the anchor start the word; only the right part is free.
  void extendFromRun(int k) {
    int start = k - 1;
    while (!state_.line[start - 1].empty) --start;
    const int length = k - start;
    for (int i = 0; i < length; ++i) {
      word_[i] = state_.line[start + i].letter;
      state_.blankFlags[i] = 0;
    }
    const GraphNode node = graph_.lookupWord(word_, length);
    if (node != 0 && firstChild(node) != 0) extendRight(node, false, k, length);
  }

  void leftPart(GraphNode node, bool wordSoFar, int limit, int depth) {
    extendRight(node, wordSoFar, state_.anchor, depth);
    if (limit <= 0) return;
    forEachRackLetter(node, depth, kAllLetters, [&](GraphNode child) {
      leftPart(child, isEndOfWord(child), limit - 1, depth + 1);
    });
  }

  void extendRight(GraphNode node, bool wordSoFar, int square, int depth) {
    const auto& line = state_.line;
    while (!line[square].empty) {
      node = graph_.childWithLetter(node, line[square].letter);
      if (node == 0) return;
      word_[depth] = line[square].letter;
      state_.blankFlags[depth] = 0;
      ++square;
      ++depth;
      wordSoFar = isEndOfWord(node);
    }
    if (wordSoFar && square != state_.anchor) record(depth, square - 1);
    if (square >= kBorder) return;
    forEachRackLetter(node, depth, line[square].check, [&](GraphNode child) {
      extendRight(child, isEndOfWord(child), square + 1, depth + 1);
    });
  }

  void firstMoveWalk(GraphNode node, int depth) {
    if (isEndOfWord(node)) {
      for (int last = kCentre; last <= depth + kCentre - 1; ++last) record(depth, last);
    }
    if (depth >= kRackSize) return;
    forEachRackLetter(node, depth, kAllLetters, [&](GraphNode child) {
      firstMoveWalk(child, depth + 1);
    });
  }

  // Tries each child of `node` allowed by `check` at word position `depth`: as a
  // real tile when the rack holds one, then (or else) as a blank. Counts are taken
  // for the call and put back after it.
  template <typename Descend>
  void forEachRackLetter(GraphNode node, int depth, uint32_t check, Descend&& descend) {
    auto& rack = state_.rackCounts;
    // Letters nothing on the rack can stand for are skipped without a look.
    const uint32_t usable = (rack[0] > 0 ? check : check & rackLetters_) & kLetterBits;
    uint32_t index = firstChild(node);
    if (usable == 0 || index == 0) return;
    const GraphNode* nodes = graph_.nodes();
    for (;; ++index) {
      const GraphNode child = nodes[index];
      const int letter = nodeLetter(child);
      if ((usable & letterBit(letter)) != 0) {
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
      if (isLastSibling(child)) break;
    }
  }

  void takeTile(int letter) {
    if (--state_.rackCounts[letter] == 0) rackLetters_ &= ~letterBit(letter);
  }
  void returnTile(int letter) {
    ++state_.rackCounts[letter];
    rackLetters_ |= letterBit(letter);
  }

  void record(int length, int lastIndex) {
    if (length < 2) return;
    const int32_t score = scoreMove(state_, word_, length, lastIndex);
    const bool keep = weakestSlot_ >= 0 && score > weakestScore_;
    if (!keep && !fileMoves_) return;
    Move& move = keep ? state_.moveSlots[weakestSlot_] : candidate_;
    fillMove(move, length, lastIndex, score);
    if (fileMoves_) fileSquareMove(state_, move);
    if (keep) findWeakestSlot();
  }

  void fillMove(Move& move, int length, int lastIndex, int32_t score) const {
    move.word.resize(static_cast<size_t>(length));  // at most 15: no allocation
    for (int i = 0; i < length; ++i) {
      const char upper = static_cast<char>('@' + word_[i]);
      move.word[i] = state_.blankFlags[i] ? lowerCase(upper) : upper;
    }
    const int first = lastIndex - length + 1;
    if (state_.horizontal) {
      move.row = state_.lineIndex;
      move.column = 'A' + first - 1;
    } else {
      move.row = first;
      move.column = 'A' + state_.lineIndex - 1;
    }
    move.horizontal = state_.horizontal;
    move.score = score;
  }

  // The slot a better candidate overwrites: the first with the smallest score,
  // the scan ending at the first empty (score 0) slot. Only changes when a slot is
  // overwritten, so it is kept rather than rescanned for every candidate.
  void findWeakestSlot() {
    weakestSlot_ = -1;
    weakestScore_ = kNoScoreYet;
    for (int i = 0; i < activeSlots_; ++i) {
      const int32_t score = state_.moveSlots[i].score;
      if (score < weakestScore_) {
        weakestScore_ = score;
        weakestSlot_ = i;
      }
      if (score == 0) break;
    }
  }

  GameState& state_;
  const WordGraph& graph_;
  const int activeSlots_;
  const bool fileMoves_;
  const std::array<uint8_t, 16> savedBlankFlags_;
  uint8_t word_[16] = {};
  uint32_t rackLetters_ = 0;  // letters the rack still holds as real tiles
  int weakestSlot_ = -1;
  int32_t weakestScore_ = kNoScoreYet;
  Move candidate_;  // a filed move that no slot keeps
};

}  // namespace

void computeCrossChecks(GameState& state) {
  for (int row = 1; row <= kBoardSize; ++row) {
    for (int column = 1; column <= kBoardSize; ++column) {
      Cell& cell = state.board.at(row, column);
      if (!cell.empty) continue;
      uint32_t check = 0;
      if (runCheck(state, row, column, 0, 1, check)) cell.acrossCheck = check;
      if (runCheck(state, row, column, 1, 0, check)) cell.downCheck = check;
    }
  }
}

void searchBoard(GameState& state, std::vector<Move>& results) {
  Searcher searcher(state);
  searcher.searchBoard();
  searcher.emit(results);
}

void searchFirstMove(GameState& state, std::vector<Move>& results) {
  Searcher searcher(state);
  searcher.searchFirstMove();
  searcher.emit(results);
}

}  // namespace kwarrel

#include "search/searcher.h"

#include <algorithm>

#include "search/square_moves.h"

namespace kwarrel::KWARREL_SEARCH_VARIANT {
namespace {

constexpr int kFirstMoveRow = 8;
constexpr int kCentre = 8;

}  // namespace

Searcher::Searcher(GameState& state, const AnchorDepths* depths)
    : state_(state),
      graph_(state.words),
      activeSlots_(std::clamp(state.activeSlots, 1, kMoveSlots)),
      fileMoves_(activeSlots_ > 1),
      savedBlankFlags_(state.blankFlags),
      depths_(depths) {
  for (int i = 0; i < activeSlots_; ++i) state_.moveSlots[i].score = 0;
  findWeakestSlot();
  for (int letter = 1; letter <= 26; ++letter) {
    if (state_.rackCounts[letter] > 0) rackLetters_ |= letterBit(letter);
  }
}

void Searcher::searchBoard() {
  const GraphNode root = graph_.root();
  if (root == 0) return;
  findAnchors();
  tableLeftParts(root, longestLeftPart());
  for (const bool horizontal : {true, false}) {
    state_.horizontal = horizontal ? 1 : 0;
    for (int lineIndex = 1; lineIndex <= kBoardSize; ++lineIndex) searchLine(root, lineIndex);
  }
}

void Searcher::searchFirstMove() {
  state_.horizontal = 1;
  state_.lineIndex = kFirstMoveRow;
  prepareScoring(true, kFirstMoveRow);
  const GraphNode root = graph_.root();
  if (root != 0) firstMoveWalk(root, 0);
}

void Searcher::emit(std::vector<Move>& results) {
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

// Anchors are the same squares in both passes: marked once per search.
void Searcher::findAnchors() {
  anchorsAcross_.fill(0);
  anchorsDown_.fill(0);
  for (int row = 1; row <= kBoardSize; ++row) {
    for (int column = 1; column <= kBoardSize; ++column) {
      if (!state_.board.isAnchor(row, column)) continue;
      anchorsAcross_[row] = static_cast<uint16_t>(anchorsAcross_[row] | (1u << column));
      anchorsDown_[column] = static_cast<uint16_t>(anchorsDown_[column] | (1u << row));
    }
  }
}

void Searcher::searchLine(GraphNode root, int lineIndex) {
  const bool horizontal = state_.horizontal != 0;
  state_.lineIndex = lineIndex;
  const uint32_t anchors = horizontal ? anchorsAcross_[lineIndex] : anchorsDown_[lineIndex];
  if (anchors == 0) return;
  for (int i = 0; i < kBoardSide; ++i) {
    const Cell& cell = horizontal ? state_.board.at(lineIndex, i) : state_.board.at(i, lineIndex);
    state_.line[i] = LineSquare{cell.empty, cell.letter,
                                horizontal ? cell.downCheck : cell.acrossCheck};
  }
  prepareScoring(horizontal, lineIndex);
  int previousAnchor = 0;
  for (uint32_t todo = anchors; todo != 0; todo &= todo - 1) {
    const int k = std::countr_zero(todo);
    const int limit = k - previousAnchor - 1;
    previousAnchor = k;
    if (depths_ != nullptr) {
      anchorDepths_ = (*depths_)[anchorDepthsIndex(horizontal, lineIndex, k)];
      if (anchorDepths_ == 0) continue;
    }
    state_.anchor = k;
    if (!state_.line[k - 1].empty) {
      extendFromRun(k);
    } else if (leftPartsTabled_) {
      leftPartsFromTable(limit);
    } else {
      leftPart(root, false, limit, 0);
    }
  }
}

// What scoring needs of each square of the line, gathered once per line.
void Searcher::prepareScoring(bool horizontal, int lineIndex) {
  for (int i = 1; i <= kBoardSize; ++i) {
    scoring_[i] = horizontal ? scoringSquare(state_.board, lineIndex, i, true)
                             : scoringSquare(state_.board, i, lineIndex, false);
  }
}

// The tiles just before the anchor start the word; only the right part is free.
void Searcher::extendFromRun(int k) {
  int start = k - 1;
  while (!state_.line[start - 1].empty) --start;
  const int length = k - start;
  for (int i = 0; i < length; ++i) {
    word_[i] = state_.line[start + i].letter;
    state_.blankFlags[i] = 0;
  }
  const GraphNode node = graph_.lookupWord(word_, length);
  if (node != 0 && fitsAnchor(node)) extendOnEmpty(node, false, k, length);
}

void Searcher::firstMoveWalk(GraphNode node, int depth) {
  if (isEndOfWord(node)) {
    for (int last = kCentre; last <= depth + kCentre - 1; ++last) record(depth, last);
  }
  if (depth >= kRackSize) return;
  forEachRackLetter(node, depth, kAllLetters, [&](GraphNode child) {
    firstMoveWalk(child, depth + 1);
  });
}

// The right extension: from the letters laid so far, square by square to the
// right, through the tiles on the board, recording every word it completes.
void Searcher::extendRight(GraphNode node, bool wordSoFar, int square, int depth) {
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
  extendOnEmpty(node, wordSoFar, square, depth);
}

// The right extension on an empty square (or the border) after the word so far.
void Searcher::extendOnEmpty(GraphNode node, bool wordSoFar, int square, int depth) {
  const auto& line = state_.line;
  if (wordSoFar && square != state_.anchor) record(depth, square - 1);
  if (square >= kBorder) return;
  const uint32_t letters = graph_.childLetters(node);
  if ((letters & kIrregularSiblings) != 0) {
    forEachRackLetter(node, depth, line[square].check, [&](GraphNode child) {
      if (continues(child, square + 1, layable())) {
        extendRight(child, isEndOfWord(child), square + 1, depth + 1);
      }
    });
    return;
  }
  // As forEachRackLetter, with the look ahead made once per letter and before a
  // tile is taken: most letters lead nowhere. The tiles after the letter are
  // walked once, by the look ahead.
  auto& rack = state_.rackCounts;
  const uint32_t usable = letters & line[square].check & layable() & kLetterBits;
  // Children in ascending letter order: the index moves past the skipped ones.
  uint32_t index = firstChild(node);
  uint32_t unpassed = letters & kLetterBits;
  for (uint32_t todo = usable; todo != 0; todo &= todo - 1) {
    const int letter = std::countr_zero(todo);
    const uint32_t skipped = unpassed & (letterBit(letter) - 1);
    if (skipped != 0) index += bitCount(skipped);
    unpassed &= ~((letterBit(letter) << 1) - 1);
    const Ahead ahead = lookAhead(graph_.node(index++), square + 1);
    if (!ahead.open) continue;
    const int nextDepth = depth + ahead.square - square;
    const bool wordEnds = (ahead.next & kWordEnds) != 0;
    word_[depth] = static_cast<uint8_t>(letter);
    for (int i = square + 1, at = depth + 1; i < ahead.square; ++i, ++at) {
      word_[at] = line[i].letter;
      state_.blankFlags[at] = 0;
    }
    if (rack[letter] > 0 && ahead.allows(layableWithout(letter))) {
      state_.blankFlags[depth] = 0;
      takeTile(letter);
      extendOnEmpty(ahead.node, wordEnds, ahead.square, nextDepth);
      returnTile(letter);
    }
    if (rack[0] > 0 && ahead.allows(rack[0] > 1 ? kLetterBits : rackLetters_)) {
      state_.blankFlags[depth] = 1;
      --rack[0];
      extendOnEmpty(ahead.node, wordEnds, ahead.square, nextDepth);
      ++rack[0];
    }
  }
}

void Searcher::record(int length, int lastIndex) {
  if (length < 2) return;
  const int32_t score =
      scoreOnSquares(&scoring_[lastIndex - length + 1], word_, state_.blankFlags.data(), length,
                     state_.valueTable, state_.bonusFlag);
  const bool keep = weakestSlot_ >= 0 && score > weakestScore_;
  if (!keep && !fileMoves_) return;
  Move& move = keep ? state_.moveSlots[weakestSlot_] : candidate_;
  fillMove(move, length, lastIndex, score);
  if (fileMoves_) fileSquareMove(state_, move);
  if (keep) findWeakestSlot();
}

void Searcher::fillMove(Move& move, int length, int lastIndex, int32_t score) const {
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
void Searcher::findWeakestSlot() {
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

}  // namespace kwarrel::KWARREL_SEARCH_VARIANT

#include "search/searcher.h"

#include <algorithm>
#include <memory>

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
      depths_(depths),
      bestFirst_(activeSlots_ == 1 && depths == nullptr && state.rackCounts[0] > 0) {
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
  if (bestFirst_) {
    searchBestFirst(root);
    return;
  }
  for (const bool horizontal : {true, false}) {
    state_.horizontal = horizontal ? 1 : 0;
    for (int lineIndex = 1; lineIndex <= kBoardSize; ++lineIndex) searchLine(root, lineIndex);
  }
}

void Searcher::searchFirstMove() {
  state_.horizontal = 1;
  state_.lineIndex = kFirstMoveRow;
  prepareScoring(true, kFirstMoveRow, scoring_.data());
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
  loadLine(horizontal, lineIndex, state_.line);
  prepareScoring(horizontal, lineIndex, scoring_.data());
  int previousAnchor = 0;
  for (uint32_t todo = anchors; todo != 0; todo &= todo - 1) {
    const int k = std::countr_zero(todo);
    const int limit = k - previousAnchor - 1;
    previousAnchor = k;
    if (depths_ != nullptr) {
      anchorDepths_ = (*depths_)[anchorDepthsIndex(horizontal, lineIndex, k)];
      if (anchorDepths_ == 0) continue;
    }
    searchAnchor(root, k, limit);
  }
}

void Searcher::loadLine(bool horizontal, int lineIndex,
                        std::array<LineSquare, kBoardSide>& line) const {
  for (int i = 0; i < kBoardSide; ++i) {
    const Cell& cell = horizontal ? state_.board.at(lineIndex, i) : state_.board.at(i, lineIndex);
    line[i] = LineSquare{cell.empty, cell.letter, horizontal ? cell.downCheck : cell.acrossCheck};
  }
}

// What scoring needs of each square of the line, gathered once per line.
void Searcher::prepareScoring(bool horizontal, int lineIndex, ScoringSquare* scoring) const {
  for (int i = 1; i <= kBoardSize; ++i) {
    scoring[i] = horizontal ? scoringSquare(state_.board, lineIndex, i, true)
                            : scoringSquare(state_.board, i, lineIndex, false);
  }
}

// The moves from anchor `k` of the line in state_.line, with left parts of at
// most `limit` letters.
void Searcher::searchAnchor(GraphNode root, int k, int limit) {
  state_.anchor = k;
  if (!state_.line[k - 1].empty) {
    extendFromRun(k);
  } else if (leftPartsTabled_) {
    leftPartsFromTable(limit);
  } else {
    leftPart(root, false, limit, 0);
  }
}

// The one-slot search: every anchor's bound first, then the anchors by falling
// bound (visiting order among equal ones), each only at the depths where a move
// could still be kept.
void Searcher::searchBestFirst(GraphNode root) {
  const RackValues rack = rackValues(state_.rackCounts, state_.valueTable);
  if (rack.overfull) {
    // No bound covers more tiles than a rack holds: every anchor in visiting order.
    for (const bool horizontal : {true, false}) {
      state_.horizontal = horizontal ? 1 : 0;
      for (int lineIndex = 1; lineIndex <= kBoardSize; ++lineIndex) searchLine(root, lineIndex);
    }
    return;
  }
  // What scoring needs of the squares of each line with anchors. Only those lines
  // are written: what a search touches of memory costs more than what it computes.
  union LineScoring {
    LineScoring() {}
    std::array<ScoringSquare, kBoardSide> squares;
  };
  struct Anchor {
    AnchorBound bound;
    int16_t ordinal;  // anchorDepthsIndex: rising in visiting order
    uint8_t line;     // into lines
    uint8_t square;
    uint8_t limit;    // letters a left part may have
  };
  constexpr int kMaxAnchors = 2 * kBoardSize * kBoardSize;
  std::array<LineScoring, 2 * kBoardSize> lines;
  std::array<Anchor, kMaxAnchors> anchors;
  // By falling bound, then rising rank; the rank is the anchor's index in `anchors`.
  std::array<uint32_t, kMaxAnchors> order;
  constexpr uint32_t kRankBits = 9;
  constexpr int32_t kHighestKey = (1 << (32 - kRankBits)) - 1;
  static_assert(kMaxAnchors <= (1 << kRankBits));
  int count = 0;
  int lineCount = 0;
  for (const bool horizontal : {true, false}) {
    for (int lineIndex = 1; lineIndex <= kBoardSize; ++lineIndex) {
      const uint32_t squares = horizontal ? anchorsAcross_[lineIndex] : anchorsDown_[lineIndex];
      if (squares == 0) continue;
      ScoringSquare* scoring = std::construct_at(&lines[lineCount].squares)->data();
      loadLine(horizontal, lineIndex, state_.line);
      prepareScoring(horizontal, lineIndex, scoring);
      BoundLine bounded;
      bounded.squares = scoring;
      for (int i = 1; i <= kBoardSize; ++i) {
        const LineSquare& square = state_.line[i];
        if (!square.empty) {
          bounded.tiles |= 1u << i;
        } else if ((square.check & layable() & kLetterBits) == 0) {
          bounded.blocked |= 1u << i;
        }
        bounded.worthless |= scoring[i].points < 0 || scoring[i].crossPoints < 0;
      }
      bounded.total();
      int previous = 0;
      for (uint32_t todo = squares; todo != 0; todo &= todo - 1) {
        const int k = std::countr_zero(todo);
        Anchor& anchor = anchors[count];
        boundAnchor(bounded, k, previous, rack, anchor.bound);
        anchor.ordinal = static_cast<int16_t>(anchorDepthsIndex(horizontal, lineIndex, k));
        anchor.line = static_cast<uint8_t>(lineCount);
        anchor.square = static_cast<uint8_t>(k);
        anchor.limit = static_cast<uint8_t>(k - previous - 1);
        const int32_t key = kHighestKey - std::clamp(anchor.bound.most, 0, kHighestKey);
        order[count] = (static_cast<uint32_t>(key) << kRankBits) | static_cast<uint32_t>(count);
        ++count;
        previous = k;
      }
      ++lineCount;
    }
  }
  std::sort(order.begin(), order.begin() + count);

  const bool sevensPossible = rack.tiles == kBonusTiles;
  int currentLine = -1;
  for (int i = 0; i < count; ++i) {
    const Anchor& anchor = anchors[order[i] & ((1u << kRankBits) - 1)];
    // The anchors after this one can hold no better move either (an anchor whose
    // bound is 0 or less could only hold moves no slot keeps).
    if (anchor.bound.most < weakestScore_ && (!sevensPossible || state_.bonusFlag != 0)) break;
    const uint32_t depths = depthsWorthSearching(anchor.bound, anchor.ordinal);
    if (depths == 0) continue;
    if (anchor.line != currentLine) {
      currentLine = anchor.line;
      state_.horizontal = anchor.ordinal < 16 * 16 ? 1 : 0;
      state_.lineIndex = (anchor.ordinal / 16) % 16;
      loadLine(state_.horizontal != 0, state_.lineIndex, state_.line);
      lineScoring_ = lines[anchor.line].squares.data();
    }
    anchorBound_ = &anchor.bound;
    anchorOrdinal_ = anchor.ordinal;
    anchorDepths_ = depths;
    searchAnchor(root, anchor.square, anchor.limit);
  }
  anchorBound_ = nullptr;
  lineScoring_ = scoring_.data();
}

uint32_t Searcher::depthsWorthSearching(const AnchorBound& bound, int ordinal) const {
  const int32_t best = weakestScore_;
  const bool tieWins = ordinal < keptOrdinal_;
  // Scoring sets the bonus flag for every seven-tile move, kept or not: until one
  // is scored, the squares where one could lie are searched as well.
  uint32_t depths = state_.bonusFlag == 0 ? bound.sevenTiles : 0;
  for (int d = 0; d < kRackSize; ++d) {
    const int32_t most = bound.byDepth[d];
    depths |= static_cast<uint32_t>((most > best) | ((most == best) & tieWins)) << d;
  }
  return depths;
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
  if (node != 0 && fitsAnchor(node)) extendOnEmpty(node, false, k, length, partialBefore(k, length));
}

void Searcher::firstMoveWalk(GraphNode node, int depth) {
  if (isEndOfWord(node)) {
    for (int last = kCentre; last <= depth + kCentre - 1; ++last) {
      record(depth, last, partialBefore(last + 1, depth));
    }
  }
  if (depth >= kRackSize) return;
  forEachRackLetter(node, depth, kAllLetters, [&](GraphNode child) {
    firstMoveWalk(child, depth + 1);
  });
}

// The right extension: from the letters laid so far, square by square to the
// right, through the tiles on the board, recording every word it completes.
void Searcher::extendRight(GraphNode node, bool wordSoFar, int square, int depth,
                           ScoreSums partial) {
  const auto& line = state_.line;
  while (!line[square].empty) {
    node = graph_.childWithLetter(node, line[square].letter);
    if (node == 0) return;
    word_[depth] = line[square].letter;
    state_.blankFlags[depth] = 0;
    partial = partial.passing(lineScoring_[square]);
    ++square;
    ++depth;
    wordSoFar = isEndOfWord(node);
  }
  extendOnEmpty(node, wordSoFar, square, depth, partial);
}

// The right extension on an empty square (or the border) after the word so far.
void Searcher::extendOnEmpty(GraphNode node, bool wordSoFar, int square, int depth,
                             ScoreSums partial) {
  const auto& line = state_.line;
  if (wordSoFar && square != state_.anchor) record(depth, square - 1, partial);
  if (square >= kBorder) return;
  const uint32_t letters = graph_.childLetters(node);
  const ScoringSquare& scoring = lineScoring_[square];
  if ((letters & kIrregularSiblings) != 0) {
    forEachRackLetter(node, depth, line[square].check, [&](GraphNode child) {
      if (continues(child, square + 1, layable())) {
        const int32_t value = letterValue(word_[depth], state_.blankFlags[depth] != 0);
        extendRight(child, isEndOfWord(child), square + 1, depth + 1,
                    partial.laying(scoring, value));
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
    // The tiles after the letter, scored with it.
    ScoreSums tiles = partial;
    for (int i = square + 1, at = depth + 1; i < ahead.square; ++i, ++at) {
      word_[at] = line[i].letter;
      state_.blankFlags[at] = 0;
      tiles = tiles.passing(lineScoring_[i]);
    }
    // Lays the letter, as a tile or a blank, and goes on. Where no letter the rack
    // still holds can follow, the word ends here (the look ahead allows it, so it
    // is one): recorded without going on.
    const auto lay = [&](bool blank, uint32_t layableAfter, auto take, auto putBack) {
      if (!ahead.allows(layableAfter)) return;
      state_.blankFlags[depth] = blank ? 1 : 0;
      const ScoreSums laid = tiles.laying(scoring, letterValue(letter, blank));
      if ((ahead.next & layableAfter & kLetterBits) == 0) {
        record(nextDepth, ahead.square - 1, laid);
        return;
      }
      take();
      extendOnEmpty(ahead.node, wordEnds, ahead.square, nextDepth, laid);
      putBack();
    };
    if (rack[letter] > 0) {
      lay(false, layableWithout(letter), [&] { takeTile(letter); }, [&] { returnTile(letter); });
    }
    if (rack[0] > 0) {
      lay(true, rack[0] > 1 ? kLetterBits : rackLetters_, [&] { --rack[0]; }, [&] { ++rack[0]; });
    }
  }
}

void Searcher::record(int length, int lastIndex, const ScoreSums& partial) {
  if (length < 2) return;
  const int32_t score = partial.total(state_.bonusFlag);
  const bool keep = weakestSlot_ >= 0 && (score > weakestScore_ || (score == weakestScore_ &&
                                                                    anchorOrdinal_ < keptOrdinal_));
  if (!keep && !fileMoves_) return;
  Move& move = keep ? state_.moveSlots[weakestSlot_] : candidate_;
  fillMove(move, length, lastIndex, score);
  if (fileMoves_) fileSquareMove(state_, move);
  if (!keep) return;
  findWeakestSlot();
  if (bestFirst_) keptOrdinal_ = anchorOrdinal_;
  if (anchorBound_ != nullptr) anchorDepths_ = depthsWorthSearching(*anchorBound_, anchorOrdinal_);
}

ScoreSums Searcher::partialBefore(int square, int depth) const {
  ScoreSums partial;
  for (int i = 0, at = square - depth; i < depth; ++i, ++at) {
    partial = partial.laying(lineScoring_[at], letterValue(word_[i], state_.blankFlags[i] != 0));
  }
  return partial;
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

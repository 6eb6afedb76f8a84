#include "search/move_bounds.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>

#include "search/score.h"

namespace kwarrel {
namespace {

const Cell& lineCell(const Board& board, bool horizontal, int line, int square) {
  return horizontal ? board.at(line, square) : board.at(square, line);
}

// The first square of the words the search can find at `anchor`, and the last:
// after a tile they start at its run; otherwise with up to `maxTiles` - 1 rack
// letters before the anchor, after `previousAnchor`.
struct Starts {
  int first;
  int last;
  bool afterRun;
};
Starts startsAt(const BoundLine& line, int anchor, int previousAnchor, int maxTiles) {
  const auto holdsTile = [&](int square) { return ((line.tiles >> square) & 1u) != 0; };
  Starts starts{std::max(previousAnchor + 1, anchor - (std::max(maxTiles, 1) - 1)), anchor, false};
  if (holdsTile(anchor - 1)) {
    starts.afterRun = true;
    starts.first = anchor - 1;
    while (holdsTile(starts.first - 1)) --starts.first;
    starts.last = starts.first;
  }
  // Words starting before a blocked square cannot reach the anchor.
  const uint32_t blockedBefore =
      line.blocked & ((1u << starts.last) - 1) & ~((1u << starts.first) - 1);
  if (blockedBefore != 0) starts.first = std::bit_width(blockedBefore);
  return starts;
}

// The squares a tile laid on each empty square of start..end multiplies its value
// by: its letter factor times the word's factor plus the cross-word's.
int collectFactors(const ScoringSquare* squares, int start, int end, int32_t wordFactor,
                   std::array<int32_t, kRackSize>& factors) {
  int k = 0;
  for (int i = start; i <= end; ++i) {
    if (squares[i].newTile == 0) continue;
    factors[k++] = squares[i].letterFactor * (wordFactor + squares[i].crossFactor);
  }
  return k;
}

// The words the search can find at `anchor` (see startsAt). Each ends before an
// empty square or the border, lays at most `maxTiles` tiles and none on a blocked
// square. `visit` gets, per word, the squares it starts before the anchor (0
// after a run), its new tiles, what it scores without them, and what a new tile
// of value v adds on each of its empty squares: v times the factor, in square order.
template <typename Visit>
void forEachSpan(const BoundLine& line, int anchor, int previousAnchor, int maxTiles,
                 Visit&& visit) {
  const Starts starts = startsAt(line, anchor, previousAnchor, maxTiles);
  const ScoringSquare* squares = line.squares;
  std::array<int32_t, kRackSize> factors{};
  for (int start = starts.first; start <= starts.last; ++start) {
    int tiles = 0;
    int32_t wordFactor = 1;
    int32_t mainPoints = 0;
    int32_t crossPoints = 0;
    for (int end = start; end <= kBoardSize; ++end) {
      const ScoringSquare& square = squares[end];
      tiles += square.newTile;
      if (tiles > maxTiles || ((line.blocked >> end) & 1u) != 0) break;
      wordFactor *= square.wordFactor;
      mainPoints += square.points;
      crossPoints += square.crossPoints;
      if (end < anchor || ((line.tiles >> (end + 1)) & 1u) != 0 || end == start) continue;
      const int32_t fixed =
          mainPoints * wordFactor + crossPoints + (tiles == kBonusTiles ? kBonus : 0);
      collectFactors(squares, start, end, wordFactor, factors);
      visit(starts.afterRun ? 0 : anchor - start, tiles, fixed, factors);
    }
  }
}

// The most the `tiles` rack tiles add on squares of these factors: the most
// valuable on the squares that multiply most. The factors are never negative, so
// no other pairing adds more, whatever the values.
int32_t mostAdded(std::array<int32_t, kRackSize>& factors, int tiles, const RackValues& rack) {
  for (int i = 1; i < tiles; ++i) {
    const int32_t f = factors[i];
    int j = i;
    for (; j > 0 && factors[j - 1] < f; --j) factors[j] = factors[j - 1];
    factors[j] = f;
  }
  int32_t most = 0;
  for (int i = 0; i < tiles; ++i) most += factors[i] * rack.values[i];
  return most;
}

void boundDepth(AnchorBound& bound, int depth, int tiles, int32_t most) {
  int32_t& atDepth = bound.byDepth[depth];
  atDepth = std::max(atDepth, most);
  bound.most = std::max(bound.most, most);
  if (tiles == kBonusTiles) bound.sevenTiles |= 1u << depth;
}

}  // namespace

RackValues rackValues(const LetterCounts& rackCounts, const LetterCounts& values) {
  RackValues rack;
  rack.values.fill(std::numeric_limits<int32_t>::min());  // no tile: sorted last
  for (int code = 0; code < kLetterCodes; ++code) {
    for (int32_t n = 0; n < rackCounts[code]; ++n) {
      if (rack.tiles == kRackSize) {
        rack.overfull = true;
        return rack;
      }
      rack.values[rack.tiles++] = values[code];
      rack.negative |= values[code] < 0;
    }
  }
  std::sort(rack.values.begin(), rack.values.end(), std::greater<>());
  return rack;
}

void boundAnchor(const BoundLine& line, int anchor, int previousAnchor, const RackValues& rack,
                 AnchorBound& bound) {
  bound.byDepth.fill(AnchorBound::kNoMove);
  bound.most = AnchorBound::kNoMove;
  bound.sevenTiles = 0;
  if (((line.blocked >> anchor) & 1u) != 0) return;
  if (rack.negative || line.worthless) {
    forEachSpan(line, anchor, previousAnchor, rack.tiles,
                [&](int depth, int tiles, int32_t fixed, std::array<int32_t, kRackSize>& factors) {
                  boundDepth(bound, depth, tiles, fixed + mostAdded(factors, tiles, rack));
                });
    return;
  }
  // Nothing is worth less than 0: a longer word from the same start scores at most
  // more (one more tile, one more tile's worth, a word factor more), so only the
  // longest word from each start is bounded.
  const Starts starts = startsAt(line, anchor, previousAnchor, rack.tiles);
  const ScoringSquare* squares = line.squares;
  // Squares after which a word can end: the next one holds no tile.
  const uint32_t ends = ~(line.tiles >> 1) & 0xFFFEu;
  std::array<int32_t, kRackSize> factors{};
  for (int start = starts.first; start <= starts.last; ++start) {
    // The first empty square of the word (the anchor after a run), and the first
    // one it cannot cover: one more than the rack holds, or one blocked.
    const int rank = line.emptyBefore[start];
    const uint32_t blockedFrom = line.blocked >> start << start;
    const int beyond = std::min(static_cast<int>(line.empties[rank + rack.tiles]),
                                blockedFrom != 0 ? std::countr_zero(blockedFrom) : kBoardSide - 1);
    const int earliestEnd = std::max(anchor, start + 1);
    if (beyond <= earliestEnd) continue;
    const uint32_t endsHere = ends & ((1u << beyond) - 1) & ~((1u << earliestEnd) - 1);
    if (endsHere == 0) continue;
    const int end = std::bit_width(endsHere) - 1;
    const int tiles = line.emptyBefore[end + 1] - rank;
    int32_t wordFactor = 1;  // only empty squares multiply the word
    for (int i = 0; i < tiles; ++i) wordFactor *= squares[line.empties[rank + i]].wordFactor;
    const int32_t fixed = (line.points[end] - line.points[start - 1]) * wordFactor +
                          line.crossPoints[end] - line.crossPoints[start - 1] +
                          (tiles == kBonusTiles ? kBonus : 0);
    for (int i = 0; i < tiles; ++i) {
      const ScoringSquare& square = squares[line.empties[rank + i]];
      factors[i] = square.letterFactor * (wordFactor + square.crossFactor);
    }
    boundDepth(bound, starts.afterRun ? 0 : anchor - start, tiles,
               fixed + mostAdded(factors, tiles, rack));
  }
}

void BoundLine::total() {
  points[0] = 0;
  crossPoints[0] = 0;
  emptyBefore[0] = 0;
  emptyBefore[1] = 0;
  int count = 0;
  for (int i = 1; i <= kBoardSize; ++i) {
    const ScoringSquare& square = squares[i];
    points[i] = points[i - 1] + square.points;
    crossPoints[i] = crossPoints[i - 1] + square.crossPoints;
    if (((tiles >> i) & 1u) == 0) empties[count++] = static_cast<uint8_t>(i);
    emptyBefore[i + 1] = static_cast<uint8_t>(count);
  }
  for (int i = count; i < static_cast<int>(empties.size()); ++i) {
    empties[i] = static_cast<uint8_t>(kBoardSide - 1);
  }
}

MoveBounds::MoveBounds(const Board& board) {
  std::array<ScoringSquare, kBoardSide> squares{};
  for (const bool horizontal : {true, false}) {
    for (int line = 1; line <= kBoardSize; ++line) {
      BoundLine bounded;
      bounded.squares = squares.data();
      for (int i = 1; i <= kBoardSize; ++i) {
        squares[i] = horizontal ? scoringSquare(board, line, i, true)
                                : scoringSquare(board, i, line, false);
        if (!lineCell(board, horizontal, line, i).empty) bounded.tiles |= 1u << i;
      }
      int previous = 0;
      for (int square = 1; square <= kBoardSize; ++square) {
        const int row = horizontal ? line : square;
        const int column = horizontal ? square : line;
        if (!board.isAnchor(row, column)) continue;
        addSpans(bounded, anchorDepthsIndex(horizontal, line, square), square, previous);
        previous = square;
      }
    }
  }
}

void MoveBounds::addSpans(const BoundLine& line, int anchorIndex, int anchor, int previousAnchor) {
  forEachSpan(line, anchor, previousAnchor, kRackSize,
              [&](int depth, int tiles, int32_t fixed, const std::array<int32_t, kRackSize>& factors) {
                Span span;
                span.anchor = static_cast<uint16_t>(anchorIndex);
                span.depth = static_cast<uint8_t>(depth);
                span.tiles = static_cast<uint8_t>(tiles);
                span.fixed = fixed;
                std::copy_n(factors.begin(), tiles, span.factors.begin());
                // unused ones are 0
                std::sort(span.factors.begin(), span.factors.end(), std::greater<>());
                spans_.push_back(span);
              });
}

bool MoveBounds::movesAbove(const LetterCounts& rackCounts, const LetterCounts& values,
                            int32_t threshold, AnchorDepths& depths) const {
  const RackValues rack = rackValues(rackCounts, values);
  if (rack.overfull) {
    // More tiles than a rack holds: the spans do not cover their moves.
    depths.fill(kEveryDepth);
    return true;
  }
  const int tiles = rack.tiles;
  const auto& tileValues = rack.values;
  depths.fill(0);
  bool any = false;
  for (const Span& span : spans_) {
    const auto bit = static_cast<uint16_t>(1u << span.depth);
    if (span.tiles > tiles || (depths[span.anchor] & bit) != 0) continue;
    int32_t most = span.fixed;
    for (int i = 0; i < span.tiles; ++i) most += span.factors[i] * tileValues[i];
    if (most <= threshold) continue;
    depths[span.anchor] = static_cast<uint16_t>(depths[span.anchor] | bit);
    any = true;
  }
  return any;
}

}  // namespace kwarrel

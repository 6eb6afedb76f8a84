#include "search/move_bounds.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "search/score.h"

namespace kwarrel {
namespace {

const Cell& lineCell(const Board& board, bool horizontal, int line, int square) {
  return horizontal ? board.at(line, square) : board.at(square, line);
}

}  // namespace

MoveBounds::MoveBounds(const Board& board) {
  for (const bool horizontal : {true, false}) {
    for (int line = 1; line <= kBoardSize; ++line) {
      int previous = 0;
      for (int square = 1; square <= kBoardSize; ++square) {
        const int row = horizontal ? line : square;
        const int column = horizontal ? square : line;
        if (!board.isAnchor(row, column)) continue;
        addSpans(board, horizontal, line, square, previous + 1);
        previous = square;
      }
    }
  }
}

// The words the search can find at `anchor`: after a tile they start at its run;
// otherwise with up to six rack letters before the anchor, no earlier than
// `earliestStart`. Each ends before an empty square or the border, and lays at
// most a rack of tiles.
void MoveBounds::addSpans(const Board& board, bool horizontal, int line, int anchor,
                          int earliestStart) {
  const bool afterRun = !lineCell(board, horizontal, line, anchor - 1).empty;
  int lastStart = anchor;
  int firstStart = std::max(earliestStart, anchor - (kRackSize - 1));
  if (afterRun) {
    firstStart = anchor - 1;
    while (!lineCell(board, horizontal, line, firstStart - 1).empty) --firstStart;
    lastStart = firstStart;
  }
  std::array<ScoringSquare, kBoardSide> squares{};
  for (int i = firstStart; i <= kBoardSize; ++i) {
    squares[i] = horizontal ? scoringSquare(board, line, i, true)
                            : scoringSquare(board, i, line, false);
  }
  for (int start = firstStart; start <= lastStart; ++start) {
    int tiles = 0;
    int32_t wordFactor = 1;
    int32_t mainPoints = 0;
    int32_t crossPoints = 0;
    for (int end = start; end <= kBoardSize; ++end) {
      const ScoringSquare& square = squares[end];
      tiles += square.newTile;
      if (tiles > kRackSize) break;
      wordFactor *= square.wordFactor;
      mainPoints += square.points;
      crossPoints += square.crossPoints;
      const bool endsHere = lineCell(board, horizontal, line, end + 1).empty;
      if (end < anchor || !endsHere || end == start) continue;

      Span span;
      span.anchor = static_cast<uint16_t>(anchorDepthsIndex(horizontal, line, anchor));
      span.depth = static_cast<uint8_t>(afterRun ? 0 : anchor - start);
      span.tiles = static_cast<uint8_t>(tiles);
      span.fixed = mainPoints * wordFactor + crossPoints + (tiles == kBonusTiles ? kBonus : 0);
      int k = 0;
      for (int i = start; i <= end; ++i) {
        if (squares[i].newTile == 0) continue;
        span.factors[k++] = squares[i].letterFactor * (wordFactor + squares[i].crossFactor);
      }
      std::sort(span.factors.begin(), span.factors.end(), std::greater<>());  // unused ones are 0
      spans_.push_back(span);
    }
  }
}

bool MoveBounds::movesAbove(const LetterCounts& rackCounts, const LetterCounts& values,
                            int32_t threshold, AnchorDepths& depths) const {
  // The rack's tile values, most valuable first.
  std::array<int32_t, kRackSize> tileValues;
  tileValues.fill(std::numeric_limits<int32_t>::min());  // no tile: sorted last, never read
  int tiles = 0;
  for (int code = 0; code < kLetterCodes; ++code) {
    for (int32_t n = 0; n < rackCounts[code]; ++n) {
      if (tiles == kRackSize) {
        // More tiles than a rack holds: the spans do not cover their moves.
        depths.fill(kEveryDepth);
        return true;
      }
      tileValues[tiles++] = values[code];
    }
  }
  std::sort(tileValues.begin(), tileValues.end(), std::greater<>());

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

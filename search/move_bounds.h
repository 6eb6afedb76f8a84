// Upper bounds on what a move can score, anchor by anchor, for the draw
// optimisation: its passes search the same board with rack after rack and only
// need to know whether a rack beats the best score found so far. A move's score
// is at most what its squares give when the rack's most valuable tiles land on the
// squares that multiply most, whatever the words; anchors where no move can beat
// the score need no search.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/board.h"
#include "game/letters.h"

namespace kwarrel {

// Per anchor of the board search, which moves are worth searching. Entry
// (direction * 16 + line) * 16 + square (direction 0 across, 1 down): bit d set
// when a move whose word starts d squares before the anchor may score enough. An
// anchor right after a tile starts its word at the tiles: bit 0 stands for it.
// 0 means the anchor is passed over.
using AnchorDepths = std::array<uint16_t, 2 * 16 * 16>;
constexpr uint16_t kEveryDepth = 0xFFFF;

constexpr int anchorDepthsIndex(bool horizontal, int line, int square) {
  return ((horizontal ? 0 : 1) * 16 + line) * 16 + square;
}

class MoveBounds {
 public:
  // Gathers, for every anchor of `board`, the spans of squares a word through it
  // can cover and what each square multiplies a tile's value by.
  explicit MoveBounds(const Board& board);

  // Marks in `depths` the moves from the rack in `rackCounts` (entry 0 blanks),
  // valued by `values`, that may score more than `threshold`. Returns whether any.
  bool movesAbove(const LetterCounts& rackCounts, const LetterCounts& values, int32_t threshold,
                  AnchorDepths& depths) const;

 private:
  // The squares from the start of a word to its end: its tiles are fixed, and a
  // new tile of value v on its i-th empty square (by falling factor) adds at most
  // v * factors[i].
  struct Span {
    uint16_t anchor = 0;  // index into AnchorDepths
    uint8_t depth = 0;    // squares before the anchor
    uint8_t tiles = 0;    // empty squares, all laid from the rack
    int32_t fixed = 0;    // the board's tiles in the word and across it, and the bonus
    std::array<int32_t, kRackSize> factors{};
  };

  void addSpans(const Board& board, bool horizontal, int line, int anchor, int earliestStart);

  std::vector<Span> spans_;
};

}  // namespace kwarrel

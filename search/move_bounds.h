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
#include "search/score.h"

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

// A rack's tile values, most valuable first; a blank is worth entry 0 of the value
// table, like any tile. A move laying k tiles lays at most the first k.
struct RackValues {
  std::array<int32_t, kRackSize> values{};  // unused entries are never read
  int tiles = 0;
  bool overfull = false;  // more tiles than a rack holds: no bound covers their moves
  bool negative = false;  // some tile is worth less than 0
};
RackValues rackValues(const LetterCounts& rackCounts, const LetterCounts& values);

// What a move from one rack can score at one anchor of the board search, by the
// number of squares its word starts before the anchor.
struct AnchorBound {
  static constexpr int32_t kNoMove = -(1 << 30);
  std::array<int32_t, kRackSize> byDepth;  // kNoMove where no word can start
  int32_t most;                            // the highest of them
  uint32_t sevenTiles;                     // bit d: a word from depth d can lay seven tiles
};

// The squares of one line of the board as the bounds read them.
struct BoundLine {
  const ScoringSquare* squares = nullptr;  // squares[0..16], as the search scores them
  uint32_t tiles = 0;                      // bit i: square i holds a tile
  uint32_t blocked = 0;                    // bit i: no tile of the rack may go on empty square i
  bool worthless = false;  // some tile or cross-word on it is worth less than 0

  // Running totals over squares 1..i, for the bounds of the rack's own tiles.
  void total();
  std::array<int32_t, kBoardSide> points;       // sum of the tiles' points
  std::array<int32_t, kBoardSide> crossPoints;  // sum of the cross-words' points
  std::array<uint8_t, kBoardSide> emptyBefore;  // empty squares among 1..i-1
  std::array<uint8_t, kBoardSide + kRackSize> empties;  // the empty squares, then the border
};
// Bounds the moves of the rack valued by `rack` at `anchor` of `line` (totalled),
// the previous anchor of the line being `previousAnchor` (0: none): as MoveBounds,
// with the rack's own tiles and none on a blocked square.
void boundAnchor(const BoundLine& line, int anchor, int previousAnchor, const RackValues& rack,
                 AnchorBound& bound);

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

  void addSpans(const BoundLine& line, int anchorIndex, int anchor, int previousAnchor);

  std::vector<Span> spans_;
};

}  // namespace kwarrel

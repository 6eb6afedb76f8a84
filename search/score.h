// Scoring one placement on the current board.
#pragma once

#include <cstdint>
#include <string_view>

#include "game/game_state.h"

namespace kwarrel {

// What scoring needs of one square of a line: the points of its tile, or, when it
// is empty, its premium and the points of the tiles touching it across the line.
// Laid out so that a tile square and an empty one score by the same steps: a tile
// square lays no letter (letter factor 0) and multiplies nothing.
// Laying exactly this many new tiles scores the bonus on top.
constexpr int kBonusTiles = 7;
constexpr int32_t kBonus = 50;

struct ScoringSquare {
  int32_t points = 0;        // of the tile on the square
  int32_t letterFactor = 1;  // 0 on a tile
  int32_t wordFactor = 1;    // 1 on a tile
  int32_t crossFactor = 0;   // the word factor when a tile touches it across the line
  int32_t crossPoints = 0;   // the touching tiles' points times crossFactor
  int32_t newTile = 1;       // 1 when empty
};

// The square at (row, column) of the playing area, for a word along the row
// (horizontal) or the column.
ScoringSquare scoringSquare(const Board& board, int row, int column, bool horizontal);

// Scores `length` letter codes laid on squares[0..length-1]; blankFlags marks
// blanks, `values` gives tile values. Premiums count on new tiles only; cross-words
// count; exactly seven new tiles add 50 and set bonusFlag.
int32_t scoreOnSquares(const ScoringSquare* squares, const uint8_t* letters,
                       const uint8_t* blankFlags, int length, const LetterCounts& values,
                       uint8_t& bonusFlag);

// Scores the word of `length` letter codes whose last square is `lastPosition`
// (1..15 along line state.lineIndex in direction state.horizontal); state.blankFlags
// marks blanks. As scoreOnSquares, on the board of `state`.
int32_t scoreMove(GameState& state, const uint8_t* letters, int length, int lastPosition);

// Scores a played word (lower case = blank) laid from (row, column), both 1..15,
// on the board of `state` before it is laid: what the replay of a turn scores.
// The word must lie on the board and hold letters only.
int32_t scorePlayedWord(GameState& state, int row, int column, bool horizontal,
                        std::string_view word);

}  // namespace kwarrel

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

// Points of the occupied squares next to (row, column), walking outward by
// (rowStep, columnStep) until an empty square; the border is always empty.
inline int32_t crossRunPoints(const Board& board, int row, int column, int rowStep, int columnStep) {
  int32_t sum = 0;
  row += rowStep;
  column += columnStep;
  while (!board.at(row, column).empty) {
    sum += board.at(row, column).points;
    row += rowStep;
    column += columnStep;
  }
  return sum;
}

// The square at (row, column) of the playing area, for a word along the row
// (horizontal) or the column. Inline: the search prepares every line with it.
inline ScoringSquare scoringSquare(const Board& board, int row, int column, bool horizontal) {
  ScoringSquare square;
  const Cell& cell = board.at(row, column);
  if (!cell.empty) {
    square.points = cell.points;
    square.letterFactor = 0;
    square.newTile = 0;
    return square;
  }
  const int premium = premiumAt(row, column);
  if (premium < 0) {
    square.wordFactor = -premium;
  } else {
    square.letterFactor = premium;
  }
  // Across the word: the neighbours above and below, or left and right.
  const int crossRowStep = horizontal ? 1 : 0;
  const int crossColumnStep = horizontal ? 0 : 1;
  const bool crossed = !board.at(row - crossRowStep, column - crossColumnStep).empty ||
                       !board.at(row + crossRowStep, column + crossColumnStep).empty;
  if (crossed) {
    square.crossFactor = square.wordFactor;
    square.crossPoints = (crossRunPoints(board, row, column, -crossRowStep, -crossColumnStep) +
                          crossRunPoints(board, row, column, crossRowStep, crossColumnStep)) *
                         square.wordFactor;
  }
  return square;
}

// A word's score, summed square by square as its letters are laid: the points of
// its tiles and laid letters, the product of its word factors, the cross-words
// and the tiles laid. The one formula of scoring: scoreOnSquares sums a whole
// word with it, the search a letter at a time.
struct ScoreSums {
  int32_t main = 0;
  int32_t factor = 1;
  int32_t cross = 0;
  int32_t laid = 0;
  // With a letter worth `value` laid on `square` (on a tile square: the tile). The
  // same steps for every square, without branches: which squares hold tiles and
  // which letters are blanks follow no pattern.
  ScoreSums laying(const ScoringSquare& square, int32_t value) const {
    const int32_t placed = value * square.letterFactor;
    return {main + square.points + placed, factor * square.wordFactor,
            cross + square.crossPoints + placed * square.crossFactor, laid + square.newTile};
  }
  // With the tile on `square`, which lays nothing.
  ScoreSums passing(const ScoringSquare& square) const {
    return {main + square.points, factor, cross, laid};
  }
  // The score; exactly seven new tiles add the bonus and set bonusFlag.
  int32_t total(uint8_t& bonusFlag) const {
    int32_t score = main * factor + cross;
    if (laid == kBonusTiles) {
      score += kBonus;
      bonusFlag = 1;
    }
    return score;
  }
};

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

#include "search/score.h"

namespace kwarrel {
namespace {

constexpr int kBonusTiles = 7;
constexpr int32_t kBonus = 50;

// Points of the occupied squares next to (row, column), walking outward by
// (rowStep, columnStep) until an empty square; the border is always empty.
int32_t runPoints(const Board& board, int row, int column, int rowStep, int columnStep) {
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

}  // namespace

int32_t scoreMove(GameState& state, const uint8_t* letters, int length, int lastPosition) {
  if (length <= 0) return 0;
  const bool horizontal = state.horizontal != 0;
  const int line = state.lineIndex;
  const int first = lastPosition - length + 1;
  // Callers keep words on the board; anything else would read past the grid.
  if (first < 1 || lastPosition > kBoardSize || line < 1 || line > kBoardSize) return 0;
  // Across the word: the neighbours above and below, or left and right.
  const int crossRowStep = horizontal ? 1 : 0;
  const int crossColumnStep = horizontal ? 0 : 1;

  int32_t wordMultiplier = 1;
  int32_t mainSum = 0;
  int32_t crossTotal = 0;
  int newTiles = 0;
  for (int i = 0; i < length; ++i) {
    const int row = horizontal ? line : first + i;
    const int column = horizontal ? first + i : line;
    const Cell& cell = state.board.at(row, column);
    if (!cell.empty) {
      mainSum += cell.points;
      continue;
    }
    ++newTiles;
    const int code = state.blankFlags[i] ? 0 : letters[i];
    int32_t value = code >= 0 && code < kLetterCodes ? state.valueTable[code] : 0;
    const int premium = premiumAt(row, column);
    if (premium < 0) {
      wordMultiplier *= -premium;
    } else {
      value *= premium;
    }
    mainSum += value;

    const Cell& before = state.board.at(row - crossRowStep, column - crossColumnStep);
    const Cell& after = state.board.at(row + crossRowStep, column + crossColumnStep);
    if (before.empty && after.empty) continue;
    const int32_t crossValue =
        runPoints(state.board, row, column, -crossRowStep, -crossColumnStep) +
        runPoints(state.board, row, column, crossRowStep, crossColumnStep) + value;
    crossTotal += premium < 0 ? crossValue * -premium : crossValue;
  }

  int32_t score = mainSum * wordMultiplier + crossTotal;
  if (newTiles == kBonusTiles) {
    score += kBonus;
    state.bonusFlag = 1;
  }
  return score;
}

}  // namespace kwarrel

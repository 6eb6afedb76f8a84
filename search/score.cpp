#include "search/score.h"

#include <algorithm>

namespace kwarrel {

int32_t scoreOnSquares(const ScoringSquare* squares, const uint8_t* letters,
                       const uint8_t* blankFlags, int length, const LetterCounts& values,
                       uint8_t& bonusFlag) {
  ScoreSums sums;
  for (int i = 0; i < length; ++i) {
    const int code = blankFlags[i] != 0 ? 0 : letters[i];
    sums = sums.laying(squares[i], code < kLetterCodes ? values[code] : 0);
  }
  return sums.total(bonusFlag);
}

int32_t scoreMove(GameState& state, const uint8_t* letters, int length, int lastPosition) {
  if (length <= 0) return 0;
  const bool horizontal = state.horizontal != 0;
  const int line = state.lineIndex;
  const int first = lastPosition - length + 1;
  // Callers keep words on the board; anything else would read past the grid.
  if (first < 1 || lastPosition > kBoardSize || line < 1 || line > kBoardSize) return 0;
  ScoringSquare squares[kMaxWordLength];
  for (int i = 0; i < length; ++i) {
    const int along = first + i;
    squares[i] = horizontal ? scoringSquare(state.board, line, along, true)
                            : scoringSquare(state.board, along, line, false);
  }
  return scoreOnSquares(squares, letters, state.blankFlags.data(), length, state.valueTable,
                        state.bonusFlag);
}

int32_t scorePlayedWord(GameState& state, int row, int column, bool horizontal,
                        std::string_view word) {
  const int length = static_cast<int>(std::min<size_t>(word.size(), kMaxWordLength));
  uint8_t letters[kMaxWordLength]{};
  for (int k = 0; k < length; ++k) {
    const char c = word[k];
    state.blankFlags[k] = static_cast<unsigned char>(c) >= 'a' ? 1 : 0;
    letters[k] = static_cast<uint8_t>(letterCode(c));
  }
  state.horizontal = horizontal ? 1 : 0;
  state.lineIndex = horizontal ? row : column;
  const int first = horizontal ? column : row;
  return scoreMove(state, letters, length, first + length - 1);
}

}  // namespace kwarrel

#include "game/board_ops.h"

namespace kwarrel {

void resetBoard(GameState& state) {
  state.pool = state.countTable;
  for (int row = 0; row < kBoardSide; ++row) {
    for (int column = 0; column < kBoardSide; ++column) {
      Cell& cell = state.board.at(row, column);
      cell.empty = 1;
      const uint32_t checks = Board::isPlayingArea(row, column) ? kAllLetters : 0;
      cell.acrossCheck = checks;
      cell.downCheck = checks;
    }
  }
}

void countRack(GameState& state, std::string_view draw) {
  state.rackCounts.fill(0);
  for (const char c : draw) {
    if (c == state.settings.blankChar) {
      ++state.rackCounts[0];
      continue;
    }
    const char letter = upperCase(c);
    if (!isUpperLetter(letter)) return;
    ++state.rackCounts[letterCode(letter)];
  }
}

namespace {

// With "1e blanco vervangen" off, the first blank letter stays a blank when it
// occurs again as a blank and only one real tile of it is left: the second blank
// then takes that last tile. Returns the position of that first blank letter, or
// -1 when every blank may take a real tile. Replacement starts right after it,
// also when it lies on the board already.
int firstBlankKept(const GameState& state, std::string_view word) {
  if (state.settings.replaceFirstBlank) return -1;
  int blanks = 0;
  int first = -1;
  bool repeated = false;
  for (int i = 0; i < static_cast<int>(word.size()); ++i) {
    if (!isLowerLetter(word[i])) continue;
    ++blanks;
    if (first < 0) {
      first = i;
    } else if (word[i] == word[first]) {
      repeated = true;
    }
  }
  if (blanks >= 2 && repeated && state.pool[letterCode(word[first])] == 1) return first;
  return -1;
}

}  // namespace

std::string placeMove(GameState& state, int row, int column, bool horizontal,
                      std::string_view word) {
  const auto squareAt = [&](int i) -> Cell& {
    return horizontal ? state.board.at(row, column + i) : state.board.at(row + i, column);
  };
  const int length = static_cast<int>(word.size());
  // A word that does not lie on the board cannot be laid at all.
  const int last = (horizontal ? column : row) + length - 1;
  if (row < 1 || column < 1 || last > kBoardSize || (horizontal ? row : column) > kBoardSize) {
    return "?";
  }

  // Availability: every real letter that lands on an empty square needs its tile.
  for (int i = 0; i < length; ++i) {
    const char c = word[i];
    if (!isUpperLetter(c) || !squareAt(i).empty) continue;
    if (--state.pool[letterCode(c)] < 0) return "?";
  }

  const int kept = firstBlankKept(state, word);
  std::string laid;
  laid.reserve(word.size());
  for (int i = 0; i < length; ++i) {
    const char c = word[i];
    const int code = letterCode(c);
    Cell& cell = squareAt(i);
    if (cell.empty && !isUpperLetter(c) && !isLowerLetter(c)) {
      // Not a letter (a hand-made file): no tile can stand for it.
      return laid + "?";
    }
    if (!cell.empty) {
      // An occupied square keeps its tile whatever the word says there: the board
      // the search sees must stay the board that is shown.
      laid += cell.points != 0 ? upperCase(static_cast<char>('@' + cell.letter))
                               : lowerCase(static_cast<char>('@' + cell.letter));
      continue;
    }
    if (isUpperLetter(c)) {
      cell.points = state.valueTable[code];
      laid += c;
    } else if (i != kept && state.pool[code] > 0) {
      // A blank laid while its letter is still in the bag takes the real tile.
      --state.pool[code];
      cell.points = state.valueTable[code];
      laid += upperCase(c);
    } else {
      if (state.pool[0] < 1) return laid + "?";
      --state.pool[0];
      cell.points = 0;
      laid += lowerCase(c);
    }
    cell.empty = 0;
    cell.letter = static_cast<uint8_t>(code);
  }
  return laid;
}

void clearDisplayGrid(GameState& state) {
  for (auto& row : state.displayGrid) {
    for (DisplaySquare& square : row) {
      square = DisplaySquare{'?', 0, state.maxTurns + 1};
    }
  }
}

void showWord(GameState& state, int row, int column, bool horizontal, std::string_view word,
              int turnIndex) {
  for (const char c : word) {
    if (row > kBoardSize - 1 || column > kBoardSize - 1 || row < 0 || column < 0) return;
    DisplaySquare& square = state.displayGrid[row][column];
    if (square.shown == '?') {
      square.shown = c;
      square.points = isUpperLetter(c) ? state.valueTable[letterCode(c)] : 0;
      square.turnIndex = turnIndex;
    }
    if (horizontal) {
      ++column;
    } else {
      ++row;
    }
  }
  state.observer->boardChanged();
}

}  // namespace kwarrel

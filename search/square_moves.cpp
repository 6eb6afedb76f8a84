#include "search/square_moves.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace kwarrel {
namespace {

// A busy square collects a few dozen moves; reserving once keeps filing cheap.
constexpr size_t kReservedPerSquare = 16;

int squareIndex(int row0, int column0) { return row0 * kBoardSize + column0; }

bool onBoard(int row0, int column0) {
  return row0 >= 0 && row0 < kBoardSize && column0 >= 0 && column0 < kBoardSize;
}

std::string possibilityLine(const Move& move) {
  return move.word + " \t " + std::to_string(move.score);
}

}  // namespace

void clearSquareMoves(GameState& state) {
  for (auto& moves : state.squareMoves) {
    moves.clear();
    if (moves.capacity() == 0) moves.reserve(kReservedPerSquare);
  }
}

void fileSquareMove(GameState& state, const Move& move) {
  const int row0 = move.row - 1;
  const int column0 = move.column - 'A';
  if (!onBoard(row0, column0)) return;
  state.squareMoves[squareIndex(row0, column0)].push_back(move);
}

std::optional<SquarePossibilities> squarePossibilities(const GameState& state, int row0,
                                                       int column0) {
  if (!onBoard(row0, column0)) return std::nullopt;
  const std::vector<Move>& filed = state.squareMoves[squareIndex(row0, column0)];
  if (filed.empty()) return std::nullopt;

  // A word found with a blank and with the real letter is one entry, at its best.
  // Sorting brings each word and direction together, best score first, so a busy
  // square (a rack of blanks files tens of thousands of moves) stays quick.
  std::vector<Move> entries(filed.begin(), filed.end());
  for (Move& entry : entries) {
    std::transform(entry.word.begin(), entry.word.end(), entry.word.begin(), upperCase);
  }
  std::sort(entries.begin(), entries.end(), [](const Move& a, const Move& b) {
    if (a.horizontal != b.horizontal) return a.horizontal < b.horizontal;
    if (a.word != b.word) return a.word < b.word;
    return a.score > b.score;
  });
  const auto sameEntry = [](const Move& a, const Move& b) {
    return a.horizontal == b.horizontal && a.word == b.word;
  };
  entries.erase(std::unique(entries.begin(), entries.end(), sameEntry), entries.end());

  SquarePossibilities result;
  char title[32];
  std::snprintf(title, sizeof title, "Mogelijkheden op %c %d", 'A' + column0, row0 + 1);
  result.title = title;
  for (const Move& entry : entries) {
    (entry.horizontal ? result.horizontal : result.vertical).push_back(possibilityLine(entry));
  }
  std::sort(result.horizontal.begin(), result.horizontal.end());
  std::sort(result.vertical.begin(), result.vertical.end());
  return result;
}

}  // namespace kwarrel

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
  std::vector<Move> entries;
  for (const Move& move : filed) {
    Move entry = move;
    std::transform(entry.word.begin(), entry.word.end(), entry.word.begin(), upperCase);
    const auto same = std::find_if(entries.begin(), entries.end(), [&](const Move& known) {
      return known.word == entry.word && known.horizontal == entry.horizontal;
    });
    if (same == entries.end()) {
      entries.push_back(std::move(entry));
    } else if (entry.score > same->score) {
      same->score = entry.score;
    }
  }

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

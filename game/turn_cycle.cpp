#include "game/turn_cycle.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/board_ops.h"
#include "game/draw.h"
#include "search/move_bounds.h"
#include "search/score.h"
#include "search/search.h"
#include "search/square_moves.h"

namespace kwarrel {

namespace {

void clearPlayColumns(TurnListRow& row) {
  for (size_t column = 1; column < row.size(); ++column) row[column].clear();
}

std::string squareName(const Turn& turn) {
  return std::string(1, static_cast<char>(turn.column + 64)) + std::to_string(turn.row);
}

// Whether the played word can be laid. A word that runs past square 15 ends the
// replay; so does one whose square is unset or off the board, or one holding a
// character that is no letter (a hand-made file): none of them could be scored
// or laid as it stands.
bool canBeLaid(const Turn& turn) {
  const int length = static_cast<int>(turn.word.size());
  const int line = turn.horizontal ? turn.row : turn.column;
  const int first = turn.horizontal ? turn.column : turn.row;
  if (line < 1 || line > kBoardSize || first < 1 || first + length - 1 > kBoardSize) return false;
  return std::all_of(turn.word.begin(), turn.word.end(),
                     isLetter);
}

// Scores the played word on the board before it is laid, then lays and shows it.
// False when the pool lacks one of its tiles (a tile set without that letter, or
// with fewer of it): then the board and the pool are as they were and nothing is
// scored, as for a word that does not fit on the board.
bool replayTurn(GameState& state, int index) {
  Turn& turn = state.turns[index];
  const int length = static_cast<int>(turn.word.size());
  const int32_t score = scorePlayedWord(state, turn.row, turn.column, turn.horizontal != 0, turn.word);

  const auto squareAt = [&](int k) -> Cell& {
    return turn.horizontal ? state.board.at(turn.row, turn.column + k)
                           : state.board.at(turn.row + k, turn.column);
  };
  std::array<Cell, kMaxWordLength> covered;
  for (int k = 0; k < length; ++k) covered[k] = squareAt(k);
  const LetterCounts pool = state.pool;
  const std::string laid = placeMove(state, turn.row, turn.column, turn.horizontal != 0, turn.word);
  if (laid.find('?') != std::string::npos) {
    for (int k = 0; k < length; ++k) squareAt(k) = covered[k];
    state.pool = pool;
    return false;
  }
  state.totalScore += score;
  turn.score = score;
  showWord(state, turn.row - 1, turn.column - 1, turn.horizontal != 0, laid, index);
  state.turnListRows[index][4] = std::to_string(score);
  return true;
}

void searchTurn(GameState& state, int index) {
  countRack(state, state.turns[index].rack);
  clearSquareMoves(state);
  state.results.clear();
  state.searchedTurn = index;
  state.bonusFlag = 0;
  if (index == 0) {
    searchFirstMove(state, state.results);
    return;
  }
  computeCrossChecks(state);
  searchBoard(state, state.results);
}

}  // namespace

int searchRack(GameState& state, int index, const std::string& rack) {
  state.turns[index].rack = rack;
  state.results.clear();
  return recomputeGame(state);
}

int recomputeAfresh(GameState& state) {
  clearSquareMoves(state);
  state.results.clear();
  return recomputeGame(state);
}

int recomputeGame(GameState& state) {
  const int inProgress = replayGame(state);
  if (inProgress < state.maxTurns && state.turns[inProgress].rack.size() == kRackSize) {
    searchTurn(state, inProgress);
  }
  return inProgress;
}

int replayGame(GameState& state) {
  state.totalScore = 0;
  clearDisplayGrid(state);
  resetBoard(state);
  state.currentDraw.clear();

  int inProgress = -1;
  int index = 0;
  for (; index < state.maxTurns; ++index) {
    Turn& turn = state.turns[index];
    TurnListRow& row = state.turnListRows[index];
    row[0] = turn.rack;
    if (turn.rack.empty()) {
      if (inProgress < 0) inProgress = index;
    } else {
      state.currentDraw = turn.rack;
    }
    if (!turn.hasValidWord()) {
      clearPlayColumns(row);
      if (inProgress < 0) inProgress = index;
      continue;
    }
    state.currentDraw.clear();
    row[1] = turn.word;
    row[2] = squareName(turn);
    row[3] = turn.horizontal ? "H" : "V";
    if (!canBeLaid(turn) || !replayTurn(state, index)) {
      if (inProgress < 0) inProgress = index;
      break;
    }
  }
  if (inProgress < 0) inProgress = index;
  return inProgress;
}

bool limitDrawnBlanks(const GameState& state, std::string& best, const Move& bestMove) {
  const char blank = state.settings.blankChar;
  LetterCounts remaining = state.pool;
  for (const char c : best) {
    if (c != blank && isUpperLetter(c)) --remaining[letterCode(c)];
  }

  // Only letters the move lays count: a blank already on the board was not drawn.
  const auto laidHere = [&](size_t position) {
    const int offset = static_cast<int>(position);
    const int row = bestMove.horizontal ? bestMove.row : bestMove.row + offset;
    const int column = bestMove.column - 64 + (bestMove.horizontal ? offset : 0);
    if (row < 1 || row > kBoardSize || column < 1 || column > kBoardSize) return false;
    return state.board.at(row, column).empty != 0;
  };

  bool replaced = false;
  size_t j = 0;
  const std::string& word = bestMove.word;
  for (char& tile : best) {
    if (tile != blank) continue;
    while (j < word.size() &&
           !(isLowerLetter(word[j]) && remaining[letterCode(word[j])] > 0 && laidHere(j))) {
      ++j;
    }
    if (j >= word.size()) break;
    tile = upperCase(word[j]);
    --remaining[letterCode(word[j])];
    ++j;
    replaced = true;
  }
  return replaced;
}

namespace {

// Whether a move of `draw` scores more than `threshold` on the board of the last
// search. Only the anchors where the bounds allow such a move are searched, with
// one slot; the search scratch is left as that search leaves it.
bool drawMayBeat(GameState& state, const MoveBounds& bounds, const std::string& draw,
                 int32_t threshold, AnchorDepths& depths, std::vector<Move>& found) {
  countRack(state, draw);
  if (!bounds.movesAbove(state.rackCounts, state.valueTable, threshold, depths)) return false;
  const int32_t slots = state.activeSlots;
  state.activeSlots = 1;
  found.clear();
  searchBoardWithin(state, depths, found);
  state.activeSlots = slots;
  return !found.empty() && found.front().score > threshold;
}

}  // namespace

DrawChoice optimiseDraw(GameState& state, int turnIndex, int passes) {
  const Settings& settings = state.settings;
  DrawChoice choice;
  int32_t bestScore = -1;
  // The board stays the same from pass to pass, and once a draw has scored only a
  // draw that scores more counts: a draw is searched in full only when a partial
  // search, of the anchors where its tiles could score enough, finds it does.
  std::optional<MoveBounds> bounds;
  AnchorDepths depths{};
  std::vector<Move> found;
  bool partialLast = false;
  for (int pass = 0; pass < passes; ++pass) {
    const std::string draw = drawRack(state);
    // The pool does not change between passes: no draw now means none at all.
    if (draw.empty()) break;
    choice.lastDraw = draw;
    if (bounds && !drawMayBeat(state, *bounds, draw, bestScore, depths, found)) {
      partialLast = true;
      continue;
    }
    searchRack(state, turnIndex, draw);
    partialLast = false;
    if (state.results.empty() || state.results.front().score <= bestScore) continue;

    choice.best = draw;
    bestScore = state.results.front().score;
    if (!bounds && turnIndex > 0 && state.searchedTurn == turnIndex) bounds.emplace(state.board);
    if (settings.limitBlanks && limitDrawnBlanks(state, choice.best, state.results.front())) {
      searchRack(state, turnIndex, choice.best);
      if (!state.results.empty()) bestScore = state.results.front().score;
    }
    if (settings.stopAtFirstBonzel && !state.results.empty() && state.bonusFlag != 0) break;
  }
  // As though every draw had been searched in full: the last one's search stands.
  if (partialLast) searchRack(state, turnIndex, choice.lastDraw);
  return choice;
}

void drawAndSearch(GameState& state) {
  const int t = recomputeAfresh(state);
  if (t < 0 || t >= state.maxTurns) return;

  // At least one pass, whatever the configuration says, so a draw always results.
  state.observer->setWaitCursor(true);
  const DrawChoice choice = optimiseDraw(state, t, std::max(state.settings.optimisationLoops, 1));
  state.observer->setWaitCursor(false);
  if (choice.lastDraw.empty()) return;

  state.currentDraw = displayRack(state, choice.best);
  state.turns[t].rack = state.currentDraw;
  state.selectedTurn = t;
  state.observer->selectTurnRow(t);
}

}  // namespace kwarrel

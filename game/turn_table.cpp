#include "game/turn_table.h"

#include <algorithm>

#include "game/turn_cycle.h"

namespace kwarrel {

namespace {

bool inGame(const GameState& state, int index) { return index >= 0 && index < state.maxTurns; }

bool isUsed(const Turn& turn) { return !turn.rack.empty() || !turn.word.empty(); }

}  // namespace

int candidateTurn(const GameState& state) {
  if (inGame(state, state.searchedTurn)) return state.searchedTurn;
  for (int i = 0; i < state.maxTurns; ++i) {
    const Turn& turn = state.turns[i];
    if (turn.rack.empty()) return i - 1;  // -1 for the first turn
    if (turn.word.empty()) return i;
  }
  return -1;
}

bool showCandidate(GameState& state, int resultIndex) {
  const int t = candidateTurn(state);
  if (t < 0 || resultIndex < 0 || resultIndex >= static_cast<int>(state.results.size())) {
    return false;
  }
  state.turns[t].play(state.results[resultIndex]);
  replayGame(state);
  state.currentDraw.clear();
  return true;
}

int lastUsedTurn(const GameState& state) {
  for (int i = state.maxTurns - 1; i > 0; --i) {
    if (isUsed(state.turns[i])) return i;
  }
  return 0;
}

bool deleteNeedsConfirmation(const GameState& state, int index) {
  return inGame(state, index) && index < lastUsedTurn(state) && isUsed(state.turns[index]);
}

bool deleteTurn(GameState& state, int index) {
  if (!inGame(state, index) || index > lastUsedTurn(state)) return false;
  const auto first = state.turns.begin() + index;
  const auto end = state.turns.begin() + state.maxTurns;
  std::rotate(first, first + 1, end);
  state.turns[state.maxTurns - 1].clear();
  recomputeAfresh(state);
  return true;
}

bool insertTurn(GameState& state, int index) {
  if (!inGame(state, index)) return false;
  const auto first = state.turns.begin() + index;
  const auto end = state.turns.begin() + state.maxTurns;
  std::rotate(first, end - 1, end);
  state.turns[index].clear();
  recomputeAfresh(state);
  return true;
}

void newGame(GameState& state) {
  for (int i = 0; i < state.maxTurns; ++i) {
    state.turns[i].clear();
    for (size_t column = 1; column < state.turnListRows[i].size(); ++column) {
      state.turnListRows[i][column].clear();
    }
  }
  recomputeAfresh(state);
}

bool aimTurnAt(GameState& state, int index, int row, int column, bool horizontal) {
  if (!inGame(state, index) || !Board::isPlayingArea(row, column)) return false;
  Turn& turn = state.turns[index];
  if (turn.rack.empty() || !turn.word.empty()) return false;
  turn.row = row;
  turn.column = column;
  turn.score = -1;
  turn.horizontal = horizontal ? 1 : 0;
  return true;
}

}  // namespace kwarrel

// Rebuilding the game from its turn table, and drawing the next rack.
#pragma once

#include <string>

#include "game/game_state.h"

namespace kwarrel {

// Replays every played turn on an empty board (scores, pool, display grid,
// turn-list texts, total), then searches the turn in progress into state.results.
// Returns the index of the turn in progress, maxTurns when every turn is played.
int recomputeGame(GameState& state);

// The same without the search: the result list and per-square lists stay as they
// are, so a chosen candidate can be laid while the list it came from is kept.
int replayGame(GameState& state);

// Empties the per-square move lists and the result list, then recomputes: what
// every change to the game ends with. Returns the turn in progress.
int recomputeAfresh(GameState& state);

// Puts `rack` in turn `index`, empties the result list and recomputes; returns the
// turn in progress. A seven-letter rack of the turn in progress is searched afresh.
int searchRack(GameState& state, int index, const std::string& rack);

// Draws the rack of the turn in progress (as many times as the optimisation passes
// ask, keeping the richest draw) and searches it. Changes nothing when the pool
// allows no draw.
void drawAndSearch(GameState& state);

// The kept draw of the optimisation passes for turn `turnIndex`.
struct DrawChoice {
  std::string best;      // drawn order; empty when no draw allowed a move
  std::string lastDraw;  // the last draw tried; empty when the pool allows none
};

// Tries `passes` draws for the turn, searching each, and keeps the one whose best
// move scores most (with blank limiting and "Stop bij eerste bonzel" as set).
// Afterwards state.results holds the last search made: of the last draw tried, or
// of the kept draw when blank limiting changed it in that same pass.
DrawChoice optimiseDraw(GameState& state, int turnIndex, int passes);

// Blank limiting: swaps each drawn blank of `best` that `bestMove` used as a letter
// still in the bag for that letter. Returns whether a blank was replaced.
bool limitDrawnBlanks(const GameState& state, std::string& best, const Move& bestMove);

}  // namespace kwarrel

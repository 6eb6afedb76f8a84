// Changes the window makes to the turn table: laying a chosen candidate, deleting
// and inserting turns, starting a new game, and preparing a turn for entry at a
// clicked square. Each ends with the recompute, as every change to a game does.
#pragma once

#include "game/game_state.h"

namespace kwarrel {

// The turn a chosen candidate goes into: the searched turn when there is one,
// else the first turn with a rack and no word (a turn without a rack before it
// makes the turn before that one). -1 when there is none.
int candidateTurn(const GameState& state);

// Lays result `resultIndex` into the candidate turn and replays the game without
// a new search, so the candidate list stays. False when nothing was laid.
bool showCandidate(GameState& state, int resultIndex);

// The highest index whose turn has a rack or a word; 0 when none has.
int lastUsedTurn(const GameState& state);

// Whether deleting turn `index` must first be confirmed: it holds a rack or a word
// and later turns follow it.
bool deleteNeedsConfirmation(const GameState& state, int index);

// Moves every later turn one slot up and empties the last slot, then recomputes.
// False (and nothing changes) for an index outside the game or past the last used turn.
bool deleteTurn(GameState& state, int index);

// Moves the turns from `index` on one slot down (the last slot's turn is lost) and
// empties slot `index`, then recomputes. False for an index outside the game.
bool insertTurn(GameState& state, int index);

// Empties every turn of the game and recomputes the empty game.
void newGame(GameState& state);

// A board click on (row, column), 1-based, for turn `index`: the turn must exist,
// have a rack and no word. Its square and direction become the click's, its score
// -1. False when the click does not apply.
bool aimTurnAt(GameState& state, int index, int row, int column, bool horizontal);

}  // namespace kwarrel

// The best-move search: every legal placement of the rack in rackCounts, the best
// kept in the result slots and emitted by descending score.
#pragma once

#include <vector>

#include "game/game_state.h"
#include "search/move_bounds.h"

namespace kwarrel {

// Refreshes acrossCheck and downCheck of every empty square from the word graph
// (squares no tile touches in a direction keep their set). Lines whose tiles are
// unchanged since the last call reuse the sets kept in state.lineChecks.
void computeCrossChecks(GameState& state);

// Full search on a non-empty board; appends the result list to `results`.
void searchBoard(GameState& state, std::vector<Move>& results);

// searchBoard restricted to the moves `depths` marks: what it finds is what the
// full search finds at those anchors, so every move it passes over scores no more
// than the bounds that left it out.
void searchBoardWithin(GameState& state, const AnchorDepths& depths, std::vector<Move>& results);

// First turn: horizontal placements in row 8 that cover H8.
void searchFirstMove(GameState& state, std::vector<Move>& results);

}  // namespace kwarrel

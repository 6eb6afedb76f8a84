// The search is built twice from the same sources: `generic` runs on any
// processor, `popcount` is compiled for x86 processors that count the bits of a word
// in one instruction, which finding a child in the word graph does at every step
// (about 13 % of a search with a blank). searchBoard and searchFirstMove pick the
// build the processor can run; both find the same moves in the same order.
#pragma once

#include <vector>

#include "game/game_state.h"
#include "search/move_bounds.h"

namespace kwarrel {

namespace generic {
void searchBoard(GameState& state, std::vector<Move>& results);
void searchBoardWithin(GameState& state, const AnchorDepths& depths, std::vector<Move>& results);
void searchFirstMove(GameState& state, std::vector<Move>& results);
}  // namespace generic

namespace popcount {
void searchBoard(GameState& state, std::vector<Move>& results);
void searchBoardWithin(GameState& state, const AnchorDepths& depths, std::vector<Move>& results);
void searchFirstMove(GameState& state, std::vector<Move>& results);
}  // namespace popcount

// Whether this processor runs the popcount build.
bool processorCountsBits();

}  // namespace kwarrel

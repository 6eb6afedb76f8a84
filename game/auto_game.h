// The automatic game: plays every remaining turn with the best move of an
// optimised draw, until the turn table is full or no draw or move is possible.
#pragma once

#include <string>

#include "game/game_state.h"

namespace kwarrel {

// Each search of the run keeps only its best move and files nothing per square.
// A turn whose kept draw allows no move ends the run; after the first turn it is
// recorded in the results folder of the current directory.
void autoGameCommand(GameState& state);

// The same with the stuck games recorded in `resultsFolder` (empty: not written).
void autoGameCommand(GameState& state, const std::string& resultsFolder);

}  // namespace kwarrel

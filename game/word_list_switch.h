// Changing the words a running game is played by.
#pragma once

#include "dict/word_graph.h"
#include "game/game_state.h"

namespace kwarrel {

// `active` is the graph `state.words` refers to; it takes over `next`. The
// cross-checks kept per line were looked up in the old words, so they are
// forgotten, and the game is recomputed: every score and the search of the turn
// in progress are by the new words. Returns the turn in progress.
int replaceWords(GameState& state, WordGraph& active, WordGraph next);

}  // namespace kwarrel

// Storing a typed-in turn: the draw, the word, its start square and direction,
// after the rule checks. The caller recomputes the game afterwards.
#pragma once

#include <string>
#include <string_view>

#include "game/game_state.h"

namespace kwarrel {

// Which checks an entry goes through: all of them, all but the word-list look-ups,
// or none.
enum class EntryCheck { Full, SkipWordList, SkipAll };

// Stores the entry in turn `turnIndex` and returns empty text, or returns the one
// Dutch message and changes nothing. row0 and column0 are 0-based; the draw may
// use '+', '*' and lower case (it is stored normalised).
std::string enterTurn(GameState& state, int turnIndex, std::string_view draw, int row0,
                      int column0, bool horizontal, std::string_view word, EntryCheck check);

}  // namespace kwarrel

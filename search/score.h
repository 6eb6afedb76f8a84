// Scoring one placement on the current board.
#pragma once

#include <cstdint>

#include "game/game_state.h"

namespace kwarrel {

// Scores the word of `length` letter codes whose last square is `lastPosition`
// (1..15 along line state.lineIndex in direction state.horizontal); state.blankFlags
// marks blanks. Premiums count on new tiles only; cross-words count; exactly seven
// new tiles add 50 and set bonusFlag.
int32_t scoreMove(GameState& state, const uint8_t* letters, int length, int lastPosition);

}  // namespace kwarrel

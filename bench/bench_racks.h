// Racks for the benchmarks, drawn from a game's pool with its own generator.
#pragma once

#include <numeric>

#include "game/game_state.h"

namespace kwarrel::bench {

// Draws up to seven tiles from the pool; `blanks` of them are blanks when >= 0,
// any tile of the pool otherwise.
inline LetterCounts drawFromPool(GameState& state, int blanks = -1) {
  LetterCounts bag = state.pool;
  LetterCounts rack{};
  if (blanks >= 0) {
    rack[0] = blanks;
    bag[0] = 0;
  }
  int left = std::accumulate(bag.begin(), bag.end(), 0);
  for (int pick = rack[0]; pick < kRackSize && left > 0; ++pick) {
    int x = state.random.next() % left;
    int code = 0;
    while (x >= bag[code]) x -= bag[code++];
    --bag[code];
    --left;
    ++rack[code];
  }
  return rack;
}

}  // namespace kwarrel::bench

// The picture of the board as the game history made it.
#pragma once

#include <array>
#include <cstdint>

#include "game/letters.h"

namespace kwarrel {

struct DisplaySquare {
  char shown = '?';        // '?' empty, 'A'..'Z' tile, 'a'..'z' blank
  int32_t points = 0;
  int32_t turnIndex = 0;   // 0-based turn that placed it; maxTurns + 1 when empty
};

// Indexed [row0][column0], both 0-based.
using DisplayGrid = std::array<std::array<DisplaySquare, kBoardSize>, kBoardSize>;

}  // namespace kwarrel

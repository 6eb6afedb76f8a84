// Moves filed by the square where they start, for the possibilities dialog.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/game_state.h"

namespace kwarrel {

void clearSquareMoves(GameState& state);
void fileSquareMove(GameState& state, const Move& move);

// What the possibilities dialog lists for one square (0-based row and column).
struct SquarePossibilities {
  std::string title;                    // "Mogelijkheden op %c %d"
  std::vector<std::string> horizontal;  // "%s \t %d", alphabetical
  std::vector<std::string> vertical;
};

// Nothing when the square lies off the board or no move starts there.
std::optional<SquarePossibilities> squarePossibilities(const GameState& state, int row0,
                                                       int column0);

}  // namespace kwarrel

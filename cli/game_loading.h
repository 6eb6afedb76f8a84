// Loading a game for the commands that show the search of the turn in progress.
#pragma once

#include <optional>
#include <string>

#include "game/game_state.h"

namespace kwarrel::cli {

// Prepares the game, loads the game file and recomputes it; a typed rack becomes
// the draw of the turn in progress and is searched. Prints "Kan bestand %s niet
// lezen" and returns false when the file cannot be read. Afterwards state.results
// holds the search of the turn in progress, or nothing when no search ran.
bool loadGameForSearch(GameState& state, const std::string& path,
                       const std::optional<std::string>& rack);

}  // namespace kwarrel::cli

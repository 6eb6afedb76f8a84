// Loading a game for the commands that show the search of the turn in progress.
#pragma once

#include <optional>
#include <string>

#include "cli/cli.h"
#include "game/game_state.h"

namespace kwarrel::cli {

// Prepares the game, loads the game file (the first positional argument) and
// recomputes it; a rack given with --rack becomes the draw of the turn in progress
// and is searched. Prints a Dutch message and returns false when the game cannot
// be loaded. Afterwards state.results holds the search of the turn in progress,
// or nothing when no search ran.
bool loadGameForSearch(GameState& state, const Arguments& arguments);

}  // namespace kwarrel::cli

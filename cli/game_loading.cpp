#include "cli/game_loading.h"

#include <cstdio>

#include "cli/cli.h"
#include "files/game_file.h"
#include "game/draw.h"
#include "game/turn_cycle.h"

namespace kwarrel::cli {

bool loadGameForSearch(GameState& state, const Arguments& arguments) {
  prepareGame(state, arguments);
  if (!loadGame(state, arguments.positional.at(0))) return false;
  const std::optional<std::string> rack = arguments.value("rack");
  if (!rack) return true;
  // Loading searched the turn in progress already; recomputing again tells which it is.
  const int inProgress = recomputeAfresh(state);
  if (inProgress < 0 || inProgress >= state.maxTurns) return true;
  state.turns[inProgress].rack = normaliseDraw(state, *rack);
  recomputeAfresh(state);
  return true;
}

}  // namespace kwarrel::cli

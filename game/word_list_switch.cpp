#include "game/word_list_switch.h"

#include <utility>

#include "game/turn_cycle.h"

namespace kwarrel {

int replaceWords(GameState& state, WordGraph& active, WordGraph next) {
  active = std::move(next);
  for (LineChecks& kept : state.lineChecks) kept.known = false;
  return recomputeAfresh(state);
}

}  // namespace kwarrel

#include "search/search.h"

#include "search/search_variants.h"

namespace kwarrel {

bool processorCountsBits() {
#if defined(KWARREL_POPCOUNT_BUILD) && defined(__GNUC__) && \
    (defined(__x86_64__) || defined(__i386__))
  return __builtin_cpu_supports("popcnt");
#else
  return false;
#endif
}

void searchBoard(GameState& state, std::vector<Move>& results) {
  if (processorCountsBits()) {
    popcount::searchBoard(state, results);
  } else {
    generic::searchBoard(state, results);
  }
}

void searchBoardWithin(GameState& state, const AnchorDepths& depths, std::vector<Move>& results) {
  if (processorCountsBits()) {
    popcount::searchBoardWithin(state, depths, results);
  } else {
    generic::searchBoardWithin(state, depths, results);
  }
}

void searchFirstMove(GameState& state, std::vector<Move>& results) {
  if (processorCountsBits()) {
    popcount::searchFirstMove(state, results);
  } else {
    generic::searchFirstMove(state, results);
  }
}

}  // namespace kwarrel

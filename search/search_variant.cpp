// The entry points of one build of the search (see search_variants.h).
#include "search/search_variants.h"
#include "search/searcher.h"

namespace kwarrel::KWARREL_SEARCH_VARIANT {

void searchBoard(GameState& state, std::vector<Move>& results) {
  Searcher searcher(state);
  searcher.searchBoard();
  searcher.emit(results);
}

void searchBoardWithin(GameState& state, const AnchorDepths& depths, std::vector<Move>& results) {
  Searcher searcher(state, &depths);
  searcher.searchBoard();
  searcher.emit(results);
}

void searchFirstMove(GameState& state, std::vector<Move>& results) {
  Searcher searcher(state);
  searcher.searchFirstMove();
  searcher.emit(results);
}

}  // namespace kwarrel::KWARREL_SEARCH_VARIANT

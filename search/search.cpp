#include "search/search.h"

#include "search/searcher.h"

namespace kwarrel {

void searchBoard(GameState& state, std::vector<Move>& results) {
  Searcher searcher(state);
  searcher.searchBoard();
  searcher.emit(results);
}

void searchFirstMove(GameState& state, std::vector<Move>& results) {
  Searcher searcher(state);
  searcher.searchFirstMove();
  searcher.emit(results);
}

}  // namespace kwarrel

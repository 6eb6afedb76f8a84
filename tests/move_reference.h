// A slow, independent reference for the move search: tries every start square,
// direction and letter assignment, checks each word formed with lookupWord, and
// scores by the rules of the game. Also models the result slots, so the exact
// order of the search's result list can be checked.
#pragma once

#include <string>
#include <vector>

#include "game/game_state.h"

namespace kwarrel::testing {

struct ReferenceMove {
  std::string word;  // upper case = tile (board tiles included), lower case = blank
  int row = 0;       // 1..15
  int column = 0;    // 1..15
  bool horizontal = true;
  int score = 0;
  std::vector<int> visitKey;  // orders moves as the search visits them

  bool sameAs(const Move& move) const {
    return move.word == word && move.row == row && move.column == 'A' + column - 1 &&
           (move.horizontal != 0) == horizontal && move.score == score;
  }
};

// Every legal placement of `rack` on the board, sorted in visiting order. With
// `firstMove` only horizontal row-8 placements covering H8 on an empty board.
std::vector<ReferenceMove> enumerateMoves(const GameState& state, const LetterCounts& rack,
                                          bool firstMove);

// The result list that `slots` result slots keep of moves found in this order.
std::vector<ReferenceMove> keptResults(const std::vector<ReferenceMove>& found, int slots);

// Plays `turns` turns of seeded self-play from an empty board (random rack from the
// pool, search, lay the best move). Returns how many turns were played.
int playSeededTurns(GameState& state, unsigned seed, int turns);

// A rack of `blanks` blanks and letters drawn at random from the pool.
LetterCounts randomRack(GameState& state, int blanks);

// "WORD H8h 12" style text for failure messages.
std::string describe(const ReferenceMove& move);
std::string describe(const Move& move);

}  // namespace kwarrel::testing

// Cross-checks kept between searches: after every kind of change to a game they
// must equal the sets computed afresh for the same board.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/draw.h"
#include "game/game_state.h"
#include "game/tile_set.h"
#include "game/turn_cycle.h"
#include "game/turn_table.h"
#include "search/search.h"

namespace kwarrel {
namespace {

class CrossChecksTest : public ::testing::Test {
 protected:
  CrossChecksTest() : state(builtInWordGraph()) {
    state.activeSlots = 1;
    state.random.seed(4711);
  }

  // Draws and searches the turn in progress, as the turn cycle does.
  int drawAndSearchTurn() {
    const int turn = recomputeGame(state);
    const std::string draw = drawRack(state);
    if (turn >= state.maxTurns || draw.empty()) return turn;
    searchRack(state, turn, draw);
    return turn;
  }

  // Plays the best move of a fresh draw for the turn in progress.
  void playTurn() {
    const int turn = drawAndSearchTurn();
    ASSERT_FALSE(state.results.empty());
    state.turns[turn].play(state.results.front());
    drawAndSearchTurn();
  }

  // The sets of the last search against those of a game state that never kept any.
  void expectFreshChecks(const std::string& after) {
    SCOPED_TRACE(after);
    const auto fresh = std::make_unique<GameState>(builtInWordGraph());
    fresh->board = state.board;
    for (int row = 1; row <= kBoardSize; ++row) {
      for (int column = 1; column <= kBoardSize; ++column) {
        Cell& cell = fresh->board.at(row, column);
        cell.acrossCheck = kAllLetters;
        cell.downCheck = kAllLetters;
      }
    }
    computeCrossChecks(*fresh);
    int differing = 0;
    for (int row = 1; row <= kBoardSize; ++row) {
      for (int column = 1; column <= kBoardSize; ++column) {
        const Cell& kept = state.board.at(row, column);
        const Cell& computed = fresh->board.at(row, column);
        if (!kept.empty) continue;
        differing += kept.acrossCheck != computed.acrossCheck ? 1 : 0;
        differing += kept.downCheck != computed.downCheck ? 1 : 0;
      }
    }
    EXPECT_EQ(differing, 0);
  }

  GameState state;
};

TEST_F(CrossChecksTest, KeptSetsMatchFreshOnesAfterEveryChange) {
  for (int i = 0; i < 8; ++i) {
    playTurn();
    expectFreshChecks("played turn " + std::to_string(i + 1));
  }

  ASSERT_TRUE(deleteTurn(state, 3));
  drawAndSearchTurn();
  expectFreshChecks("deleted turn 4");

  ASSERT_TRUE(insertTurn(state, 2));
  drawAndSearchTurn();  // the empty turn 3 ends the replay: two turns on the board
  expectFreshChecks("inserted turn 3");
  playTurn();
  expectFreshChecks("played the inserted turn");

  applyPreset(TilePreset::Oud, state.countTable, state.valueTable);
  drawAndSearchTurn();
  expectFreshChecks("changed tile set");

  newGame(state);
  for (int i = 0; i < 3; ++i) playTurn();
  expectFreshChecks("new game");
}

}  // namespace
}  // namespace kwarrel

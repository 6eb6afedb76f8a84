// Window changes to the turn table: a chosen candidate, delete and insert, a new
// game and a board click aimed at a turn.
#include <gtest/gtest.h>

#include "tests/report_games.h"

#include "game/turn_table.h"

namespace kwarrel {
namespace {

using report_games::newGame;
using report_games::playThreeTurns;
using report_games::setTurn;

TEST(TurnTableTest, ChosenCandidateIsLaidAndTheListStays) {
  auto state = newGame();
  playThreeTurns(*state);
  setTurn(*state, 3, "AEINRST", "", 'A', 1, true);
  report_games::recompute(*state);
  ASSERT_GE(state->results.size(), 2u);
  const std::vector<Move> offered = state->results;

  ASSERT_TRUE(showCandidate(*state, 1));
  EXPECT_EQ(state->turns[3].word, offered[1].word);
  EXPECT_EQ(state->turns[3].score, offered[1].score);
  EXPECT_EQ(state->results.size(), offered.size());  // the list is not searched anew
  EXPECT_TRUE(state->currentDraw.empty());

  // Another line of the same list replaces the word of the same turn.
  ASSERT_TRUE(showCandidate(*state, 0));
  EXPECT_EQ(state->turns[3].word, offered[0].word);
  EXPECT_TRUE(state->turns[4].word.empty());
  EXPECT_FALSE(showCandidate(*state, static_cast<int>(offered.size())));
}

TEST(TurnTableTest, NoCandidateTurnInAnEmptyGame) {
  auto state = newGame();
  EXPECT_EQ(candidateTurn(*state), -1);
  EXPECT_FALSE(showCandidate(*state, 0));
}

TEST(TurnTableTest, DeleteMovesLaterTurnsUpAndAsksOnlyInTheMiddle) {
  auto state = newGame();
  playThreeTurns(*state);
  EXPECT_EQ(lastUsedTurn(*state), 2);
  EXPECT_TRUE(deleteNeedsConfirmation(*state, 1));
  EXPECT_FALSE(deleteNeedsConfirmation(*state, 2));  // the last used turn
  EXPECT_FALSE(deleteTurn(*state, 5));               // past the last used turn

  const std::string third = state->turns[2].word;
  ASSERT_TRUE(deleteTurn(*state, 1));
  EXPECT_EQ(state->turns[1].word, third);
  EXPECT_TRUE(state->turns[state->maxTurns - 1].rack.empty());
  EXPECT_EQ(state->turns[state->maxTurns - 1].row, -1);
  EXPECT_EQ(state->turnListRows[1][1], third);
}

TEST(TurnTableTest, InsertOnAFullTableDropsTheLastTurn) {
  auto state = newGame();
  state->maxTurns = 11;
  for (int i = 0; i < state->maxTurns; ++i) setTurn(*state, i, "ABCDEFG", "", 'A', 1, true);
  state->turns[10].rack = "LASTONE";
  state->turns[9].rack = "NINTHXX";
  ASSERT_TRUE(insertTurn(*state, 0));
  EXPECT_TRUE(state->turns[0].rack.empty());
  EXPECT_EQ(state->turns[10].rack, "NINTHXX");
  EXPECT_FALSE(insertTurn(*state, 11));
}

TEST(TurnTableTest, NewGameEmptiesEveryTurnAndTheBoard) {
  auto state = newGame();
  playThreeTurns(*state);
  newGame(*state);
  EXPECT_EQ(state->totalScore, 0);
  EXPECT_TRUE(state->turns[0].word.empty());
  EXPECT_TRUE(state->turnListRows[0][1].empty());
  EXPECT_EQ(state->displayGrid[7][1].shown, '?');
}

TEST(TurnTableTest, BoardClickAimsOnlyADrawnUnplayedTurn) {
  auto state = newGame();
  playThreeTurns(*state);
  setTurn(*state, 3, "AEINRST", "", 'A', 1, true);
  EXPECT_FALSE(aimTurnAt(*state, 2, 5, 5, true));   // already played
  EXPECT_FALSE(aimTurnAt(*state, 4, 5, 5, true));   // no rack
  EXPECT_FALSE(aimTurnAt(*state, 3, 0, 5, true));   // off the board
  ASSERT_TRUE(aimTurnAt(*state, 3, 12, 4, false));
  EXPECT_EQ(state->turns[3].row, 12);
  EXPECT_EQ(state->turns[3].column, 4);
  EXPECT_EQ(state->turns[3].horizontal, 0);
}

}  // namespace
}  // namespace kwarrel

// The possibilities dialog of one square: the moves that start there, once per
// word and direction, alphabetically, with their best score.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "game/board_ops.h"
#include "game/game_state.h"
#include "search/search.h"
#include "search/square_moves.h"

namespace kwarrel {
namespace {

class SquareMovesTest : public ::testing::Test {
 protected:
  SquareMovesTest() : state(builtInWordGraph()) {
    resetBoard(state);
    clearSquareMoves(state);
  }
  void file(const std::string& word, int row, char column, bool horizontal, int score) {
    Move move;
    move.word = word;
    move.row = row;
    move.column = column;
    move.horizontal = horizontal ? 1 : 0;
    move.score = score;
    fileSquareMove(state, move);
  }
  GameState state;
};

TEST_F(SquareMovesTest, ListsEachWordOncePerDirectionWithItsBestScore) {
  file("KAt", 8, 'H', true, 10);
  file("KAT", 8, 'H', true, 12);
  file("KAT", 8, 'H', false, 9);
  file("ALS", 8, 'H', true, 6);
  file("kAT", 8, 'H', true, 11);
  file("AL", 8, 'H', true, 4);
  file("AL", 8, 'H', false, 4);

  const auto shown = squarePossibilities(state, 7, 7);
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->title, "Mogelijkheden op H 8");
  EXPECT_EQ(shown->horizontal,
            (std::vector<std::string>{"AL \t 4", "ALS \t 6", "KAT \t 12"}));
  EXPECT_EQ(shown->vertical, (std::vector<std::string>{"AL \t 4", "KAT \t 9"}));
}

TEST_F(SquareMovesTest, NothingToShowOffTheBoardOrWhereNoMoveStarts) {
  file("AL", 1, 'A', true, 2);
  file("OP", 15, 'O', false, 2);
  EXPECT_TRUE(squarePossibilities(state, 0, 0).has_value());
  EXPECT_EQ(squarePossibilities(state, 14, 14)->title, "Mogelijkheden op O 15");
  EXPECT_FALSE(squarePossibilities(state, 0, 1).has_value());
  for (const auto& [row0, column0] : {std::pair{-1, 0}, {0, -1}, {15, 0}, {0, 15}, {-1, -1}}) {
    EXPECT_FALSE(squarePossibilities(state, row0, column0).has_value()) << row0 << "," << column0;
  }
  // A move that claims a square off the board is not filed anywhere.
  file("AL", 0, 'A', true, 2);
  file("AL", 3, 'P', true, 2);
  int filed = 0;
  for (const auto& moves : state.squareMoves) filed += static_cast<int>(moves.size());
  EXPECT_EQ(filed, 2);

  clearSquareMoves(state);
  EXPECT_FALSE(squarePossibilities(state, 0, 0).has_value());
}

TEST_F(SquareMovesTest, SearchFilesEveryCandidateUnderItsFirstSquare) {
  ASSERT_EQ(placeMove(state, 8, 8, true, "A"), "A");
  ASSERT_EQ(placeMove(state, 9, 7, true, "A"), "A");
  state.rackCounts.fill(0);
  state.rackCounts[letterCode('L')] = 1;
  state.rackCounts[0] = 1;
  std::vector<Move> results;
  computeCrossChecks(state);
  searchBoard(state, results);

  // On G8 the L makes LA both ways; a blank L makes the same words worth less.
  const auto g8 = squarePossibilities(state, 7, 6);
  ASSERT_TRUE(g8.has_value());
  EXPECT_NE(std::find(g8->horizontal.begin(), g8->horizontal.end(), "LA \t 8"),
            g8->horizontal.end());
  EXPECT_NE(std::find(g8->vertical.begin(), g8->vertical.end(), "LA \t 8"),
            g8->vertical.end());
  EXPECT_EQ(std::count_if(g8->horizontal.begin(), g8->horizontal.end(),
                          [](const std::string& line) { return line.rfind("LA \t", 0) == 0; }),
            1);

  // The automatic game keeps one slot and files nothing.
  clearSquareMoves(state);
  state.activeSlots = 1;
  results.clear();
  searchBoard(state, results);
  EXPECT_FALSE(squarePossibilities(state, 7, 6).has_value());
}

// Seven blanks on the first turn: every word of 2 to 7 letters starts across on H8,
// each worth nothing but the 50 of a bonzel. The list holds each word once, in
// capitals, in order: some 40,000 lines, as many as moves were filed.
TEST_F(SquareMovesTest, SevenBlanksListEveryShortWordOnce) {
  state.rackCounts.fill(0);
  state.rackCounts[0] = kRackSize;
  std::vector<Move> results;
  searchFirstMove(state, results);

  std::vector<std::string> expected;
  std::ifstream list(std::string(KWARREL_SOURCE_DIR) + "/resources/woordenlijst.txt");
  for (std::string word; std::getline(list, word);) {
    if (word.size() < 2 || word.size() > kRackSize) continue;
    std::transform(word.begin(), word.end(), word.begin(), upperCase);
    expected.push_back(word + " \t " + (word.size() == kRackSize ? "50" : "0"));
  }
  std::sort(expected.begin(), expected.end());
  ASSERT_GT(expected.size(), 30000u);

  const auto shown = squarePossibilities(state, 7, 7);
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(state.squareMoves[7 * kBoardSize + 7].size(), expected.size());
  EXPECT_EQ(shown->horizontal, expected);
  EXPECT_TRUE(shown->vertical.empty());
}

}  // namespace
}  // namespace kwarrel

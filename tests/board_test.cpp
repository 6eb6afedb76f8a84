// The board, the tile set and laying words: what a game master would notice as a
// wrong pool, a wrong tile value or a blank where a real letter belongs.
#include <gtest/gtest.h>

#include <numeric>

#include "game/board_ops.h"
#include "game/game_state.h"
#include "game/tile_set.h"

namespace kwarrel {
namespace {

class BoardTest : public ::testing::Test {
 protected:
  BoardTest() : state(graph) { resetBoard(state); }
  int tiles(const LetterCounts& counts) {
    return std::accumulate(counts.begin(), counts.end(), 0);
  }
  WordGraph graph;
  GameState state;
};

TEST_F(BoardTest, PresetsHoldTheirTotals) {
  EXPECT_EQ(tiles(tilePreset(TilePreset::Oud).counts), 102);
  EXPECT_EQ(tiles(tilePreset(TilePreset::Middel).counts), 100);
  EXPECT_EQ(tiles(tilePreset(TilePreset::Nieuw).counts), 102);
  for (const auto preset : {TilePreset::Oud, TilePreset::Middel, TilePreset::Nieuw}) {
    EXPECT_EQ(tilePreset(preset).counts[0], 2);
    EXPECT_EQ(tilePreset(preset).values[0], 0);
  }
  // A fresh game holds the current set; the current set differs by an F and an S.
  EXPECT_EQ(state.countTable, tilePreset(TilePreset::Nieuw).counts);
  EXPECT_EQ(state.countTable[letterCode('F')], 2);
  EXPECT_EQ(state.countTable[letterCode('S')], 5);
  EXPECT_EQ(state.valueTable[letterCode('Q')], 10);
  applyPreset(TilePreset::Oud, state.countTable, state.valueTable);
  EXPECT_EQ(state.valueTable[letterCode('Z')], 6);
  EXPECT_EQ(state.countTable[letterCode('I')], 6);
}

TEST_F(BoardTest, ResetEmptiesTheBoardAndRefillsThePool) {
  placeMove(state, 8, 8, true, "ZO");
  resetBoard(state);
  EXPECT_EQ(state.pool, state.countTable);
  for (int row = 0; row < kBoardSide; ++row) {
    for (int column = 0; column < kBoardSide; ++column) {
      const Cell& cell = state.board.at(row, column);
      EXPECT_EQ(cell.empty, 1);
      const uint32_t expected = Board::isPlayingArea(row, column) ? 0xFFFFFFFFu : 0u;
      EXPECT_EQ(cell.acrossCheck, expected);
      EXPECT_EQ(cell.downCheck, expected);
    }
  }
}

TEST_F(BoardTest, PremiumTableIsSymmetricWithDoubleWordCentre) {
  EXPECT_EQ(premiumAt(8, 8), -2);
  EXPECT_EQ(premiumAt(1, 1), -3);
  EXPECT_EQ(premiumAt(2, 6), 3);
  EXPECT_EQ(premiumAt(1, 4), 2);
  for (int row = 1; row <= 15; ++row) {
    for (int column = 1; column <= 15; ++column) {
      EXPECT_EQ(premiumAt(row, column), premiumAt(column, row));
      EXPECT_EQ(premiumAt(row, column), premiumAt(16 - column, 16 - row));
    }
  }
}

TEST_F(BoardTest, CountRackCountsBlanksAndStopsAtAStrangeCharacter) {
  countRack(state, "AB*CD");
  EXPECT_EQ(state.rackCounts[0], 1);
  for (const char c : {'A', 'B', 'C', 'D'}) EXPECT_EQ(state.rackCounts[letterCode(c)], 1);
  EXPECT_EQ(tiles(state.rackCounts), 5);

  countRack(state, "ab?cd");  // lower case counts, '?' ends the count
  EXPECT_EQ(state.rackCounts[letterCode('A')], 1);
  EXPECT_EQ(state.rackCounts[letterCode('C')], 0);
  EXPECT_EQ(tiles(state.rackCounts), 2);

  countRack(state, "+A");  // '+' is not the blank character now
  EXPECT_EQ(tiles(state.rackCounts), 0);
  state.settings.blankChar = '+';
  countRack(state, "+A");
  EXPECT_EQ(state.rackCounts[0], 1);
}

TEST_F(BoardTest, BlankIsReplacedByARealTileWhileOneIsLeft) {
  // ALFaBET with a second A still in the bag: the blank is not used.
  const int aBefore = state.pool[letterCode('A')];
  EXPECT_EQ(placeMove(state, 8, 5, true, "ALFaBET"), "ALFABET");
  EXPECT_EQ(state.pool[letterCode('A')], aBefore - 2);
  EXPECT_EQ(state.pool[0], 2);
  EXPECT_EQ(state.board.at(8, 8).points, state.valueTable[letterCode('A')]);
  EXPECT_EQ(state.board.at(8, 8).letter, letterCode('A'));
}

TEST_F(BoardTest, BlankStaysABlankWhenNoTileIsLeftOrReplacementIsOff) {
  state.pool[letterCode('A')] = 1;
  EXPECT_EQ(placeMove(state, 8, 5, true, "ALFaBET"), "ALFaBET");
  EXPECT_EQ(state.pool[0], 1);
  EXPECT_EQ(state.board.at(8, 8).points, 0);

  // Two blank E's, one E left, replacement off: the first blank stays a blank
  // and the second takes the last E.
  resetBoard(state);
  state.settings.replaceFirstBlank = false;
  state.pool[letterCode('E')] = 1;
  EXPECT_EQ(placeMove(state, 8, 6, true, "BeTeR"), "BeTER");
  EXPECT_EQ(state.pool[letterCode('E')], 0);
  EXPECT_EQ(state.pool[0], 1);

  // With replacement on, the first blank takes the E and the second stays a blank.
  resetBoard(state);
  state.settings.replaceFirstBlank = true;
  state.pool[letterCode('E')] = 1;
  EXPECT_EQ(placeMove(state, 8, 6, true, "BeTeR"), "BETeR");

  // Replacement off without the repeated letter: replacement is on as usual.
  resetBoard(state);
  state.settings.replaceFirstBlank = false;
  EXPECT_EQ(placeMove(state, 8, 6, true, "BeTER"), "BETER");

  // The first blank letter may lie on the board already: replacement starts right
  // after it, so the new blank e takes the last E.
  resetBoard(state);
  state.pool[letterCode('E')] = 0;
  ASSERT_EQ(placeMove(state, 8, 7, true, "Ne"), "Ne");
  state.pool[letterCode('E')] = 1;
  EXPECT_EQ(placeMove(state, 8, 8, false, "eTe"), "eTE");
  EXPECT_EQ(state.pool[letterCode('E')], 0);
}

TEST_F(BoardTest, PlacementReportsMissingTiles) {
  state.pool[letterCode('Q')] = 0;
  EXPECT_EQ(placeMove(state, 8, 8, true, "QI"), "?");
  resetBoard(state);
  state.pool[0] = 0;
  state.pool[letterCode('A')] = 0;
  EXPECT_EQ(placeMove(state, 8, 7, true, "DaG"), "D?");
  // A word off the board or with a character that is no letter is not laid.
  resetBoard(state);
  EXPECT_EQ(placeMove(state, 8, 14, true, "AAP"), "?");
  EXPECT_EQ(placeMove(state, 0, 1, false, "AAP"), "?");
  EXPECT_EQ(placeMove(state, 8, 8, true, "A["), "A?");
  EXPECT_EQ(state.pool[0], 2);
}

TEST_F(BoardTest, LettersOnTheBoardAreTakenFromTheBoard) {
  state.pool[letterCode('N')] = 0;
  placeMove(state, 8, 8, true, "ZOn");
  const LetterCounts before = state.pool;
  // The vertical word runs through the blank n on J8 and the real Z on H8.
  EXPECT_EQ(placeMove(state, 7, 10, false, "EnD"), "EnD");
  EXPECT_EQ(placeMove(state, 8, 8, false, "zEE"), "ZEE");
  EXPECT_EQ(state.pool[letterCode('N')], before[letterCode('N')]);
  EXPECT_EQ(state.pool[letterCode('E')], before[letterCode('E')] - 3);

  // A hand-made word that disagrees with the board, or holds a non-letter there,
  // leaves the tiles on the board as they are: the search sees what is shown.
  EXPECT_EQ(placeMove(state, 8, 8, false, "BAT"), "ZEE");
  EXPECT_EQ(placeMove(state, 8, 10, false, "1A"), "nD");
  EXPECT_EQ(state.board.at(8, 8).letter, letterCode('Z'));
  EXPECT_EQ(state.board.at(9, 8).letter, letterCode('E'));
  EXPECT_EQ(state.board.at(8, 10).letter, letterCode('N'));
  EXPECT_EQ(state.board.at(8, 10).points, 0);
  EXPECT_EQ(state.board.at(9, 10).letter, letterCode('D'));
}

TEST_F(BoardTest, ZeroValuedLetterIsWrittenBackLikeABlank) {
  state.valueTable[letterCode('E')] = 0;
  placeMove(state, 8, 8, true, "EN");
  EXPECT_EQ(placeMove(state, 7, 8, false, "BEN"), "BeN");
}

TEST_F(BoardTest, DisplayGridKeepsTheFirstTurnOnASquare) {
  clearDisplayGrid(state);
  EXPECT_EQ(state.displayGrid[0][0].shown, '?');
  EXPECT_EQ(state.displayGrid[14][14].turnIndex, state.maxTurns + 1);

  showWord(state, 7, 7, true, "ZOn", 0);
  showWord(state, 7, 7, false, "ZAK", 3);
  EXPECT_EQ(state.displayGrid[7][7].turnIndex, 0);
  EXPECT_EQ(state.displayGrid[7][9].shown, 'n');
  EXPECT_EQ(state.displayGrid[7][9].points, 0);
  EXPECT_EQ(state.displayGrid[7][7].points, state.valueTable[letterCode('Z')]);
  EXPECT_EQ(state.displayGrid[9][7].turnIndex, 3);

  // A word running past the edge is written up to it.
  showWord(state, 14, 12, true, "ABCDE", 5);
  EXPECT_EQ(state.displayGrid[14][14].shown, 'C');
}

class CountingObserver : public GameObserver {
 public:
  void boardChanged() override { ++repaints; }
  int repaints = 0;
};

TEST_F(BoardTest, ShowWordAsksForARepaintOnlyWhenTheWordFits) {
  CountingObserver observer;
  state.observer = &observer;
  clearDisplayGrid(state);
  showWord(state, 7, 7, true, "ZO", 0);
  EXPECT_EQ(observer.repaints, 1);
  showWord(state, 7, 13, true, "ZOO", 1);
  EXPECT_EQ(observer.repaints, 1);
}

TEST(TurnTest, WordIsPlayedWithTwoToFifteenLetters) {
  Turn turn;
  EXPECT_EQ(turn.row, -1);
  EXPECT_EQ(turn.horizontal, 1);
  turn.word = "A";
  EXPECT_FALSE(turn.hasValidWord());
  turn.word = "AB";
  EXPECT_TRUE(turn.hasValidWord());
  turn.word = " B";
  EXPECT_FALSE(turn.hasValidWord());
  turn.word = std::string(15, 'A');
  EXPECT_TRUE(turn.hasValidWord());
  turn.word = std::string(16, 'A');
  EXPECT_FALSE(turn.hasValidWord());
}

TEST(RandomTest, MatchesTheCRuntimeGenerator) {
  CRandom random(1);
  // The first values of the C runtime's rand() after srand(1).
  EXPECT_EQ(random.next(), 41);
  EXPECT_EQ(random.next(), 18467);
  EXPECT_EQ(random.next(), 6334);
  EXPECT_EQ(random.next(), 26500);
}

}  // namespace
}  // namespace kwarrel

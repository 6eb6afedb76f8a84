// Scoring one placement: premiums on new tiles only, cross-words, blanks, the
// seven-tile bonus. Values of the current tile set: A 1, B 3, C 5, D 2, E 1, F 4,
// G 3, H 4, N 1, Q 10, T 2.
#include <gtest/gtest.h>

#include <string_view>

#include "game/board_ops.h"
#include "game/game_state.h"
#include "search/score.h"

namespace kwarrel {
namespace {

class ScoreTest : public ::testing::Test {
 protected:
  ScoreTest() : state(graph) { resetBoard(state); }

  // Scores `word` (lower case = blank) starting at (row, column) without laying it.
  int score(int row, int column, bool horizontal, std::string_view word) {
    uint8_t codes[16] = {};
    state.blankFlags.fill(0);
    for (size_t i = 0; i < word.size(); ++i) {
      codes[i] = static_cast<uint8_t>(letterCode(word[i]));
      state.blankFlags[i] = isLowerLetter(word[i]) ? 1 : 0;
    }
    state.horizontal = horizontal ? 1 : 0;
    state.lineIndex = horizontal ? row : column;
    const int length = static_cast<int>(word.size());
    const int last = (horizontal ? column : row) + length - 1;
    return scoreMove(state, codes, length, last);
  }
  void lay(int row, int column, bool horizontal, std::string_view word) {
    ASSERT_EQ(placeMove(state, row, column, horizontal, word), word);
  }

  WordGraph graph;
  GameState state;
};

TEST_F(ScoreTest, PremiumsCountOnNewTilesOnly) {
  // H8 doubles the word: (1 + 3) x 2.
  EXPECT_EQ(score(8, 8, true, "AB"), 8);
  EXPECT_EQ(score(8, 8, false, "AB"), 8);
  EXPECT_EQ(score(8, 7, true, "BA"), 8);  // G8 plain, H8 double word
  // A tile already on a premium square counts once, without the premium.
  lay(8, 8, true, "A");
  EXPECT_EQ(score(8, 8, true, "AB"), 4);
  lay(6, 2, true, "Q");                       // B6, triple letter
  EXPECT_EQ(score(6, 2, true, "QA"), 11);     // not 31
  EXPECT_EQ(score(6, 1, true, "AQ"), 11);     // A6 is plain
}

TEST_F(ScoreTest, NewTileOnLetterPremiumCountsInBothWords) {
  lay(7, 4, true, "A");  // D7; D8 doubles the letter under it
  // Main word BE: 3 x 2 + 1; cross-word AB: 1 + 3 x 2.
  EXPECT_EQ(score(8, 4, true, "BE"), 7 + 7);
}

TEST_F(ScoreTest, BlanksScoreNothingButStillTakeWordPremiums) {
  // B6 triples the letter: a blank there adds 0, a real B adds 9.
  EXPECT_EQ(score(6, 2, true, "bA"), 1);
  EXPECT_EQ(score(6, 2, true, "BA"), 10);
  // E5 doubles the word: blank there, T on F5; N above the blank makes NX.
  lay(4, 5, true, "N");
  EXPECT_EQ(score(5, 5, true, "xT"), (0 + 2) * 2 + (1 + 0) * 2);
  // A blank alone on the double word beside a zero-point board tile is worth 0.
  Cell& blankOnBoard = state.board.at(8, 8);
  blankOnBoard.empty = 0;
  blankOnBoard.letter = static_cast<uint8_t>(letterCode('D'));
  blankOnBoard.points = 0;
  EXPECT_EQ(score(8, 8, true, "De"), 0);
}

TEST_F(ScoreTest, CrossWordsAddTheirWholeRun) {
  lay(6, 8, false, "HA");  // H6, H7
  lay(9, 8, false, "ND");  // H9, H10
  // E on H8 joins HA-E-ND vertically: 4 + 1 + 1 + 1 + 2, doubled by H8; the main
  // word ET on H8 and I8 is (1 + 2) x 2.
  EXPECT_EQ(score(8, 8, true, "ET"), (1 + 2) * 2 + (4 + 1 + 1 + 1 + 2) * 2);
  // New tiles beside nothing add no cross-word; A12 doubles the T.
  EXPECT_EQ(score(12, 1, true, "TAN"), 2 * 2 + 1 + 1);
}

TEST_F(ScoreTest, BonusForExactlySevenNewTiles) {
  // A8 triples the word, D8 doubles the D: (1+3+5+4+1+4+3) x 3 + 50.
  state.bonusFlag = 0;
  EXPECT_EQ(score(8, 1, true, "ABCDEFG"), 63 + 50);
  EXPECT_EQ(state.bonusFlag, 1);

  // Six new tiles and a board letter: no bonus, and the flag is left alone.
  state.bonusFlag = 0;
  lay(8, 8, true, "A");
  EXPECT_EQ(score(8, 2, true, "BCDEFGA"), 3 + 5 + 4 + 1 + 4 + 3 + 1);
  EXPECT_EQ(state.bonusFlag, 0);

  // Eight new tiles: seven or more is not enough.
  resetBoard(state);
  EXPECT_EQ(score(8, 1, true, "ABCDEFGH"), (21 + 4) * 3 * 2);
  EXPECT_EQ(state.bonusFlag, 0);

  // Scoring never clears the flag.
  state.bonusFlag = 1;
  EXPECT_EQ(score(8, 8, true, "AB"), 8);
  EXPECT_EQ(state.bonusFlag, 1);
}

TEST_F(ScoreTest, WordsOffTheBoardScoreNothing) {
  EXPECT_EQ(score(8, 14, true, "ABC"), 0);
  EXPECT_EQ(score(16, 1, true, "AB"), 0);
  EXPECT_EQ(score(8, 8, true, ""), 0);
}

}  // namespace
}  // namespace kwarrel

// Entering a turn as the entry dialog does: what is stored, what is refused, and
// that a refused entry leaves the turn as it was.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "dict/word_graph.h"
#include "game/game_state.h"
#include "game/turn_cycle.h"
#include "game/turn_entry.h"

namespace kwarrel {
namespace {

class TurnEntryTest : public ::testing::Test {
 protected:
  TurnEntryTest() : state(builtInWordGraph()) {}

  void expectUnchanged(int i, const Turn& before) {
    const Turn& turn = state.turns[i];
    EXPECT_EQ(turn.rack, before.rack);
    EXPECT_EQ(turn.word, before.word);
    EXPECT_EQ(turn.row, before.row);
    EXPECT_EQ(turn.column, before.column);
    EXPECT_EQ(turn.horizontal, before.horizontal);
  }

  GameState state;
};

TEST_F(TurnEntryTest, AcceptedEntryIsStored) {
  EXPECT_EQ(enterTurn(state, 0, "HUISKAT", 7, 4, true, "HUIS", EntryCheck::Full), "");
  const Turn& first = state.turns[0];
  EXPECT_EQ(first.rack, "HUISKAT");
  EXPECT_EQ(first.word, "HUIS");
  EXPECT_EQ(first.row, 8);
  EXPECT_EQ(first.column, 5);
  EXPECT_EQ(first.horizontal, 1);

  // Down through the H of HUIS on E8.
  EXPECT_EQ(enterTurn(state, 1, "ENKATER", 7, 4, false, "HE", EntryCheck::Full), "");
  EXPECT_EQ(state.turns[1].horizontal, 0);
  EXPECT_EQ(state.turns[1].row, 8);
  EXPECT_EQ(state.turns[1].column, 5);

  // A draw alone, before the word is known.
  EXPECT_EQ(enterTurn(state, 2, "KATERSE", 0, 0, true, "", EntryCheck::Full), "");
  EXPECT_EQ(state.turns[2].rack, "KATERSE");
  EXPECT_EQ(state.turns[2].word, "");
}

TEST_F(TurnEntryTest, DrawIsStoredNormalised) {
  state.settings.blankChar = '*';
  EXPECT_EQ(enterTurn(state, 0, "hu+s*at", 7, 7, true, "HUiS", EntryCheck::Full), "");
  EXPECT_EQ(state.turns[0].rack, "HU*S*AT");
  state.settings.blankChar = '+';
  EXPECT_EQ(enterTurn(state, 0, "hu+s*at", 7, 7, true, "HUiS", EntryCheck::Full), "");
  EXPECT_EQ(state.turns[0].rack, "HU+S+AT");
  // The word keeps its case: lower case marks a blank.
  EXPECT_EQ(state.turns[0].word, "HUiS");
}

TEST_F(TurnEntryTest, RefusedEntryChangesNothing) {
  ASSERT_EQ(enterTurn(state, 0, "HUISKAT", 7, 7, true, "HUIS", EntryCheck::Full), "");
  const Turn before = state.turns[0];

  EXPECT_EQ(enterTurn(state, 0, "HUI", 7, 7, true, "HUI", EntryCheck::Full),
            "Er moeten steeds 7 letters getrokken worden");
  EXPECT_EQ(enterTurn(state, 0, "HUISKATE", 7, 7, true, "HUIS", EntryCheck::SkipAll),
            "Er moeten steeds 7 letters getrokken worden");
  expectUnchanged(0, before);

  // An empty draw is tested as a draw without letters.
  EXPECT_EQ(enterTurn(state, 0, "", 7, 7, true, "KAT", EntryCheck::Full),
            "Letter 'K' werd niet getrokken");
  EXPECT_EQ(enterTurn(state, 0, "", 7, 7, true, "kAT", EntryCheck::Full),
            "Blanco (k) werd niet getrokken");
  EXPECT_EQ(enterTurn(state, 0, "HUISKAT", 6, 7, true, "HUIS", EntryCheck::Full),
            "Eerste woord moet het centrale vakje bestrijken");
  EXPECT_EQ(enterTurn(state, 0, "HUIXKAT", 7, 7, true, "HUIX", EntryCheck::Full),
            "Gelegd woord werd niet gevonden in woordenlijst");
  // A character outside the letters in the draw is refused before it is stored.
  EXPECT_EQ(enterTurn(state, 0, "HUIS\xE9KA", 7, 7, true, "HUIS", EntryCheck::Full),
            "Alleen letters, '*' of '+' zijn toegelaten");
  expectUnchanged(0, before);
}

TEST_F(TurnEntryTest, SkipModes) {
  // Without the word list an unlisted word passes, the other rules still hold.
  EXPECT_EQ(enterTurn(state, 0, "HUIXKAT", 7, 7, true, "HUIX", EntryCheck::SkipWordList), "");
  EXPECT_EQ(state.turns[0].word, "HUIX");
  EXPECT_EQ(enterTurn(state, 1, "ENKATER", 0, 0, true, "ENK", EntryCheck::SkipWordList),
            "Woord is niet verbonden met rest van bord");
  EXPECT_EQ(enterTurn(state, 1, "ENKATER", 8, 7, true, "EN", EntryCheck::Full),
            "Kruisend woord UN werd niet gevonden in de woordenlijst");
  EXPECT_EQ(enterTurn(state, 1, "ENKATER", 8, 7, true, "EN", EntryCheck::SkipWordList), "");

  // Skipping every check stores a word that runs off the board and letters not drawn.
  EXPECT_EQ(enterTurn(state, 2, "ABCDEFG", 7, 13, true, "QQQQ", EntryCheck::SkipAll), "");
  EXPECT_EQ(state.turns[2].word, "QQQQ");
  EXPECT_EQ(state.turns[2].column, 14);
  EXPECT_EQ(state.turns[2].row, 8);
  // The replay then stops at that turn: it becomes the turn in progress.
  EXPECT_EQ(recomputeGame(state), 2);
  EXPECT_EQ(state.totalScore, state.turns[0].score + state.turns[1].score);
}

// Skipping every check still keeps out what a saved game could not read back:
// white space or control characters would split or end the line, and a word "*"
// would read back as the marker of a maximum.
TEST_F(TurnEntryTest, EntryThatCannotBeSavedIsRefused) {
  const Turn before = state.turns[0];
  const std::string unsaveable = "Trekking en woord mogen geen spaties of stuurtekens bevatten";
  EXPECT_EQ(enterTurn(state, 0, "HUISKAT", 7, 7, true, "HU IS", EntryCheck::SkipAll), unsaveable);
  EXPECT_EQ(enterTurn(state, 0, "HUISKAT", 7, 7, true, "HUIS\n", EntryCheck::SkipAll), unsaveable);
  EXPECT_EQ(enterTurn(state, 0, "HUI\tKAT", 7, 7, true, "HUIS", EntryCheck::SkipAll), unsaveable);
  EXPECT_EQ(enterTurn(state, 0, std::string("HUIS\0AT", 7), 7, 7, true, "HUIS",
                      EntryCheck::SkipAll),
            unsaveable);
  EXPECT_EQ(enterTurn(state, 0, "HUISKAT", 7, 7, true, "*", EntryCheck::SkipAll),
            "Woord \"*\" kan niet in een spelbestand bewaard worden");
  // A word without a draw would end the saved game at this turn.
  EXPECT_EQ(enterTurn(state, 0, "", 7, 7, true, "HUIS", EntryCheck::SkipAll),
            "Er moeten steeds 7 letters getrokken worden");
  expectUnchanged(0, before);

  // Anything else still goes in unchecked, a word with a digit too.
  EXPECT_EQ(enterTurn(state, 0, "HTEONCN", 7, 7, false, "X1", EntryCheck::SkipAll), "");
  EXPECT_EQ(state.turns[0].word, "X1");
}

TEST_F(TurnEntryTest, SquaresAndLengthsOutsideTheBoardAreRefused) {
  const Turn before = state.turns[0];
  for (const EntryCheck check : {EntryCheck::Full, EntryCheck::SkipWordList, EntryCheck::SkipAll}) {
    EXPECT_EQ(enterTurn(state, 0, "HUISKAT", 15, 7, true, "HUIS", check), "Woord valt buiten bord");
    EXPECT_EQ(enterTurn(state, 0, "HUISKAT", 7, -1, true, "HUIS", check), "Woord valt buiten bord");
    EXPECT_EQ(enterTurn(state, 0, "HUISKAT", 0, 0, true, "KATERSENKATERSENK", check),
              "Woord valt buiten bord");
    EXPECT_EQ(enterTurn(state, -1, "HUISKAT", 7, 7, true, "HUIS", check), "Beurt 0 bestaat niet");
    EXPECT_EQ(enterTurn(state, state.maxTurns, "HUISKAT", 7, 7, true, "HUIS", check),
              "Beurt 23 bestaat niet");
    EXPECT_EQ(enterTurn(state, INT32_MAX, "HUISKAT", 7, 7, true, "HUIS", check),
              "Beurt 2147483648 bestaat niet");
    EXPECT_EQ(enterTurn(state, INT32_MIN, "HUISKAT", 7, 7, true, "HUIS", check),
              "Beurt -2147483647 bestaat niet");
  }
  expectUnchanged(0, before);
}

}  // namespace
}  // namespace kwarrel

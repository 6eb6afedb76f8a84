// Checking a typed-in turn: every message a game master can meet, the order in
// which the checks run, and input that must be refused without reading outside
// a table.
#include <gtest/gtest.h>

#include "tests/report_games.h"

#include <cstdint>
#include <string>

#include "dict/word_graph.h"
#include "game/game_state.h"
#include "game/validation.h"

namespace kwarrel {
namespace {

class ValidationTest : public ::testing::Test {
 protected:
  ValidationTest() : state(builtInWordGraph()) {}

  // Stores turn i with a 1-based square, as the turn table holds it.
  void setTurn(int i, const std::string& rack, const std::string& word, int row, int column,
               bool horizontal) {
    report_games::setTurn(state, i, rack, word, 'A', row, horizontal);
    // Damaged columns such as INT32_MAX are stored as they stand, not through a letter.
    state.turns[i].column = column;
  }

  // HUIS across from H8: 0-based row 7, columns 7..10.
  void playHuis() { setTurn(0, "HUISKAT", "HUIS", 8, 8, true); }

  std::string check(int turnIndex, int row0, int col0, bool horizontal, const std::string& draw,
                    const std::string& word, bool skipWordList = false) {
    return validateTurn(state, turnIndex, row0, col0, horizontal, skipWordList, draw, word);
  }

  GameState state;
};

TEST_F(ValidationTest, DrawMustComeOutOfRemainingTiles) {
  LetterCounts drawn{};
  const LetterCounts& counts = state.countTable;
  EXPECT_EQ(checkDrawAvailable('*', counts, "", drawn), "");
  EXPECT_EQ(drawn, LetterCounts{});

  // Either blank character and the configured one count as blanks; case does not matter.
  EXPECT_EQ(checkDrawAvailable('*', counts, "+*aBcDe", drawn), "");
  EXPECT_EQ(drawn[0], 2);
  EXPECT_EQ(drawn[letterCode('A')], 1);
  EXPECT_EQ(drawn[letterCode('E')], 1);
  EXPECT_EQ(checkDrawAvailable('#', counts, "#ABCDEF", drawn), "");
  EXPECT_EQ(drawn[0], 1);

  EXPECT_EQ(checkDrawAvailable('*', counts, "*+*ABCD", drawn), "Blanco is niet meer voorradig");
  EXPECT_EQ(checkDrawAvailable('*', counts, "QAqEIOU", drawn),
            "Letter 'Q' is niet meer voorradig");

  // Characters whose low five bits would pass for a letter code are refused.
  for (const std::string draw : {"AB!", "AB[", "AB`", "AB ", "AB\xC9", "AB\xFF", "AB{"}) {
    EXPECT_EQ(checkDrawAvailable('*', counts, draw, drawn),
              "Alleen letters, '*' of '+' zijn toegelaten")
        << draw;
  }

  // The counts are only read.
  LetterCounts none{};
  EXPECT_EQ(checkDrawAvailable('*', none, "A", drawn), "Letter 'A' is niet meer voorradig");
  EXPECT_EQ(none, LetterCounts{});
}

TEST_F(ValidationTest, FirstWordMustCoverTheCentre) {
  EXPECT_EQ(check(0, 7, 7, true, "HUISKAT", "HUIS"), "");
  EXPECT_EQ(check(0, 7, 4, true, "HUISKAT", "HUIS"), "");  // ends on H8
  EXPECT_EQ(check(0, 4, 7, false, "HUISKAT", "HUIS"), "");
  const std::string offCentre = "Eerste woord moet het centrale vakje bestrijken";
  EXPECT_EQ(check(0, 6, 7, true, "HUISKAT", "HUIS"), offCentre);   // row 7
  EXPECT_EQ(check(0, 7, 8, true, "HUISKAT", "HUIS"), offCentre);   // starts on I8
  EXPECT_EQ(check(0, 7, 3, true, "HUISKAT", "HUIS"), offCentre);   // ends on G8
  EXPECT_EQ(check(0, 7, 6, false, "HUISKAT", "HUIS"), offCentre);  // column G
  EXPECT_EQ(check(0, 0, 0, true, "HUISKAT", "HUIS"), offCentre);
  // The centre test comes before the draw is looked at.
  EXPECT_EQ(check(0, 0, 0, true, "QQQQQQQ", "HUIS"), offCentre);
  // A turn with only a draw has no word to place.
  EXPECT_EQ(check(0, 0, 0, true, "HUISKAT", ""), "");
}

TEST_F(ValidationTest, NewTilesMustComeFromTheDraw) {
  EXPECT_EQ(check(0, 7, 7, true, "", "HUIS"), "Letter 'H' werd niet getrokken");
  EXPECT_EQ(check(0, 7, 7, true, "", "hUIS"), "Blanco (h) werd niet getrokken");
  EXPECT_EQ(check(0, 7, 7, true, "HUSKATE", "HUIS"), "Letter 'I' werd niet getrokken");
  EXPECT_EQ(check(0, 7, 7, true, "HUISSAT", "HUSS"), "Gelegd woord werd niet gevonden in woordenlijst");
  EXPECT_EQ(check(0, 7, 7, true, "HUSKATE", "HUiS"), "Blanco (i) werd niet getrokken");
  EXPECT_EQ(check(0, 7, 7, true, "HUSKAT*", "HUiS"), "");
  EXPECT_EQ(check(0, 7, 7, true, "HUSKAT+", "HUiS"), "");
  // Two of a letter need two in the draw.
  EXPECT_EQ(check(0, 7, 7, true, "ZEKATUI", "ZEE"), "Letter 'E' werd niet getrokken");
  EXPECT_EQ(check(0, 7, 7, true, "ZEKATU*", "ZEe"), "");
}

TEST_F(ValidationTest, WordMustFitTheBoardAndItsLetters) {
  playHuis();
  EXPECT_EQ(check(1, 7, 11, true, "KATERSE", "KAT"),
            "Er staat een letter vlak voor het gelegde woord");
  EXPECT_EQ(check(1, 8, 7, false, "KATERSE", "KAT"),
            "Er staat een letter vlak boven het gelegde woord");
  EXPECT_EQ(check(1, 0, 12, true, "WATERKS", "WATER"), "Woord valt buiten bord");
  EXPECT_EQ(check(1, 12, 0, false, "WATERKS", "WATER"), "Woord valt buiten bord");
  // K lands on the U of HUIS.
  EXPECT_EQ(check(1, 5, 8, false, "KATERSE", "KAT"),
            "Woord bevat letter die niet overkomt met wat op bord ligt");
  EXPECT_EQ(check(1, 0, 0, true, "KATERSE", "K3"),
            "Woord bevat ongeldige letter (alleen a-z toegelaten!)");
  // ')' and 0xC9 share their low five bits with I; over the I of HUIS they are
  // still no letters.
  EXPECT_EQ(check(1, 7, 7, true, "KATERSE", "HU)SJE"),
            "Woord bevat ongeldige letter (alleen a-z toegelaten!)");
  EXPECT_EQ(check(1, 7, 7, true, "KATERSE", "HU\xC9SJE"),
            "Woord bevat ongeldige letter (alleen a-z toegelaten!)");
  EXPECT_EQ(check(1, 7, 7, true, "KATERSE", "HU[S"),
            "Woord bevat ongeldige letter (alleen a-z toegelaten!)");
  EXPECT_EQ(check(1, 0, 0, true, "KATERSE", "KAT"), "Woord is niet verbonden met rest van bord");
  EXPECT_EQ(check(1, 7, 7, true, "KATERSE", "HUIS"),
            "Er moet minstens 1 nieuwe letter op het bord worden gelegd");
  EXPECT_EQ(check(1, 7, 7, true, "KATERSE", "HUISE"),
            "Gelegd woord werd niet gevonden in woordenlijst");
  EXPECT_EQ(check(1, 7, 7, true, "KATERSE", "HUISE", true), "");
  EXPECT_EQ(check(1, 7, 7, true, "KATERSE", "A"), "Gelegd woord moet minstens 2 letters lang zijn");
  // A real extension of the word on the board.
  EXPECT_EQ(check(1, 7, 7, true, "JEKATER", "HUISJE"), "");
}

TEST_F(ValidationTest, CrossingWordsMustBeListed) {
  playHuis();
  // EN under HU makes HE (listed) and UN (not listed).
  EXPECT_EQ(check(1, 8, 7, true, "ENKATER", "EN"),
            "Kruisend woord UN werd niet gevonden in de woordenlijst");
  // DE down column L puts the E after HUIS.
  EXPECT_EQ(check(1, 6, 11, false, "DEKATER", "DE"), "Kruisend woord HUISE bestaat niet");
  // Crossing words are the only link to the board; without the look-up they still connect.
  EXPECT_EQ(check(1, 8, 7, true, "ENKATER", "EN", true), "");
  EXPECT_EQ(check(1, 6, 11, false, "DEKATER", "DE", true), "");
  // The run is written in upper case, blanks included.
  EXPECT_EQ(check(1, 8, 7, true, "E*KATER", "En"),
            "Kruisend woord UN werd niet gevonden in de woordenlijst");
}

TEST_F(ValidationTest, BoardBlankMatchesEitherCase) {
  setTurn(0, "ZEKATU*", "ZEe", 8, 8, true);  // blank e on J8: row 7, column 9
  EXPECT_EQ(check(1, 7, 9, false, "NAEIOUR", "EN"), "");
  EXPECT_EQ(check(1, 7, 9, false, "NAEIOUR", "eN"), "");
  EXPECT_EQ(check(1, 7, 9, false, "NAEIOUR", "AN"),
            "Woord bevat letter die niet overkomt met wat op bord ligt");
}

TEST_F(ValidationTest, ChecksRunInOrderFirstFailureWins) {
  playHuis();
  // The draw before the square next to the word.
  EXPECT_EQ(check(1, 7, 11, true, "QQKATER", "KAT"), "Letter 'Q' is niet meer voorradig");
  // Before-check before falling off the board.
  EXPECT_EQ(check(1, 7, 11, true, "KATERSE", "KATTER"),
            "Er staat een letter vlak voor het gelegde woord");
  // Letters are checked square by square: a missing letter before the board edge.
  EXPECT_EQ(check(1, 0, 12, true, "ATERKSE", "WATER"), "Letter 'W' werd niet getrokken");
  // Crossing word before connection, connection before the after-check.
  EXPECT_EQ(check(1, 8, 7, true, "ENKATER", "EN"),
            "Kruisend woord UN werd niet gevonden in de woordenlijst");
  // The one-letter test comes after the earlier turns but before the placement.
  EXPECT_EQ(check(1, 0, 0, true, "QQ", "A"), "Gelegd woord moet minstens 2 letters lang zijn");
  setTurn(0, "QQ", "", -1, -1, true);
  EXPECT_EQ(check(1, 0, 0, true, "", "A"), "Beurt 1:Letter 'Q' is niet meer voorradig");
}

TEST_F(ValidationTest, EarlierTurnsAreReplayed) {
  // TAXI takes the only X; a later draw asking for one blocks every later entry.
  setTurn(0, "TAXIEEN", "TAXI", 8, 8, true);
  setTurn(1, "XEEEEEE", "", -1, -1, true);
  EXPECT_EQ(check(2, 8, 7, false, "KATERSE", "AT"), "Beurt 2:Letter 'X' is niet meer voorradig");
  // A turn's own stored draw is not replayed when that turn is entered again.
  EXPECT_EQ(check(1, 7, 7, true, "BUSKATE", "TAXIBUS"), "");

  // Earlier words are not looked up: HUIX does not block the next turn.
  setTurn(0, "HUIXKAT", "HUIX", 8, 8, true);
  setTurn(1, "", "", -1, -1, true);
  EXPECT_EQ(check(1, 7, 7, true, "JEKATER", "HUIXJE", true), "");
  EXPECT_EQ(check(1, 7, 7, false, "ENKATER", "HE"), "");

  // An earlier word with an unset or damaged square falls off the board.
  setTurn(0, "HUISKAT", "HUIS", -1, -1, true);
  EXPECT_EQ(check(1, 7, 7, true, "KATERSE", "KAT"), "Beurt 1:Woord valt buiten bord");
  setTurn(0, "HUISKAT", "HUIS", INT32_MIN, INT32_MAX, false);
  EXPECT_EQ(check(1, 7, 7, true, "KATERSE", "KAT"), "Beurt 1:Woord valt buiten bord");
  setTurn(0, "HUISKAT", "HUIS", 8, 16, true);
  EXPECT_EQ(check(1, 7, 7, true, "KATERSE", "KAT"), "Beurt 1:Woord valt buiten bord");
  // An earlier turn with only a draw lays nothing.
  setTurn(0, "HUISKAT", "", -1, -1, true);
  EXPECT_EQ(check(1, 7, 7, true, "KATERSE", "KAT"), "Woord is niet verbonden met rest van bord");
  // Earlier faults are numbered from 1.
  setTurn(0, "HUISKAT", "HUIS", 8, 8, true);
  setTurn(1, "ENKATER", "EN", 9, 8, true);  // UN: not looked up for an earlier turn
  setTurn(2, "KATERSE", "KAT", 1, 1, true);
  EXPECT_EQ(check(3, 7, 7, true, "JEKATER", "HUISJE"),
            "Beurt 3:Woord is niet verbonden met rest van bord");
}

// The edges of the scratch grid: a neighbour test must never wrap to the next row
// or step outside the grid.
TEST_F(ValidationTest, NeighbourTestsStayOnTheBoard) {
  // Horizontal word ending in column O: nothing after it to check, and the next
  // row's first square is not its neighbour.
  ValidationScratch atEnd(state);
  atEnd.grid.at(8, 0) = 'A';
  EXPECT_EQ(validatePlacement(atEnd, 7, 12, true, true, 0, "KATERSE", "KAT"), "");
  ValidationScratch atStart(state);
  atStart.grid.at(6, 14) = 'A';
  EXPECT_EQ(validatePlacement(atStart, 7, 0, true, true, 0, "KATERSE", "KAT"), "");

  // Ending in column N with a tile in column O fails.
  ValidationScratch blocked(state);
  blocked.grid.at(3, 14) = 'S';
  EXPECT_EQ(validatePlacement(blocked, 3, 11, true, true, 0, "KATERSE", "KAT"),
            "Er staat een letter vlak na het gelegde woord");
  blocked.grid.at(14, 3) = 'S';
  EXPECT_EQ(validatePlacement(blocked, 11, 3, false, true, 0, "KATERSE", "KAT"),
            "Er staat een letter vlak onder het gelegde woord");
  // Down to row 15: nothing below.
  ValidationScratch bottom(state);
  EXPECT_EQ(validatePlacement(bottom, 12, 3, false, true, 0, "KATERSE", "KAT"), "");

  // Start squares far off the board.
  ValidationScratch far(state);
  EXPECT_EQ(validatePlacement(far, INT32_MAX, INT32_MIN, true, true, 0, "KATERSE", "KAT"),
            "Woord valt buiten bord");
  EXPECT_EQ(validatePlacement(far, 7, 15, true, true, 0, "KATERSE", "KAT"), "Woord valt buiten bord");
  EXPECT_EQ(validatePlacement(far, 0, 0, true, true, 0, "KATERSEN", "KATERSENKATERSEN"),
            "Letter 'K' werd niet getrokken");
  EXPECT_EQ(validatePlacement(far, 0, 0, true, false, 0, "KATERSENKATERSEN", "KATERSENKATERSEN"),
            "Woord valt buiten bord");
  EXPECT_EQ(validateTurn(state, 0, 7, INT32_MIN, true, false, "KATERSE", "KAT"),
            "Eerste woord moet het centrale vakje bestrijken");
  EXPECT_EQ(validateTurn(state, 0, 7, INT32_MAX, true, false, "KATERSE", "KAT"),
            "Eerste woord moet het centrale vakje bestrijken");

  // The grid and the counts keep what was laid, also on a failure.
  ValidationScratch kept(state);
  EXPECT_EQ(validatePlacement(kept, 7, 7, true, true, 1, "KATERSE", "KAT"),
            "Woord is niet verbonden met rest van bord");
  EXPECT_EQ(kept.grid.at(7, 9), 'T');
  EXPECT_EQ(kept.counts[letterCode('K')], state.countTable[letterCode('K')] - 1);
}

TEST_F(ValidationTest, BlankTakesItsLetterWhileAvailable) {
  // A blank laid as E takes a real E while one remains, else a blank.
  ValidationScratch scratch(state);
  scratch.counts.fill(0);
  scratch.counts[0] = 2;
  scratch.counts[letterCode('Z')] = 1;
  scratch.counts[letterCode('E')] = 1;
  EXPECT_EQ(validatePlacement(scratch, 7, 7, true, true, 0, "ZE**", "ZEe"), "");
  EXPECT_EQ(scratch.counts[letterCode('E')], 0);
  EXPECT_EQ(scratch.counts[0], 1);
  // A real letter whose count ran out takes the blank's place.
  ValidationScratch swapped(state);
  swapped.counts.fill(0);
  swapped.counts[0] = 1;
  swapped.counts[letterCode('Z')] = 1;
  swapped.counts[letterCode('E')] = 1;
  EXPECT_EQ(validatePlacement(swapped, 7, 7, true, true, 0, "ZE*", "ZeE"), "");
  EXPECT_EQ(swapped.counts[letterCode('E')], 0);
  EXPECT_EQ(swapped.counts[0], 0);
}

}  // namespace
}  // namespace kwarrel

// The one-page HTML report: what a reader of the page sees on the board, in the
// turn table and after "Resterende letters:".
#include <gtest/gtest.h>

#include "files/board_page.h"
#include "report_games.h"

namespace kwarrel {
namespace {

using report_games::countOf;
using report_games::newGame;
using report_games::recompute;
using report_games::setTurn;

constexpr const char* kFullBag =
    "**AAAAAABBCCDDDDDEEEEEEEEEEEEEEEEEEFFGGGHHIIIIJJKKKLLLMMMNNNNNNNNNNOOOOOOPPQRRRRRSSSSS"
    "TTTTTUUUVVWWXYZZ";

const std::string kPlain = "  <td align=\"center\" >";
const std::string kL2 = "  <td align=\"center\" bgcolor=\"00FFFF\">";
const std::string kW2 = "  <td align=\"center\" bgcolor=\"FF8080\">";
const std::string kW3 = "  <td align=\"center\" bgcolor=\"FF0000\">";
const std::string kEmpty = "\xA0</td>\n";

std::string rowLabel(int row) {
  return "<tr><td align=\"center\" bgcolor=\"C0C0C0\" width=\"25\" height=\"25\" >" +
         std::to_string(row) + "</td>\n";
}

TEST(BoardPage, EmptyGameShowsPremiumsBlankRowsAndTheFullBag) {
  auto state = newGame();
  const std::string page = boardPageText(*state);

  const std::string head =
      "<HTML><BODY><table border=\"1\" cellspacing=\"0\" bgcolor=\"FFFFC0\" bordercolor=\"C0C0C0\">\n"
      "<tr><td>\n"
      "<table border=\"1\" cellspacing=\"1\" bgcolor=\"FFFFC0\" bordercolor=\"C0C0C0\">\n"
      "<tr>\n"
      "<td width=\"25\" height=\"25\" bgcolor=\"C0C0C0\">\xA0</td>\n"
      "<td align=\"center\" width=\"25\" height=\"25\" bgcolor=\"C0C0C0\">A</td>\n"
      "<td align=\"center\" width=\"25\" height=\"25\" bgcolor=\"C0C0C0\">B</td>\n";
  EXPECT_EQ(page.substr(0, head.size()), head);
  EXPECT_NE(page.find("bgcolor=\"C0C0C0\">O</td>\n</tr>\n" + rowLabel(1)), std::string::npos);

  // Row 8: word x3 at both ends, letter x2 on D and L, the centre word x2 "FF8080".
  const std::string row8 = rowLabel(8) + kW3 + kEmpty + kPlain + kEmpty + kPlain + kEmpty + kL2 +
                           kEmpty + kPlain + kEmpty + kPlain + kEmpty + kPlain + kEmpty + kW2 +
                           kEmpty + kPlain + kEmpty + kPlain + kEmpty + kPlain + kEmpty + kL2 +
                           kEmpty + kPlain + kEmpty + kPlain + kEmpty + kW3 + kEmpty + "</tr>\n";
  EXPECT_NE(page.find(row8), std::string::npos);
  // Letter x3 squares write their letter in white.
  EXPECT_NE(page.find(rowLabel(2) + kPlain + kEmpty + kW2 + kEmpty + kPlain + kEmpty + kPlain +
                      kEmpty + kPlain + kEmpty +
                      "  <td align=\"center\" bgcolor=\"0000FF\"><font color=\"FFFFFF\">\xA0"
                      "</font>\n</td>\n"),
            std::string::npos);
  EXPECT_EQ(countOf(page, "bgcolor=\"FF0000\">"), 8u);
  EXPECT_EQ(countOf(page, "bgcolor=\"FF8080\">"), 17u);
  EXPECT_EQ(countOf(page, "bgcolor=\"00FFFF\">"), 24u);
  EXPECT_EQ(countOf(page, "bgcolor=\"0000FF\">"), 12u);
  EXPECT_EQ(countOf(page, "\xA0</td>\n"), 1u + 225u - 12u);
  EXPECT_EQ(countOf(page, "\xA0</font>\n</td>\n"), 12u);

  std::string tail =
      "</table></td><td>\n"
      "<table border=\"1\" cellspacing=\"0\" bgcolor=\"FFFFC0\" bordercolor=\"C0C0C0\">\n";
  for (int i = 0; i < state->maxTurns; ++i) {
    tail += "<tr><td>\xA0</td><td>\xA0</td><td>\xA0</td><td>\xA0</td><td>\xA0</td><td>\xA0</td></tr>\n";
  }
  tail += std::string("</table></td></tr></table>Resterende letters:") + kFullBag +
          "</BODY></HTML>\n";
  ASSERT_GE(page.size(), tail.size());
  EXPECT_EQ(page.substr(page.size() - tail.size()), tail);

  report_games::ScratchFolder folder("board-page");
  ASSERT_TRUE(writeBoardPage(*state, folder.file("spel.html")));
  EXPECT_EQ(report_games::readFile(folder.file("spel.html")), page);
  EXPECT_FALSE(writeBoardPage(*state, folder.file("ontbreekt/spel.html")));
}

TEST(BoardPage, PlayedTurnsFillBoardAndTurnTable) {
  auto state = newGame();
  state->maxTurns = 11;
  report_games::playThreeTurns(*state);
  setTurn(*state, 3, "ABCDEFG", "", 'A', 1, true);  // drawn, not played
  // A one-letter word gets a row; the replay cannot score it, so it adds nothing.
  setTurn(*state, 4, "RSTUVWA", "X", 'A', 1, true);
  recompute(*state);
  const std::string page = boardPageText(*state);

  const std::string rows =
      "<table border=\"1\" cellspacing=\"0\" bgcolor=\"FFFFC0\" bordercolor=\"C0C0C0\">\n"
      "<tr><td>1.</td><td>IDNXAET</td><td>TAXIEND</td><td>8B</td><td>98</td><td>98</td></tr>\n"
      "<tr><td>2.</td><td>KWEEZBJ</td><td>BEZWIJKE</td><td>E4</td><td>138</td><td>236</td></tr>\n"
      "<tr><td>3.</td><td>ENORSTA</td><td>EEN</td><td>11E</td><td>3</td><td>239</td></tr>\n"
      "<tr><td>4.</td><td>ABCDEFG</td>"
      "<tr><td>5.</td><td>RSTUVWA</td><td>X</td><td>1A</td><td>-1</td><td>239</td></tr>\n";
  std::string blanks;
  for (int i = 5; i < 11; ++i) {
    blanks += "<tr><td>\xA0</td><td>\xA0</td><td>\xA0</td><td>\xA0</td><td>\xA0</td><td>\xA0</td></tr>\n";
  }
  EXPECT_NE(page.find(rows + blanks + "</table></td></tr></table>Resterende letters:**"),
            std::string::npos)
      << page.substr(page.find("cellspacing=\"0\" bgcolor=\"FFFFC0\" bordercolor=\"C0C0C0\">\n<tr>"));

  // Row 8: T A X(letter x2) I E N D(centre) from B.
  const std::string row8 = rowLabel(8) + kW3 + kEmpty + kPlain + "T</td>\n" + kPlain + "A</td>\n" +
                           kL2 + "X</td>\n" + kPlain + "I</td>\n" + kPlain + "E</td>\n" + kPlain +
                           "N</td>\n" + kW2 + "D</td>\n";
  EXPECT_NE(page.find(row8), std::string::npos);
  // Every tile is shown, whatever turn laid it: 7 + 7 + 2 tiles.
  EXPECT_EQ(countOf(page, "\xA0</td>\n") + countOf(page, "\xA0</font>\n</td>\n"), 1u + 225u - 16u);
}

TEST(BoardPage, BlankShowsItsLowerCaseLetter) {
  auto state = newGame();
  state->countTable[letterCode('E')] = 0;  // no real E left to replace the blank
  setTurn(*state, 0, "IDNXA*T", "TAXIeND", 'B', 8, true);
  recompute(*state);
  const std::string page = boardPageText(*state);
  EXPECT_NE(page.find(kPlain + "I</td>\n" + kPlain + "e</td>\n" + kPlain + "N</td>\n"),
            std::string::npos);
  EXPECT_NE(page.find("<td>IDNXA*T</td><td>TAXIeND</td>"), std::string::npos);
  EXPECT_NE(page.find("Resterende letters:*AAAAA"), std::string::npos);
}

TEST(BoardPage, RacksAndWordsAreEscaped) {
  auto state = newGame();
  // Neither turn is replayed: the word starts with a space, or has one letter.
  setTurn(*state, 0, "A<B&C\"D", " <b>", 'A', 1, true);
  setTurn(*state, 1, "\xE9\xEB>ABCD", "&", 'C', 3, false);
  recompute(*state);
  const std::string page = boardPageText(*state);
  EXPECT_NE(page.find("<tr><td>1.</td><td>A&lt;B&amp;C&quot;D</td><td> &lt;b&gt;</td><td>1A</td>"),
            std::string::npos);
  EXPECT_NE(page.find("<tr><td>2.</td><td>\xE9\xEB&gt;ABCD</td><td>&amp;</td><td>C3</td>"),
            std::string::npos);
  EXPECT_EQ(page.find("<b>"), std::string::npos);
}

}  // namespace
}  // namespace kwarrel

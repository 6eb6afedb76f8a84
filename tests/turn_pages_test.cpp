// The page-per-turn report: the chain of files and links, what each page shows of
// the board, the maximum line, and the closing list of misses.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <map>
#include <string>

#include "files/save.h"
#include "files/turn_pages.h"
#include "full_disk_writer.h"
#include "report_games.h"

namespace kwarrel {
namespace {

using report_games::countOf;
using report_games::newGame;
using report_games::readFile;
using report_games::recompute;
using report_games::ScratchFolder;

const std::string kBlankRow = "<tr><td>\xA0<td>\xA0<td>\xA0<td>\xA0<td>\xA0<td>\xA0</tr>\n";
const std::string kPraise = "Een perfecte partij! Elke maximum score werd ontdekt!\n";

std::string head(int pageNumber) {
  std::string text =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><HTML><HEAD><meta "
      "HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\"><META "
      "http-equiv=\"Content-Style-Type\" content=\"text/css\"><TITLE>Kwarrel         Beurt " +
      std::to_string(pageNumber + 1) +
      "</TITLE>\n"
      "<STYLE type=\"text/css\">\n"
      ".rand {background: #C0C0C0; text-align: center; height: 25}\n"
      ".L2 {background: #00FFFF; text-align: center; height: 25}\n"
      ".L3 {background: #0000FF; color: #FFFFFF; text-align: center; height: 25}\n"
      ".W2 {background: #ffa8a8; text-align: center; height: 25}\n"
      ".W3 {background: #FF0000; text-align: center; height: 25}\n"
      ".grijs {background: #C0C0C0; text-align: center; text-height: 25}\n"
      ".beurt {background: #FFFFC0; border-color: #C0C0C0; text-align: left}\n"
      "</STYLE></HEAD><BODY>\n"
      "<table border=1 cellspacing=1 bgcolor=\"FFFFC0\">\n"
      "<tr class=rand>\n"
      "<td width=25>\xA0\n";
  for (char letter = 'A'; letter <= 'O'; ++letter) text += std::string("<td width=25>") + letter + "\n";
  text +=
      "<td rowspan=17 bgcolor=\"#FFFFFF\">\n"
      "<table border=1 cellspacing=0 class=beurt>\n"
      "<colgroup><col align=right><col><col><col><col align=right><col align=right></colgroup>\n";
  return text;
}

std::string blankRows(int count) {
  std::string rows;
  for (int i = 0; i < count; ++i) rows += kBlankRow;
  return rows;
}

bool endsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// Row 4 of the board with nothing on it.
const std::string kEmptyRow4 =
    "<tr align=center><td class=rand>4\n<td class=L2>\xA0<td>\xA0<td>\xA0<td class=W2>\xA0<td>\xA0"
    "<td>\xA0<td>\xA0<td class=L2>\xA0<td>\xA0<td>\xA0<td>\xA0<td class=W2>\xA0<td>\xA0<td>\xA0"
    "<td class=L2>\xA0</tr>\n";

TEST(TurnPages, EmptyGameWritesPageZeroWithThePraise) {
  auto state = newGame();
  ScratchFolder folder("pages-empty");
  ASSERT_TRUE(writeTurnPages(*state, 0, "x", folder.file("x.htm"), true));

  const std::string page = readFile(folder.file("x.htm"));
  const std::string start = head(0) + blankRows(22) + "</table>\n" +
                            "<tr align=center><td class=rand>1\n<td class=W3>\xA0<td>\xA0";
  EXPECT_EQ(page.substr(0, start.size()), start);
  EXPECT_NE(page.find(kEmptyRow4), std::string::npos);
  EXPECT_EQ(countOf(page, "<tr align=center><td class=rand>"), 15u);
  EXPECT_EQ(countOf(page, "class=W2>"), 17u);
  EXPECT_EQ(countOf(page, "class=grijs"), 0u);
  // Page 0 is the last page and takes the closing part itself.
  EXPECT_TRUE(endsWith(page, "<td class=W3>\xA0</tr>\n</table>\n<br><br>\n" + kPraise +
                                 "</BODY></HTML>\n"));
  EXPECT_FALSE(std::filesystem::exists(folder.file("x0.htm")));
  EXPECT_FALSE(std::filesystem::exists(folder.file("x1.htm")));
}

TEST(TurnPages, OnlyTurnOneDrawnClosesTheFirstPage) {
  auto state = newGame();
  state->turns[0].rack = "IDNXAET";
  recompute(*state);
  ScratchFolder folder("pages-drawn");
  for (int save = 0; save < 2; ++save) {
    ASSERT_TRUE(writeTurnPages(*state, 0, "x", folder.file("x.htm"), true));
    const std::string page = readFile(folder.file("x.htm"));
    EXPECT_NE(page.find("<tr><td>1.<td>IDNXAET" + kBlankRow), std::string::npos);
    EXPECT_TRUE(endsWith(page, "</table>\n<br><br>\n" + kPraise + "</BODY></HTML>\n"));
    EXPECT_EQ(countOf(page, "</BODY>"), 1u);
    // Saving again writes the same page, and no page beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
  }
}

TEST(TurnPages, ThreeTurnGameMakesAChainOfFourPages) {
  auto state = newGame();
  report_games::playThreeTurns(*state);
  ScratchFolder folder("pages-chain");
  ASSERT_TRUE(writeTurnPages(*state, 0, "x", folder.file("x.htm"), true));
  recompute(*state);

  const std::string page0 = readFile(folder.file("x.htm"));
  const std::string start0 =
      head(0) + "<tr><td>1.<td>IDNXAET<TD><A HREF=x1.htm>Beurt 2</A><td>\xA0<td>\xA0<td>\xA0</TR>" +
      blankRows(21) + "</table>\n" + "<tr align=center><td class=rand>1\n";
  EXPECT_EQ(page0.substr(0, start0.size()), start0);
  EXPECT_TRUE(endsWith(page0, "</tr>\n</table>\n</BODY></HTML>\n"));
  EXPECT_EQ(page0.find("<br>"), std::string::npos);  // page 0 has no maximum

  const std::string solved1 = "<tr><td>1.<td>IDNXAET<td>TAXIEND<td>8B<td>98<td>98</tr>\n";
  const std::string solved2 = "<tr><td>2.<td>KWEEZBJ<td>BEZWIJKE<td>E4<td>138<td>236</tr>\n";
  const std::string solved3 = "<tr><td>3.<td>ENORSTA<td>EEN<td>11E<td>3<td>239</tr>\n";
  const std::string page1 = readFile(folder.file("x1.htm"));
  EXPECT_NE(page1.find(head(1) + solved1 +
                       "<tr><td>2.<td>KWEEZBJ<TD><A HREF=x2.htm>Beurt 3</A><td>\xA0<td>\xA0<td>\xA0</TR>" +
                       blankRows(20) + "</table>\n"),
            std::string::npos);
  EXPECT_TRUE(endsWith(page1, "</BODY></HTML>\n"));

  const std::string page2 = readFile(folder.file("x2.htm"));
  EXPECT_NE(page2.find(head(2) + solved1 + solved2 +
                       "<tr><td>3.<td>ENORSTA<TD><A HREF=x3.htm>Oplossing beurt 3</A>"
                       "<td>\xA0<td>\xA0<td>\xA0</TR>" +
                       blankRows(19) + "</table>\n"),
            std::string::npos);
  EXPECT_TRUE(endsWith(page2, "</BODY></HTML>\n"));

  const std::string page3 = readFile(folder.file("x3.htm"));
  EXPECT_NE(page3.find(head(3) + solved1 + solved2 + solved3 + blankRows(19) + "</table>\n"),
            std::string::npos);
  const size_t pageEnd = page3.find("<br><br>\n");
  ASSERT_NE(pageEnd, std::string::npos);
  EXPECT_EQ(page3.find("</BODY>"), page3.find("</BODY></HTML>\n", pageEnd));
  EXPECT_FALSE(std::filesystem::exists(folder.file("x4.htm")));
  EXPECT_FALSE(std::filesystem::exists(folder.file("x0.htm")));

  // Page 1 shows turn 1 only, its new tiles grey; BEZWIJKE is not on it yet.
  EXPECT_NE(page1.find(kEmptyRow4), std::string::npos);
  EXPECT_NE(page1.find("<td class=grijs>I<td class=grijs>E<td class=grijs>N<td class=grijs>D<td>\xA0"),
            std::string::npos);
  EXPECT_EQ(countOf(page1, "<td class=grijs>"), 7u);
  // Page 2: the new tiles of BEZWIJKE are grey, the I it borrowed keeps its square's
  // look; the word x2 square E5 is grey now and shows its premium again on page 3.
  EXPECT_EQ(countOf(page2, "<td class=grijs>"), 7u);
  EXPECT_NE(page2.find("<td class=rand>5\n<td>\xA0<td>\xA0<td>\xA0<td>\xA0<td class=grijs>E"),
            std::string::npos);
  EXPECT_NE(page2.find("<td class=rand>8\n<td class=W3>\xA0<td>T<td>A<td class=L2>X<td>I<td>E"),
            std::string::npos);
  EXPECT_NE(page3.find("<td class=rand>5\n<td>\xA0<td>\xA0<td>\xA0<td>\xA0<td class=W2>E"),
            std::string::npos);
  EXPECT_EQ(countOf(page3, "<td class=grijs>"), 2u);

  // Every page after page 0 gives the maximum of its turn after the board.
  for (const std::string* page : {&page1, &page2, &page3}) {
    const size_t maximum = page->find("</table>\n<br>", page->find("class=rand>15\n"));
    ASSERT_NE(maximum, std::string::npos);
    const std::string mark = page->substr(maximum + 13, 3);
    EXPECT_TRUE(mark == " * " || mark == "   ") << mark;
  }
}

// The closing list as the maxima of the turns make it.
std::string missEntry(int turn, const report_games::TurnMaximum& offered) {
  std::string entry = "Beurt " + std::to_string(turn) + ", score: " +
                      std::to_string(offered.maximum) + " (+" +
                      std::to_string(offered.maximum - offered.played) + "), woord(en): ";
  for (const Move& move : offered.best) {
    entry += move.word + " (" + static_cast<char>(move.column) + ", " + std::to_string(move.row) + ") ";
  }
  return entry;
}

std::string maximumLine(const report_games::TurnMaximum& offered) {
  char number[8];
  std::snprintf(number, sizeof number, "%3d", offered.maximum);
  std::string line = std::string(offered.played < offered.maximum ? "<br> * " : "<br>   ") + number;
  for (const Move& move : offered.best) {
    line += " " + move.word + " " + static_cast<char>(move.column) + std::to_string(move.row);
  }
  return line;
}

TEST(TurnPages, PerfectGameEndsWithPraise) {
  auto state = newGame();
  const auto maxima = report_games::playBestMoves(*state, 4);
  ASSERT_EQ(maxima.size(), 4u);
  ScratchFolder folder("pages-perfect");
  ASSERT_TRUE(writeTurnPages(*state, 0, "p", folder.file("p.htm"), true));

  for (int page = 1; page <= 4; ++page) {
    const std::string text = readFile(folder.file("p" + std::to_string(page) + ".htm"));
    const std::string line = maximumLine(maxima[static_cast<size_t>(page - 1)]);
    EXPECT_NE(text.find("</table>\n" + line + (page < 4 ? "</BODY></HTML>\n" : "<br><br>\n")),
              std::string::npos)
        << "page " << page << ": " << line;
  }
  EXPECT_TRUE(endsWith(readFile(folder.file("p4.htm")),
                       "<br><br>\n" + kPraise + "</BODY></HTML>\n"));
}

TEST(TurnPages, MissesAreListedFromTheFirstTurnOn) {
  auto state = newGame();
  const auto maxima = report_games::playBestMoves(*state, 5, {2, 5});
  ASSERT_EQ(maxima.size(), 5u);
  ASSERT_LT(maxima[1].played, maxima[1].maximum);
  ASSERT_LT(maxima[4].played, maxima[4].maximum);
  ScratchFolder folder("pages-misses");
  TurnPagesWriter writer;
  writer.folder = folder.path().string() + "/";
  ASSERT_TRUE(writeTurnPages(*state, writer, 0, "m", folder.file("m.htm"), true));
  EXPECT_EQ(writer.lastPageNumber, 5);
  ASSERT_EQ(writer.missList.size(), 2u);
  EXPECT_EQ(writer.missList[0].substr(0, 9), "Beurt 5, ");

  const std::string last = readFile(folder.file("m5.htm"));
  EXPECT_NE(last.find(maximumLine(maxima[4]) + "<br><br>\n"), std::string::npos);
  EXPECT_TRUE(endsWith(last, "<br><br>\n<b>Missers:</b><br>\n" + missEntry(2, maxima[1]) +
                                 "<br>\n" + missEntry(5, maxima[4]) + "<br>\n</BODY></HTML>\n"))
      << last.substr(last.find("<br><br>"));
  EXPECT_NE(readFile(folder.file("m2.htm")).find(maximumLine(maxima[1]) + "</BODY></HTML>\n"),
            std::string::npos);
  // The turn table is put back after every maximum.
  EXPECT_EQ(state->turns[4].word.empty(), false);
  recompute(*state);
  EXPECT_EQ(state->turns[1].score, maxima[1].played);
}

TEST(TurnPages, RacksAreEscapedAndLinksSurviveAnyName) {
  auto state = newGame();
  report_games::playThreeTurns(*state);
  state->turns[3].rack = "<&\"AB>C";
  recompute(*state);
  ScratchFolder folder("pages-escape");
  ASSERT_TRUE(writeTurnPages(*state, 0, "mijn spel", folder.file("mijn spel.htm"), false));
  const std::string page3 = readFile(folder.file("mijn spel3.htm"));
  EXPECT_NE(page3.find("<tr><td>4.<td>&lt;&amp;&quot;AB&gt;C" + kBlankRow), std::string::npos);
  EXPECT_NE(readFile(folder.file("mijn spel.htm")).find("<A HREF=mijn%20spel1.htm>Beurt 2</A>"),
            std::string::npos);
  // Without maxima no page has a maximum line.
  EXPECT_EQ(page3.find("<br> "), std::string::npos);
  // Turn 4 is drawn and unsolved: page 3 ends the chain and takes the closing part.
  EXPECT_TRUE(endsWith(page3, "</table>\n<br><br>\n" + kPraise + "</BODY></HTML>\n"));
  EXPECT_FALSE(std::filesystem::exists(folder.file("mijn spel0.htm")));
}

TEST(TurnPages, FullGameClosesEveryPageButTheLast) {
  auto state = newGame();
  state->maxTurns = kMinMaxTurns;
  const auto maxima = report_games::playBestMoves(*state, kMinMaxTurns);
  ASSERT_EQ(maxima.size(), static_cast<size_t>(kMinMaxTurns));
  ScratchFolder folder("pages-full");
  TurnPagesWriter writer;
  writer.folder = folder.path().string() + "/";
  ASSERT_TRUE(writeTurnPages(*state, writer, 0, "f", folder.file("f.htm"), true));
  EXPECT_EQ(writer.lastPageNumber, kMinMaxTurns);

  const std::string beforeLast = readFile(folder.file("f10.htm"));
  EXPECT_NE(beforeLast.find(">Oplossing beurt 11</A>"), std::string::npos);
  EXPECT_TRUE(endsWith(beforeLast, maximumLine(maxima[9]) + "</BODY></HTML>\n"));
  const std::string last = readFile(folder.file("f11.htm"));
  EXPECT_EQ(last.find("<A HREF"), std::string::npos);
  EXPECT_TRUE(endsWith(last, maximumLine(maxima[10]) + "<br><br>\n" + kPraise + "</BODY></HTML>\n"));
  EXPECT_FALSE(std::filesystem::exists(folder.file("f0.htm")));
  EXPECT_FALSE(std::filesystem::exists(folder.file("f12.htm")));
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> filesIn(const ScratchFolder& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
    files[entry.path().string()] = entry.is_regular_file() ? readFile(entry.path().string()) : "";
  }
  return files;
}

TEST(TurnPages, FailedPageLeavesTheOldChainAndIsNamed) {
  auto state = newGame();
  report_games::playThreeTurns(*state);
  ScratchFolder folder("pages-fail");
  TurnPagesWriter writer;
  EXPECT_FALSE(writeTurnPages(*state, writer, 0, "x", folder.file("geen/x.htm"), true));
  EXPECT_EQ(writer.failedPath, folder.file("geen/x.htm"));

  // The old chain: turns 1 and 2 solved.
  writer.folder = folder.path().string() + "/";
  state->turns[2].word.clear();
  recompute(*state);
  ASSERT_TRUE(writeTurnPages(*state, writer, 0, "x", folder.file("x.htm"), true));
  const auto oldChain = filesIn(folder);
  ASSERT_EQ(oldChain.size(), 3u);
  report_games::playThreeTurns(*state);

  // A page that cannot be made, after two that could.
  std::filesystem::create_directory(folder.file("x3.htm"));
  std::filesystem::create_directory(folder.file("x3.htm/bezet"));
  auto expected = oldChain;
  expected[folder.file("x3.htm")] = "";
  expected[folder.file("x3.htm/bezet")] = "";
  EXPECT_FALSE(writeTurnPages(*state, writer, 0, "x", folder.file("x.htm"), true));
  EXPECT_EQ(writer.failedPath, folder.file("x3.htm"));
  EXPECT_EQ(filesIn(folder), expected);
  std::filesystem::remove_all(folder.file("x3.htm"));

  // The disk fills up at any write or flush of the new chain.
  for (int room = 0;; ++room) {
    FullDiskWriter disk(room);
    if (writeTurnPages(*state, writer, 0, "x", folder.file("x.htm"), true, disk)) {
      EXPECT_EQ(room, 8);  // a write and a flush for each of the four pages
      break;
    }
    EXPECT_EQ(writer.failedPath, folder.file(room < 2 ? "x.htm" : "x" + std::to_string(room / 2) + ".htm"));
    ASSERT_EQ(filesIn(folder), oldChain) << room;
  }
  EXPECT_EQ(filesIn(folder).size(), 4u);
  EXPECT_EQ(countOf(readFile(folder.file("x.htm")), "<tr><td>1.<td>IDNXAET"), 1u);
}

TEST(TurnPages, FailedPageIsTheOneTheSaveNames) {
  auto state = newGame();
  report_games::playThreeTurns(*state);
  ScratchFolder folder("pages-save-fail");
  std::filesystem::create_directory(folder.file("ronde2.htm"));
  std::string failedPath;
  EXPECT_FALSE(saveGame(*state, folder.file("ronde.htm"), failedPath));
  EXPECT_EQ(failedPath, folder.file("ronde2.htm"));
  EXPECT_FALSE(std::filesystem::exists(folder.file("ronde.htm")));
  EXPECT_EQ(state->totalScore, 239);  // the game is recomputed as before

  EXPECT_FALSE(saveGame(*state, folder.file("geen/x.txt"), failedPath));
  EXPECT_EQ(failedPath, folder.file("geen/x.txt"));
  EXPECT_TRUE(saveGame(*state, folder.file("ronde.txt"), failedPath));
  EXPECT_EQ(failedPath, "");
}

TEST(TurnPages, LinkTargetsAreTheNamesOwnBytesAndNeverAScheme) {
  auto state = newGame();
  report_games::playThreeTurns(*state);
  ScratchFolder folder("pages-links");
  struct Case {
    std::string stem;
    std::string link;
  };
  const Case cases[] = {
      {"spel12:30", "./spel12:301.htm"},
      {"javascript:alert(1);x", "./javascript:alert(1);x1.htm"},
      {"ronde \xC3\xA9\xC3\xA9n", "ronde%20%C3%A9%C3%A9n1.htm"},  // as the file system spells it
      {"caf\xE9\\bar", "caf%E9%5Cbar1.htm"},
      {"gewoon-spel_2.b", "gewoon-spel_2.b1.htm"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(writeTurnPages(*state, 0, c.stem, folder.file(c.stem + ".htm"), false)) << c.stem;
    EXPECT_NE(readFile(folder.file(c.stem + ".htm")).find("<A HREF=" + c.link + ">Beurt 2</A>"),
              std::string::npos)
        << c.stem;
    EXPECT_TRUE(std::filesystem::exists(folder.file(c.stem + "3.htm"))) << c.stem;
  }
}

}  // namespace
}  // namespace kwarrel

// The text listing: turn lines that read back as a game file, the maximum columns,
// and the board picture; the game is whole again after writing.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "files/board_page.h"
#include "files/game_file.h"
#include "files/listing.h"
#include "files/turn_pages.h"
#include "report_games.h"

namespace kwarrel {
namespace {

using report_games::newGame;
using report_games::readFile;
using report_games::recompute;
using report_games::ScratchFolder;

// A picture line from 15 squares: '.' empty, upper case a tile, lower case a blank.
std::string pictureLine(const std::string& squares) {
  std::string line;
  for (const char c : squares) {
    if (c == '.') {
      line += "   ";
    } else if (isLowerLetter(c)) {
      line += std::string("(") + upperCase(c) + ")";
    } else {
      line += std::string(" ") + c + " ";
    }
  }
  return line + "\n";
}

std::string emptyLines(int count) {
  std::string lines;
  for (int i = 0; i < count; ++i) lines += pictureLine("...............");
  return lines;
}

TEST(GameListing, PlainListingHoldsTurnLinesAndBoardPicture) {
  auto state = newGame();
  report_games::playThreeTurns(*state);
  const std::string expected =
      "IDNXAET   TAXIEND         8  B     98 -    98\n"
      "KWEEZBJ   BEZWIJKE        E  4    138 -   236\n"
      "ENORSTA   EEN             11 E      3 -   239\n"
      "\n"
      "\n" +
      emptyLines(3) + pictureLine("....B..........") + pictureLine("....E..........") +
      pictureLine("....Z..........") + pictureLine("....W..........") +
      pictureLine(".TAXIEND.......") + pictureLine("....J..........") +
      pictureLine("....K..........") + pictureLine("....EEN........") + emptyLines(4);
  EXPECT_EQ(gameListingText(*state, false), expected);

  ScratchFolder folder("listing-plain");
  ASSERT_TRUE(writeGameListing(*state, folder.file("spel.txt"), false));
  EXPECT_EQ(readFile(folder.file("spel.txt")), expected);
  EXPECT_FALSE(writeGameListing(*state, folder.file("geen/spel.txt"), false));
}

TEST(GameListing, BlankIsDrawnInBrackets) {
  auto state = newGame();
  state->countTable[letterCode('E')] = 0;  // no real E to replace the blank
  report_games::setTurn(*state, 0, "IDNXA*T", "TAXIeND", 'B', 8, true);
  recompute(*state);
  const std::string listing = gameListingText(*state, false);
  EXPECT_NE(listing.find("\n\n\n" + emptyLines(7) + pictureLine(".TAXIeND.......")),
            std::string::npos);
}

TEST(GameListing, MaxColumnsMarkTurnsBelowTheMaximum) {
  auto state = newGame();
  const auto maxima = report_games::playBestMoves(*state, 3, {2});
  ASSERT_EQ(maxima.size(), 3u);
  ASSERT_LT(maxima[1].played, maxima[1].maximum);
  const std::string listing = gameListingText(*state, true);

  int total = 0;
  std::string expected;
  for (int i = 0; i < 3; ++i) {
    const Turn& turn = state->turns[i];
    total += turn.score;
    char line[128];
    if (turn.horizontal) {
      std::snprintf(line, sizeof line, "%-10s%-16s%-3d%-3c%5d - %5d", turn.rack.c_str(),
                    turn.word.c_str(), turn.row, turn.column + 64, turn.score, total);
    } else {
      std::snprintf(line, sizeof line, "%-10s%-16s%-3c%-3d%5d - %5d", turn.rack.c_str(),
                    turn.word.c_str(), turn.column + 64, turn.row, turn.score, total);
    }
    const auto& offered = maxima[static_cast<size_t>(i)];
    expected += line;
    char maximum[16];
    std::snprintf(maximum, sizeof maximum, i == 1 ? " * %3d" : "   %3d", offered.maximum);
    expected += maximum;
    for (const Move& move : offered.best) {
      expected += " " + move.word + " " + static_cast<char>(move.column) + std::to_string(move.row);
    }
    expected += "\n";
  }
  EXPECT_EQ(listing.substr(0, expected.size()), expected);
  EXPECT_EQ(listing.substr(expected.size(), 2), "\n\n");
  EXPECT_EQ(state->turns[1].score, maxima[1].played);  // recomputed with every turn
}

TEST(GameListing, ShortRackEndsTheLinesButNotTheGame) {
  auto state = newGame();
  const auto maxima = report_games::playBestMoves(*state, 11);
  ASSERT_EQ(maxima.size(), 11u);
  const std::string rack10 = state->turns[9].rack;
  const Turn turn11 = state->turns[10];
  state->turns[9].rack = rack10.substr(0, 6);
  recompute(*state);
  const int total = state->totalScore;

  for (const bool withMax : {false, true}) {
    const std::string listing = gameListingText(*state, withMax);
    const size_t turnLines = listing.find("\n\n");
    ASSERT_NE(turnLines, std::string::npos);
    EXPECT_EQ(std::count(listing.begin(), listing.begin() + static_cast<long>(turnLines) + 1, '\n'), 9);
    EXPECT_EQ(state->turns[9].rack, rack10.substr(0, 6));
    EXPECT_EQ(state->turns[10].word, turn11.word);
    EXPECT_EQ(state->turns[10].rack, turn11.rack);
    EXPECT_EQ(state->totalScore, total);
  }
}

TEST(GameListing, ListingLoadsBackToTheSameTurns) {
  auto state = newGame();
  report_games::playBestMoves(*state, 8, {3});
  // Turn 9 drawn but not played: its maximum stands right after the rack.
  state->turns[8].rack = "NRO*SSP";
  recompute(*state);
  ASSERT_FALSE(state->results.empty());
  ScratchFolder folder("listing-reload");
  for (const char* name : {"spel.txt", "spel.max"}) {
    const std::string path = folder.file(name);
    ASSERT_TRUE(writeGameListing(*state, path, std::string(name).ends_with(".max")));
    auto loaded = newGame();
    ASSERT_EQ(loadGameFile(*loaded, path), 0);
    for (int i = 0; i < state->maxTurns; ++i) {
      const Turn& original = state->turns[i];
      const Turn& back = loaded->turns[i];
      EXPECT_EQ(back.rack, original.rack) << name << " turn " << i + 1;
      EXPECT_EQ(back.word, original.word) << name << " turn " << i + 1;
      if (original.word.empty()) continue;
      EXPECT_EQ(back.row, original.row);
      EXPECT_EQ(back.column, original.column);
      EXPECT_EQ(back.horizontal, original.horizontal);
      EXPECT_EQ(back.score, original.score);
    }
    EXPECT_EQ(loaded->totalScore, state->totalScore);
  }
}

// A turn the replay cannot lay (BEZWIJKE would run off the board from O8) stops
// the replay there: it and the turns after it keep -1 as their score, and no
// report lowers its running total by them.
TEST(GameListing, UnscoredTurnsAddNothingToTheRunningTotal) {
  ScratchFolder folder("listing-unscored");
  const std::string game = folder.file("spel.txt");
  std::ofstream(game, std::ios::binary)
      << "IDNXAET TAXIEND 8 B\nKWEEZBJ BEZWIJKE 8 O\nENORSTA EEN 11 E\nONTDEKT ONT 1 A\n";
  auto state = newGame();
  ASSERT_EQ(loadGameFile(*state, game), 0);
  ASSERT_EQ(state->totalScore, 98);

  const std::string listing = gameListingText(*state, false);
  EXPECT_EQ(listing.substr(0, listing.find("\n\n") + 1),
            "IDNXAET   TAXIEND         8  B     98 -    98\n"
            "KWEEZBJ   BEZWIJKE        8  O     -1 -    98\n"
            "ENORSTA   EEN             11 E     -1 -    98\n"
            "ONTDEKT   ONT             1  A     -1 -    98\n");

  const std::string boardPage = boardPageText(*state);
  EXPECT_EQ(report_games::countOf(boardPage, "</td><td>-1</td><td>98</td></tr>"), 3u);

  ASSERT_TRUE(writeTurnPages(*state, 0, "spel", folder.file("spel.htm"), false));
  const std::string lastPage = readFile(folder.file("spel4.htm"));
  EXPECT_EQ(report_games::countOf(lastPage, "<td>-1<td>98</tr>"), 3u);
  EXPECT_EQ(report_games::countOf(lastPage, "<td>97</tr>"), 0u);
}

}  // namespace
}  // namespace kwarrel

// Loading game text files in both line formats, where reading stops, and the
// turn line as the listing writes it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "dict/word_graph.h"
#include "files/game_file.h"
#include "game/game_state.h"

namespace kwarrel {
namespace {

namespace fs = std::filesystem;

class GameFileTest : public ::testing::Test {
 protected:
  GameFileTest() : state(builtInWordGraph()) {}

  void SetUp() override {
    folder = fs::current_path() /
             ("game_file_" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  // Writes `text` byte for byte and loads it; returns the load's result.
  int load(const std::string& text) {
    const fs::path path = folder / "spel.txt";
    std::ofstream(path, std::ios::binary) << text;
    return loadGameFile(state, path.string());
  }

  // The number of turns that got a rack.
  int turnsRead() const {
    int count = 0;
    while (count < state.maxTurns && !state.turns[count].rack.empty()) ++count;
    return count;
  }

  void expectTurn(int i, const std::string& rack, const std::string& word, int row, int column,
                  bool horizontal) {
    const Turn& turn = state.turns[i];
    EXPECT_EQ(turn.rack, rack) << "turn " << i;
    EXPECT_EQ(turn.word, word) << "turn " << i;
    EXPECT_EQ(turn.row, row) << "turn " << i;
    EXPECT_EQ(turn.column, column) << "turn " << i;
    EXPECT_EQ(turn.horizontal, horizontal ? 1 : 0) << "turn " << i;
  }

  fs::path folder;
  GameState state;
};

TEST_F(GameFileTest, BothFormatsLoadToTheSameTurn) {
  ASSERT_EQ(load("IDNXAET TAXIEND 8 B\nKWEEZBJ BEZWIJKE E 4\n"), 0);
  expectTurn(0, "IDNXAET", "TAXIEND", 8, 2, true);
  expectTurn(1, "KWEEZBJ", "BEZWIJKE", 4, 5, false);

  ASSERT_EQ(load("IDNXAET B8 H TAXIEND\nKWEEZBJ\tE4\tV\tBEZWIJKE   31 -  40\n"), 0);
  expectTurn(0, "IDNXAET", "TAXIEND", 8, 2, true);
  expectTurn(1, "KWEEZBJ", "BEZWIJKE", 4, 5, false);

  // A two-digit row; Windows line ends.
  ASSERT_EQ(load("IDNXAET B12 H TAXIEND\r\nKWEEZBJ BEZWIJKE E 11\r\n"), 0);
  expectTurn(0, "IDNXAET", "TAXIEND", 12, 2, true);
  expectTurn(1, "KWEEZBJ", "BEZWIJKE", 11, 5, false);
  EXPECT_EQ(turnsRead(), 2);
}

TEST_F(GameFileTest, RackIsNormalisedAndWordKeepsItsCase) {
  state.settings.blankChar = '*';
  ASSERT_EQ(load("ABCDEF+ ALFaBET 8 H\nabcdefg\n"), 0);
  EXPECT_EQ(state.turns[0].rack, "ABCDEF*");
  EXPECT_EQ(state.turns[0].word, "ALFaBET");
  EXPECT_EQ(state.turns[1].rack, "ABCDEFG");

  state.settings.alphabeticalDraw = 1;
  ASSERT_EQ(load("Z+BAQE*\n"), 0);
  EXPECT_EQ(state.turns[0].rack, "ABEQZ**");
}

TEST_F(GameFileTest, PlacementNeedsAColumnLetterAndARowOnTheBoard) {
  ASSERT_EQ(load("HUISKAT HUIS 8 H\n"          // across
                 "KATERSE KATER H 16\n"        // row off the board
                 "KATERSE KATER 0 H\n"         // row 0
                 "KATERSE KATER 8 h\n"         // lower-case column letter
                 "KATERSE KATER P 3\n"         // column P does not exist
                 "KATERSE KATER H x\n"         // no digits: row 0
                 "KATERSE KATER 99999999999999999999 H\n"
                 "KATERSE KATER\n"             // rack and word only: no word
                 "KATERSE\n"),
            0);
  expectTurn(0, "HUISKAT", "HUIS", 8, 8, true);
  for (int i = 1; i <= 6; ++i) expectTurn(i, "KATERSE", "KATER", 1, 1, true);
  expectTurn(7, "KATERSE", "", 1, 1, true);
  expectTurn(8, "KATERSE", "", 1, 1, true);
  EXPECT_EQ(turnsRead(), 9);
}

TEST_F(GameFileTest, ReadingStopsAtAnEmptyLineOrABadRack) {
  ASSERT_EQ(load("HUISKAT HUIS 8 H\n\nKATERSE KATER 9 H\n"), 0);
  EXPECT_EQ(turnsRead(), 1);
  ASSERT_EQ(load("HUISKAT HUIS 8 H\n \t \nKATERSE KATER 9 H\n"), 0);
  EXPECT_EQ(turnsRead(), 1);
  ASSERT_EQ(load("HUISKAT HUIS 8 H\nKATERS KATER 9 H\nKATERSE KATER 9 H\n"), 0);
  EXPECT_EQ(turnsRead(), 1);
  ASSERT_EQ(load("HUISKAT HUIS 8 H\nKATERSEN KATER 9 H\nKATERSE KATER 9 H\n"), 0);
  EXPECT_EQ(turnsRead(), 1);
  // The turns read are recomputed.
  EXPECT_EQ(state.turns[0].score, 22);
  EXPECT_EQ(state.totalScore, 22);

  // Lines past the last turn are not read.
  state.maxTurns = kMinMaxTurns;
  std::string text;
  for (int i = 0; i < 15; ++i) text += "KATERSE\n";
  ASSERT_EQ(load(text), 0);
  EXPECT_EQ(turnsRead(), kMinMaxTurns);
  EXPECT_TRUE(state.turns[kMinMaxTurns].rack.empty());

  // The caller can learn that turns were left unread.
  const std::string path = (folder / "spel.txt").string();
  bool leftOver = false;
  ASSERT_EQ(loadGameFile(state, path, &leftOver), 0);
  EXPECT_TRUE(leftOver);
  for (const std::string& tail : {std::string(), std::string("\nKATERSE\n"), std::string("KAT\n")}) {
    std::ofstream(path, std::ios::binary) << text.substr(0, 11 * 8) << tail;
    ASSERT_EQ(loadGameFile(state, path, &leftOver), 0);
    EXPECT_FALSE(leftOver) << tail;
  }
}

TEST_F(GameFileTest, LongLinesAndTokensAreReadWhole) {
  // A line far longer than any the program writes, its tail still part of it.
  const std::string padding(5000, ' ');
  const std::string longWord(3000, 'A');
  ASSERT_EQ(load("HUISKAT HUIS 8 H" + padding + "KATERSE KATER 9 H\n" +
                 "KATERSE " + longWord + " 9 H\n" + "ONTDEKT KAT 9 H\n" +
                 std::string(8000, 'K') + " KAT 9 H\n" + "ONTDEKT KAT 9 H\n"),
            0);
  EXPECT_EQ(turnsRead(), 3);
  expectTurn(0, "HUISKAT", "HUIS", 8, 8, true);
  EXPECT_EQ(state.turns[1].word, longWord);  // kept, but never a played word
  expectTurn(2, "ONTDEKT", "KAT", 9, 8, true);
  EXPECT_EQ(state.turnListRows[1][1], "");

  // The last line may lack its line feed; a zero byte ends a line.
  ASSERT_EQ(load("HUISKAT HUIS 8 H\nKATERSE" + std::string(1, '\0') + "KATER 9 H\nONTDEKT"), 0);
  EXPECT_EQ(turnsRead(), 3);
  expectTurn(1, "KATERSE", "", 1, 1, true);
  EXPECT_EQ(state.turns[2].rack, "ONTDEKT");
}

TEST_F(GameFileTest, UnreadableFileChangesNothing) {
  ASSERT_EQ(load("HUISKAT HUIS 8 H\n"), 0);
  EXPECT_EQ(loadGameFile(state, (folder / "bestaat-niet.txt").string()), ENOENT);
  EXPECT_NE(loadGameFile(state, folder.string()), 0);  // a folder
  expectTurn(0, "HUISKAT", "HUIS", 8, 8, true);
  EXPECT_EQ(state.totalScore, 22);
}

TEST_F(GameFileTest, TurnLineIsWrittenAsLaidDownAndReadsBack) {
  Turn across;
  across.rack = "IDNXAET";
  across.word = "TAXIEND";
  across.row = 8;
  across.column = 2;
  across.horizontal = 1;
  across.score = 31;
  Turn down = across;
  down.rack = "KWEEZBJ";
  down.word = "BEZWIJKE";
  down.row = 4;
  down.column = 5;
  down.horizontal = 0;
  down.score = 120;
  Turn drawnOnly;
  drawnOnly.rack = "ONTDEKT";
  Turn tooLong = drawnOnly;
  tooLong.word = std::string(16, 'E');
  tooLong.score = 5;

  int total = 0;
  const std::string first = formatTurnLine(across, total);
  EXPECT_EQ(first, "IDNXAET   " "TAXIEND         " "8  B  " "   31 -    31");
  const std::string second = formatTurnLine(down, total);
  EXPECT_EQ(second, "KWEEZBJ   " "BEZWIJKE        " "E  4  " "  120 -   151");
  EXPECT_EQ(formatTurnLine(drawnOnly, total), "ONTDEKT   ");
  EXPECT_EQ(formatTurnLine(tooLong, total), "ONTDEKT   ");
  EXPECT_EQ(total, 151);

  ASSERT_EQ(load(first + "\n" + second + "\nONTDEKT   \n\n A  B \n"), 0);
  expectTurn(0, "IDNXAET", "TAXIEND", 8, 2, true);
  expectTurn(1, "KWEEZBJ", "BEZWIJKE", 4, 5, false);
  expectTurn(2, "ONTDEKT", "", 1, 1, true);
  EXPECT_EQ(turnsRead(), 3);  // the empty line before the board picture ends the turns
}

// Every turn a game file can hold is written as a line that reads back as that
// turn, also a word that looks like a square ("X1" down from H8, stored with every
// check skipped or typed in format 2) and a word "*", which a listing with maxima
// writes after the rack of a turn without a word.
TEST_F(GameFileTest, WrittenLineReadsBackAsTheSameTurn) {
  ASSERT_EQ(load("HTEONCN H8 V X1\nHTEONCN X1 H 8\nHTEONCN K8 V 12\nHTEONCN H8 V *\n"
                 "HTEONCN   * 22 KATER H8\n"),
            0);
  expectTurn(0, "HTEONCN", "X1", 8, 8, false);
  expectTurn(1, "HTEONCN", "X1", 8, 8, false);
  // No word starts with a digit: a line ending in a number is format 1.
  expectTurn(2, "HTEONCN", "K8", 1, 1, true);
  expectTurn(3, "HTEONCN", "", 1, 1, true);
  expectTurn(4, "HTEONCN", "", 1, 1, true);

  std::string text;
  int total = 0;
  std::vector<Turn> written(state.turns.begin(), state.turns.begin() + 3);
  written.push_back(state.turns[0]);
  written.back().horizontal = 1;
  for (const Turn& turn : written) text += formatTurnLine(turn, total) + "\n";
  EXPECT_EQ(text.substr(0, 26), "HTEONCN   X1              ");
  EXPECT_EQ(text.substr(26, 6), "H  8  ");
  ASSERT_EQ(load(text), 0);
  for (int i = 0; i < 4; ++i) {
    const Turn& turn = written[i];
    expectTurn(i, turn.rack, turn.word, turn.row, turn.column, turn.horizontal != 0);
  }
}

// Damaged files: any prefix of a real game, and lines of random tokens and bytes,
// load without reading or writing outside anything (the sanitizer build checks).
TEST_F(GameFileTest, MarkAndEveryKindOfLineEndReadAlike) {
  const auto expectBothTurns = [&](const std::string& text) {
    SCOPED_TRACE(text);
    ASSERT_EQ(load(text), 0);
    EXPECT_EQ(turnsRead(), 2);
    expectTurn(0, "IDNXAET", "TAXIEND", 8, 2, true);
    expectTurn(1, "KWEEZBJ", "BEZWIJKE", 4, 5, false);
  };
  const std::string first = "IDNXAET TAXIEND 8 B";
  const std::string second = "KWEEZBJ BEZWIJKE E 4";
  expectBothTurns("\xEF\xBB\xBF" + first + "\n" + second + "\n");  // UTF-8 mark
  expectBothTurns(first + "\r" + second + "\r");                   // old Macintosh
  expectBothTurns("\xEF\xBB\xBF" + first + "\r\n" + second);
  expectBothTurns(first + "\r" + second + "\n\nONTDEKT\n");
  // An empty line ends the reading whichever line ends make it.
  for (const std::string end : {"\r\r", "\r\n\r\n", "\n\r", "\r\n\n"}) {
    ASSERT_EQ(load(first + end + second + "\n"), 0);
    EXPECT_EQ(turnsRead(), 1) << end.size();
  }
}

// A file that is no game (a report, another encoding, any binary file, text that
// starts with something other than a turn) is refused before the game is touched,
// and the file is left alone.
TEST_F(GameFileTest, FileWithoutATurnIsNoGameAndChangesNothing) {
  const std::string turn = "HUISKAT HUIS 8 H\n";
  std::string utf16 = "\xFF\xFE";
  for (const char c : turn) utf16 += std::string{c, '\0'};
  const std::string others[] = {
      "<HTML><HEAD><TITLE>Kwarrel</TITLE></HEAD>\n<BODY>\n" + turn,
      utf16,
      std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10) + turn,
      std::string(300, '\0'),
      "\n" + turn,  // an empty line before the turns: loading would read none
      "\xEF\xBB\xBF\n" + turn,
      "Spel van dinsdag\n" + turn,
      "HUIS\n",
  };
  const fs::path path = folder / "spel.txt";
  for (const std::string& text : others) {
    SCOPED_TRACE(text.substr(0, 20));
    ASSERT_EQ(load(turn), 0);
    std::ofstream(path, std::ios::binary) << text;
    EXPECT_EQ(loadGameFile(state, path.string()), kNotAGameFile);
    expectTurn(0, "HUISKAT", "HUIS", 8, 8, true);
    EXPECT_EQ(turnsRead(), 1);
    EXPECT_EQ(state.totalScore, 22);
    std::ifstream file(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), text);
  }
  EXPECT_EQ(loadGameMessage(kNotAGameFile, "verslag.html"), "Bestand verslag.html is geen spelbestand");
  EXPECT_EQ(loadGameMessage(ENOENT, "weg.txt"), "Kan bestand weg.txt niet lezen");

  // Nothing, or white space only, is an empty game: so is the program's own file
  // of a game without turns.
  const std::string blanks[] = {"", "\xEF\xBB\xBF", " \t\r\n\n", "\n\n" + std::string(45, ' ') + "\n"};
  for (const std::string& text : blanks) {
    ASSERT_EQ(load(turn), 0);
    EXPECT_EQ(load(text), 0) << text.size();
    EXPECT_EQ(turnsRead(), 0);
    EXPECT_EQ(state.totalScore, 0);
  }
}

TEST_F(GameFileTest, OversizedAndSpecialFilesAreRefusedAtOnce) {
  const std::string turn = "HUISKAT HUIS 8 H\n";
  const auto expectGameKept = [&] {
    expectTurn(0, "HUISKAT", "HUIS", 8, 8, true);
    EXPECT_EQ(state.totalScore, 22);
  };
  ASSERT_EQ(load(turn), 0);
  // Far more than any game file holds, even when it starts as one.
  std::string huge;
  while (huge.size() <= 300 * 1024) huge += "KATERSE KATER 9 H\n";
  EXPECT_EQ(load(huge), kGameFileTooLarge);
  expectGameKept();
  EXPECT_EQ(load(std::string(300 * 1024, 'A')), kGameFileTooLarge);
  // A line the reader would read that no game file holds.
  EXPECT_EQ(load(turn + "KATERSE KATER 9 H" + std::string(9000, ' ') + "\n"), kGameLineTooLong);
  EXPECT_EQ(load(std::string(9000, 'K')), kGameLineTooLong);
  expectGameKept();
  // Past the end of the turns, the reader does not look.
  EXPECT_EQ(load(turn + "\n" + std::string(9000, 'x') + "\n"), 0);

  // A pipe without a writer would block an ordinary open for ever; a device never
  // ends. Neither is read.
  const fs::path pipe = folder / "pijp.txt";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(loadGameFile(state, pipe.string()), kNotARegularFile);
  EXPECT_EQ(loadGameFile(state, "/dev/zero"), kNotARegularFile);
  expectGameKept();
  EXPECT_EQ(loadGameMessage(kNotARegularFile, "/dev/zero"), "Bestand /dev/zero is geen gewoon bestand");
  EXPECT_EQ(loadGameMessage(kGameFileTooLarge, "a.txt"), "Bestand a.txt is te groot voor een spelbestand");
  EXPECT_EQ(loadGameMessage(kGameLineTooLong, "a.txt"),
            "Bestand a.txt is geen spelbestand: een regel is te lang");
}

TEST_F(GameFileTest, CutAndRandomFilesLoadCleanly) {
  const std::string game =
      "IDNXAET TAXIEND 8 B\nKWEEZBJ BEZWIJKE E 4\nENORSTA EEN 11 E\nA+*bcde kAT 15 O\n"
      "QQQQQQQ QUIZ 16 P\nONTDEKT ONTDEKT 1 A\n";
  for (size_t cut = 0; cut <= game.size(); ++cut) {
    // Cut inside the first rack, the text holds no turn: no game file.
    ASSERT_EQ(load(game.substr(0, cut)), cut == 0 || cut >= 7 ? 0 : kNotAGameFile) << cut;
    EXPECT_LE(turnsRead(), 6);
  }

  std::mt19937 random(5100);
  const char* const pieces[] = {"HUISKAT", "huis", "+*", "8", "H", "15", "16", "0", "-3",
                                "O", "P", "a", "\t", " ", "\n", "\r\n", "\xE9\xFF[", "99999999999"};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const size_t length = random() % 80;
    for (size_t i = 0; i < length; ++i) {
      if (random() % 4 == 0) {
        text += static_cast<char>(random());
      } else {
        text += pieces[random() % std::size(pieces)];
      }
    }
    // Text without a turn is refused; white space alone is an empty game.
    const int result = load(text);
    const bool blank = text.find_first_not_of(" \t\r\n\v\f") == std::string::npos;
    ASSERT_TRUE(result == 0 || (result == kNotAGameFile && !blank)) << round;
    EXPECT_LE(turnsRead(), state.maxTurns);
    EXPECT_GE(state.totalScore, 0);
  }
}

}  // namespace
}  // namespace kwarrel

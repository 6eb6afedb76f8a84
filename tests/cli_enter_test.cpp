// kwarrel-cli enter, end to end: an accepted turn lands in the saved file, a
// refused one prints its Dutch message and writes nothing.
#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"

namespace {

using kwarrel::cli_runner::Capture;
using kwarrel::cli_runner::RunResult;

class CliEnter : public kwarrel::cli_runner::CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    if (IsSkipped()) return;
    // HUIS across from H8.
    write("game.txt", "HUISKAT HUIS 8 H\n");
  }

  // Runs `kwarrel-cli enter ARGS` in the test's folder; stdout is read, stderr dropped.
  RunResult enter(const std::string& args) const {
    return runHere("enter " + args, Capture::Stdout);
  }
};

TEST_F(CliEnter, AcceptedTurnIsSaved) {
  const std::string game = read("game.txt");
  const RunResult run = enter("game.txt 2 enkater H8 V HE -o out.txt");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output, "");
  const std::string out = read("out.txt");
  EXPECT_NE(out.find("HUISKAT   HUIS            8  H  "), std::string::npos) << out;
  EXPECT_NE(out.find("ENKATER   HE              H  8  "), std::string::npos) << out;
  EXPECT_EQ(read("game.txt"), game);

  // Without -o the game file itself takes the new turn; options go anywhere.
  EXPECT_EQ(enter("--skip-wordlist game.txt 2 ENKATER H9 H EN").exitCode, 0);
  EXPECT_NE(read("game.txt").find("ENKATER   EN              9  H  "), std::string::npos);

  // The ending of the output selects the form.
  EXPECT_EQ(enter("game.txt 3 TEENKAR K8 V STEEN --out board.html").exitCode, 0);
  EXPECT_NE(read("board.html").find("<HTML>"), std::string::npos);
}

TEST_F(CliEnter, RefusedTurnPrintsTheMessageAndWritesNothing) {
  const std::string game = read("game.txt");
  RunResult run = enter("game.txt 2 ENKATER H9 H EN -o out.txt");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Kruisend woord UN werd niet gevonden in de woordenlijst\n");
  run = enter("game.txt 2 ENKATE H9 H EN");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Er moeten steeds 7 letters getrokken worden\n");
  run = enter("game.txt 2 ENKATER P8 H EN");
  EXPECT_EQ(run.output, "Woord valt buiten bord\n");
  run = enter("game.txt 0 ENKATER H9 H EN");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Beurt 0 bestaat niet\n");
  EXPECT_FALSE(exists("out.txt"));
  EXPECT_EQ(read("game.txt"), game);

  // Skipping every check stores a word that runs off the board.
  EXPECT_EQ(enter("game.txt 2 ENKATER N8 H QQQQ -o out.txt --skip-all").exitCode, 0);
  EXPECT_NE(read("out.txt").find("ENKATER   QQQQ"), std::string::npos);
}

TEST_F(CliEnter, UnreadableOrUnwritableFiles) {
  // File errors go to standard error, like every command's.
  RunResult run = runHere("enter missing.txt 2 ENKATER H8 V HE -o out.txt", Capture::Stderr);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Kan bestand missing.txt niet lezen\n");
  EXPECT_FALSE(exists("out.txt"));
  run = runHere("enter game.txt 2 ENKATER H8 V HE -o no/such/folder/out.txt", Capture::Stderr);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Kan bestand no/such/folder/out.txt niet schrijven\n");
}

// A file that is no game (a report, a text of other lines) is refused with a
// message and never written over with a game of the one entered turn; a game
// saved with a byte-order mark or old Macintosh line ends is read in full.
TEST_F(CliEnter, WrongFileIsRefusedAndLeftAsItWas) {
  EXPECT_EQ(runHere("save game.txt report.html", Capture::Neither).exitCode, 0);
  const std::string report = read("report.html");
  write("notes.txt", "Spel van dinsdag\nHUISKAT HUIS 8 H\n");
  for (const std::string name : {"report.html", "notes.txt"}) {
    const std::string before = read(name);
    const RunResult run = runHere("enter " + name + " 2 ENKATER H8 V HE", Capture::Stderr);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "Bestand " + name + " is geen spelbestand\n");
    EXPECT_EQ(read(name), before);
  }
  EXPECT_EQ(read("report.html"), report);

  for (const std::string text : {"\xEF\xBB\xBFHUISKAT HUIS 8 H\r\nKATERSE\r\n", "HUISKAT HUIS 8 H\rKATERSE\r"}) {
    write("game.txt", text);
    EXPECT_EQ(enter("game.txt 3 ENKATER H8 V HE").exitCode, 0);
    const std::string saved = read("game.txt");
    EXPECT_EQ(saved.rfind("HUISKAT   HUIS            8  H     22 -    22\nKATERSE   \nENKATER   HE", 0), 0u)
        << saved;
  }
}

// A game of more turns than the default 22 is never cut short by a command that
// writes it back: without --maxb the command refuses, with it every turn stays.
TEST_F(CliEnter, LongGameNeedsItsNumberOfTurns) {
  std::string game = "HUISKAT HUIS 8 H\n";
  for (int turn = 2; turn <= 23; ++turn) game += "ENKATER\n";
  write("long.txt", game);
  RunResult run = runHere("enter long.txt 2 ENKATER H8 V HE", Capture::Stderr);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Spel long.txt heeft meer dan 22 beurten; geef het aantal met --maxb\n");
  EXPECT_EQ(read("long.txt"), game);
  EXPECT_EQ(runHere("save long.txt out.txt", Capture::Neither).exitCode, 1);
  EXPECT_FALSE(exists("out.txt"));

  EXPECT_EQ(enter("long.txt 2 ENKATER H8 V HE --maxb 23").exitCode, 0);
  const std::string saved = read("long.txt");
  EXPECT_NE(saved.find("ENKATER   HE              H  8  "), std::string::npos) << saved;
  EXPECT_NE(saved.find("\nENKATER   \nENKATER   \n\n"), std::string::npos) << saved;
  size_t turnLines = 0;
  for (size_t at = 0; at < saved.size() && saved[at] != '\n'; at = saved.find('\n', at) + 1) ++turnLines;
  EXPECT_EQ(turnLines, 23u);
}

TEST_F(CliEnter, UsageErrors) {
  const std::string game = read("game.txt");
  for (const std::string args :
       {"game.txt 2 ENKATER H8 V", "game.txt 2 ENKATER H8 V HE extra", "game.txt X ENKATER H8 V HE",
        "game.txt 2 ENKATER 8H V HE", "game.txt 2 ENKATER H V HE", "game.txt 2 ENKATER H8 D HE",
        "game.txt 2 ENKATER H8 V HE --skip-all --skip-wordlist", "game.txt 2 ENKATER H8 V HE --fast",
        "game.txt 2 ENKATER H8 V HE -o"}) {
    const RunResult run = enter(args);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_EQ(run.output, "") << args;
  }
  EXPECT_EQ(read("game.txt"), game);
}

}  // namespace

// kwarrel-cli moves and square, end to end on a small game file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "cli_runner.h"
#include "dict/word_graph.h"
#include "files/game_file.h"
#include "game/draw.h"
#include "game/game_state.h"
#include "game/turn_cycle.h"
#include "search/candidates.h"
#include "search/square_moves.h"

namespace kwarrel {
namespace {

using cli_runner::Capture;
using cli_runner::RunResult;

class CliMoves : public cli_runner::CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    if (IsSkipped()) return;
    // HUIS across from H8, then a drawn rack waiting for its move.
    write("spel.txt", "HUISKAT HUIS 8 H\nKATERSE\n");
  }

  // Runs `kwarrel-cli ARGS` in the test's folder; stdout is read, stderr dropped.
  RunResult run(const std::string& args) const { return runHere(args, Capture::Stdout); }

  // The same game in this process, with an optional typed rack for turn 2.
  std::string expectedMoves(const std::string& rack, bool bestOnly) {
    GameState state(builtInWordGraph());
    EXPECT_EQ(loadGameFile(state, file("spel.txt")), 0);
    if (!rack.empty()) {
      state.turns[1].rack = normaliseDraw(state, rack);
      recomputeAfresh(state);
    }
    std::string text;
    for (const std::string& line : candidateLines(state.results, bestOnly)) text += line + "\n";
    return text;
  }
};

TEST_F(CliMoves, MovesListsTheSearchOfTheTurnInProgress) {
  const RunResult all = run("moves spel.txt");
  EXPECT_EQ(all.exitCode, 0);
  EXPECT_FALSE(all.output.empty());
  EXPECT_EQ(all.output, expectedMoves("", false));
  EXPECT_NE(all.output.find(" ********\n"), std::string::npos);

  // Options may stand anywhere; the typed rack is normalised.
  const RunResult best = run("moves --beste spel.txt --rack ontd+kt");
  EXPECT_EQ(best.exitCode, 0);
  EXPECT_EQ(best.output, expectedMoves("ONTD*KT", true));
  EXPECT_NE(best.output, all.output);
}

TEST_F(CliMoves, MovesPrintsNothingWithoutASearch) {
  write("kort.txt", "HUISKAT HUIS 8 H\n");
  const RunResult result = run("moves kort.txt");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, "");
  EXPECT_EQ(run("moves spel.txt --rack KATER").output, "");  // not seven letters
}

TEST_F(CliMoves, MovesRefusesBadUseAndUnreadableFiles) {
  EXPECT_EQ(run("moves").exitCode, 2);
  EXPECT_EQ(run("moves spel.txt extra").exitCode, 2);
  EXPECT_EQ(run("moves spel.txt --rack").exitCode, 2);
  EXPECT_EQ(run("moves spel.txt --onbekend").exitCode, 2);
  const RunResult missing = run("moves bestaat-niet.txt");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.output, "");

  // A device or a pipe is never read: the command ends at once.
  ASSERT_EQ(::mkfifo(file("pijp.txt").c_str(), 0600), 0);
  for (const std::string name : {"/dev/zero", "pijp.txt"}) {
    const RunResult refused = runHere("moves " + name, Capture::Stderr);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.output, "Bestand " + name + " is geen gewoon bestand\n");
  }
  write("groot.txt", std::string(1 << 20, 'A'));
  EXPECT_EQ(runHere("moves groot.txt", Capture::Stderr).output,
            "Bestand groot.txt is te groot voor een spelbestand\n");
}

TEST_F(CliMoves, SquareListsThePossibilitiesOfOneSquare) {
  GameState state(builtInWordGraph());
  ASSERT_EQ(loadGameFile(state, file("spel.txt")), 0);
  // A square where some move of KATERSE starts.
  const Move& first = state.results.front();
  const int row0 = first.row - 1;
  const int column0 = first.column - 'A';
  const auto possibilities = squarePossibilities(state, row0, column0);
  ASSERT_TRUE(possibilities.has_value());
  std::string expected = possibilities->title + "\nHorizontaal\n";
  for (const std::string& line : possibilities->horizontal) expected += line + "\n";
  expected += "Vertikaal\n";
  for (const std::string& line : possibilities->vertical) expected += line + "\n";

  const std::string square =
      std::string(1, static_cast<char>(first.column)) + std::to_string(first.row);
  const RunResult result = run("square spel.txt " + square);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, expected);
  EXPECT_EQ(result.output.rfind("Mogelijkheden op ", 0), 0u);

  // A square where no move starts prints nothing.
  const RunResult empty = run("square spel.txt A1");
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.output, "");
}

TEST_F(CliMoves, SquareRefusesBadSquares) {
  for (const char* square : {"P8", "H0", "H16", "8H", "H", "H8x", "", "H-1"}) {
    EXPECT_EQ(run(std::string("square spel.txt \"") + square + "\"").exitCode, 2) << square;
  }
  EXPECT_EQ(run("square spel.txt").exitCode, 2);
  EXPECT_EQ(run("square bestaat-niet.txt H8").exitCode, 1);
}

}  // namespace
}  // namespace kwarrel

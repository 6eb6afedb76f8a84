// kwarrel-cli speler, oplossing, uitslag and klassement: the players file beside
// the game, the answers judged as they are given, and the standings written out.
#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"

namespace kwarrel {
namespace {

using cli_runner::Capture;
using cli_runner::RunResult;

class CliPlayers : public cli_runner::CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    if (IsSkipped()) return;
    // TAXIEND 98, BEZWIJKE 138, EEN 3 (the E of E11 lay there).
    write("spel.txt", "IDNXAET TAXIEND 8 B\nKWEEZBJ E4 V BEZWIJKE\nENORSTA EEN 11 E\n");
  }
  RunResult run(const std::string& args) const { return runHere(args, Capture::Stdout); }
};

TEST_F(CliPlayers, AnswersAreJudgedAsTheyAreGivenAndTheStandingsWritten) {
  EXPECT_EQ(run("speler spel.txt 1 Ans").exitCode, 0);
  EXPECT_EQ(run("speler spel.txt 2 'Bram de Wit'").exitCode, 0);
  RunResult result = run("speler spel.txt 1000 Cor");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, "Spelernummer moet tussen 1 en 999 liggen\n");

  result = run("oplossing spel.txt 1 3 E11 H EEN");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, "Speler 1, beurt 3: 3 punten\n");
  // A refused move is the player's answer: kept, counting 0.
  result = run("oplossing spel.txt 2 3 L2 V ROTS");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, "Speler 2, beurt 3: 0 punten (Woord is niet verbonden met rest van bord)\n");
  // A bare score above the top, or on a turn not drawn, is not taken.
  result = run("oplossing spel.txt 2 1 --score 99");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, "Score hoger dan de top van beurt 1\n");
  result = run("oplossing spel.txt 2 4 --score 5");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, "Beurt 4 heeft geen trekking\n");
  EXPECT_EQ(run("oplossing spel.txt 2 1 --score 98").exitCode, 0);
  EXPECT_EQ(run("oplossing spel.txt 7 1 --score 98").exitCode, 1);
  EXPECT_EQ(runHere("oplossing spel.txt 2 1 --score -5", Capture::Neither).exitCode, 2);

  EXPECT_EQ(read("spel.spelers.csv"),
            "soort;nummer;beurt;vakje;richting;woord\n"
            "speler;1;Ans\n"
            "speler;2;Bram de Wit\n"
            "oplossing;1;3;E11;H;EEN\n"
            "score;2;1;98\n"
            "oplossing;2;3;L2;V;ROTS\n");

  result = run("uitslag spel.txt");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output.rfind("Uitslag spel.txt\n", 0), 0u) << result.output;
  EXPECT_NE(result.output.find("     1    2  Bram de Wit"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("Beurt 3, speler 2 (Bram de Wit): Woord is niet verbonden"),
            std::string::npos);
  EXPECT_EQ(run("uitslag spel.txt uit.csv").exitCode, 0);
  EXPECT_EQ(read("uit.csv").substr(0, read("uit.csv").find('\n')),
            "plaats;nummer;naam;totaal;achterstand;percentage;tops;beurt 1;beurt 2;beurt 3");

  // Saved as pages, the game takes its players along and links to its standings.
  EXPECT_EQ(run("save spel.txt ronde.htm").exitCode, 0);
  EXPECT_EQ(read("ronde.spelers.csv"), read("spel.spelers.csv"));
  EXPECT_NE(read("ronde3.htm").find("<a href=\"ronde.uitslag.html\">Uitslag</a>"), std::string::npos);
  EXPECT_NE(read("ronde.uitslag.html").find("Bram de Wit"), std::string::npos);

  // The season: the same player under another spelling of the name.
  write("spel2.txt", read("spel.txt"));
  write("spel2.spelers.csv", "speler;5;  ANS \nscore;5;1;98\n");
  EXPECT_EQ(run("klassement seizoen.csv spel.txt spel2.txt").exitCode, 0);
  const std::string season = read("seizoen.csv");
  EXPECT_NE(season.find("\n1;Ans;2;101;"), std::string::npos) << season;
  EXPECT_NE(season.find("\n2;Bram de Wit;1;98;"), std::string::npos) << season;

  EXPECT_EQ(runHere("uitslag ontbreekt.txt", Capture::Neither).exitCode, 1);
}

// A club that plays by its own list judges its players' slips by that list too.
TEST_F(CliPlayers, SlipsAreJudgedByTheWordListInUse) {
  write("club.txt", "taxiend\nbezwijke\n");
  EXPECT_EQ(run("speler spel.txt 1 Ans").exitCode, 0);
  EXPECT_EQ(run("oplossing spel.txt 1 3 E11 H EEN").output, "Speler 1, beurt 3: 3 punten\n");
  const RunResult own = run("oplossing --woordenlijst club.txt spel.txt 1 3 E11 H EEN");
  EXPECT_EQ(own.exitCode, 0);
  EXPECT_EQ(own.output.rfind("Speler 1, beurt 3: 0 punten (", 0), 0u) << own.output;
}

}  // namespace
}  // namespace kwarrel

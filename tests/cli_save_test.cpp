// Saving: the form chosen by the file ending, and `kwarrel-cli save GAME OUT` with
// its exit codes and messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_runner.h"
#include "files/save.h"
#include "report_games.h"

namespace kwarrel {
namespace {

using report_games::readFile;
using report_games::ScratchFolder;

TEST(SaveForm, EndingChoosesTheForm) {
  EXPECT_EQ(saveFormFor("spel.html"), SaveForm::BoardPage);
  EXPECT_EQ(saveFormFor("map/SPEL.HTML"), SaveForm::BoardPage);
  EXPECT_EQ(saveFormFor("a.HtMl"), SaveForm::BoardPage);
  EXPECT_EQ(saveFormFor("spel.htm"), SaveForm::TurnPages);
  EXPECT_EQ(saveFormFor("x.HTM"), SaveForm::TurnPages);
  EXPECT_EQ(saveFormFor("spel.max"), SaveForm::MaxListing);
  EXPECT_EQ(saveFormFor("spel.MAX"), SaveForm::MaxListing);
  EXPECT_EQ(saveFormFor("spel.txt"), SaveForm::Listing);
  EXPECT_EQ(saveFormFor("spel.asc"), SaveForm::Listing);
  EXPECT_EQ(saveFormFor("spel"), SaveForm::Listing);
  // The ending alone is no name: the file name must be longer than it.
  EXPECT_EQ(saveFormFor("map.x/.html"), SaveForm::Listing);
  EXPECT_EQ(saveFormFor("map/.htm"), SaveForm::Listing);
  EXPECT_EQ(saveFormFor("map/.max"), SaveForm::Listing);
  EXPECT_EQ(saveFormFor("spel.html.txt"), SaveForm::Listing);
}

TEST(SaveGame, TurnPagesGoBesideTheChosenFileAndTheGameIsRecomputed) {
  auto state = report_games::newGame();
  report_games::playThreeTurns(*state);
  ScratchFolder folder("save-pages");
  ASSERT_TRUE(saveGame(*state, folder.file("Ronde.HTM")));
  EXPECT_TRUE(std::filesystem::exists(folder.file("Ronde1.htm")));
  EXPECT_TRUE(std::filesystem::exists(folder.file("Ronde3.htm")));
  EXPECT_NE(readFile(folder.file("Ronde.HTM")).find("<A HREF=Ronde1.htm>Beurt 2</A>"),
            std::string::npos);
  // The maxima took turns out for a while; afterwards the game is whole again.
  EXPECT_EQ(state->totalScore, 239);
  EXPECT_EQ(state->turns[2].word, "EEN");
  EXPECT_EQ(state->displayGrid[10][6].shown, 'N');

  EXPECT_FALSE(saveGame(*state, folder.file("geen/spel.txt")));
}

using cli_runner::Capture;
using cli_runner::runCli;
using cli_runner::RunResult;

// Runs from an empty folder of its own, not the test's, with absolute paths to the files.
class CliSave : public cli_runner::CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    if (IsSkipped()) return;
    write("spel.txt", "IDNXAET TAXIEND 8 B\nKWEEZBJ E4 V BEZWIJKE\n");
    std::filesystem::create_directory(elsewhere());
  }
  std::filesystem::path elsewhere() const { return folder / "elders"; }
  std::string quoted(const std::string& name) const { return cli_runner::shellQuoted(file(name)); }
  RunResult save(const std::string& args) const {
    return runCli("save " + args, Capture::Both, elsewhere());
  }
};

TEST_F(CliSave, WritesTheFormTheEndingAsks) {
  RunResult run = save(quoted("spel.txt") + " " + quoted("uit.txt"));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output, "");
  const std::string listing = read("uit.txt");
  EXPECT_EQ(listing.substr(0, 93),
            "IDNXAET   TAXIEND         8  B     98 -    98\n"
            "KWEEZBJ   BEZWIJKE        E  4    138 -   236\n"
            "\n");

  run = save(quoted("spel.txt") + " " + quoted("uit.max"));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const std::string maxListing = read("uit.max");
  EXPECT_EQ(maxListing.substr(0, 45), listing.substr(0, 45));
  EXPECT_NE(maxListing.substr(45, 3), "\nKW");  // maximum columns follow the total

  run = save(quoted("spel.txt") + " " + quoted("Bord.HTML"));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(read("Bord.HTML").find("<td>2.</td><td>KWEEZBJ</td><td>BEZWIJKE</td>"),
            std::string::npos);

  // Run from another folder: the later pages still go beside OUT.
  run = save(quoted("spel.txt") + " " + quoted("r.htm"));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(exists("r1.htm"));
  EXPECT_TRUE(exists("r2.htm"));
  EXPECT_FALSE(std::filesystem::exists(elsewhere() / "r1.htm"));
}

TEST_F(CliSave, FailuresAreReportedInDutch) {
  RunResult run =
      save(quoted("ontbreekt.txt") + " " + quoted("uit.txt"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Kan bestand " + file("ontbreekt.txt") + " niet lezen\n");
  EXPECT_FALSE(exists("uit.txt"));

  run = save(quoted("spel.txt") + " " + quoted("geen/uit.txt"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Kan bestand " + file("geen/uit.txt") + " niet schrijven\n");

  // A page of the chain that cannot be written is the one named; no page is written.
  std::filesystem::create_directory(file("r2.htm"));
  run = save(quoted("spel.txt") + " " + quoted("r.htm"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Kan bestand " + file("r2.htm") + " niet schrijven\n");
  EXPECT_FALSE(exists("r.htm"));
  EXPECT_FALSE(exists("r1.htm"));

  // A file without write permission stays as it is.
  write("klaar.txt", "oud\n");
  std::filesystem::permissions(file("klaar.txt"), std::filesystem::perms::owner_read);
  run = save(quoted("spel.txt") + " " + quoted("klaar.txt"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Kan bestand " + file("klaar.txt") + " niet schrijven\n");
  EXPECT_EQ(read("klaar.txt"), "oud\n");

  run = save(quoted("spel.txt"));
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("Gebruik: kwarrel-cli save SPEL UIT"), std::string::npos);
}

}  // namespace
}  // namespace kwarrel

// kwarrel-cli auto, end to end: a seeded game is saved the same every time, the
// options reach the game, and bad input gives the right exit code.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_runner.h"
#include "files/config_file.h"
#include "game/game_state.h"

namespace {

namespace fs = std::filesystem;

using kwarrel::cli_runner::Capture;

class CliAuto : public kwarrel::cli_runner::CliTest {
 protected:
  // Runs `kwarrel-cli auto ARGS` in the test's folder; returns the exit code.
  int autoGame(const std::string& args) const {
    return runHere("auto " + args, Capture::Neither).exitCode;
  }

  // Turn rows of a saved board page that hold a drawn rack.
  static int turnRows(const std::string& page) {
    int rows = 0;
    for (int t = 1; t <= 50; ++t) {
      if (page.find("<tr><td>" + std::to_string(t) + ".</td>") != std::string::npos) ++rows;
    }
    return rows;
  }
};

TEST_F(CliAuto, SeededGameIsSavedReproducibly) {
  ASSERT_EQ(autoGame("one.html --seed 42"), 0);
  ASSERT_EQ(autoGame("--seed 42 two.html --loops 1"), 0);
  const std::string page = read("one.html");
  EXPECT_EQ(page, read("two.html"));
  EXPECT_GT(turnRows(page), 10);
  EXPECT_LE(turnRows(page), 22);

  ASSERT_EQ(autoGame("other.html --seed 43"), 0);
  EXPECT_NE(read("other.html"), page);

  // Eleven turns, and a refused /maxb= value is ignored rather than an error.
  ASSERT_EQ(autoGame("short.html --seed 42 --maxb 11"), 0);
  EXPECT_LE(turnRows(read("short.html")), 11);
  ASSERT_EQ(autoGame("ignored.html --seed 42 --maxb 60"), 0);
  EXPECT_EQ(read("ignored.html"), page);
  // A later value overrides an earlier one only when it is usable itself.
  ASSERT_EQ(autoGame("thirty.html --seed 42 --maxb 30"), 0);
  ASSERT_EQ(autoGame("kept.html --seed 42 --maxb 30 --maxb 99 --maxb x"), 0);
  EXPECT_EQ(read("kept.html"), read("thirty.html"));
  EXPECT_NE(read("thirty.html"), page);

  // Alphabetical display sorts every stored rack.
  ASSERT_EQ(autoGame("sorted.html --seed 42 --alphabetical"), 0);
  EXPECT_NE(read("sorted.html"), page);
  EXPECT_FALSE(fs::exists(folder / "resultaten"));
}

TEST_F(CliAuto, LoadedGameIsContinued) {
  write("game.txt", "HUISKAT HUIS 8 H\n");
  ASSERT_EQ(autoGame("out.html --load game.txt --seed 7 --loops 3 --limit-blanks"), 0);
  const std::string page = read("out.html");
  EXPECT_NE(page.find("<tr><td>1.</td><td>HUISKAT</td><td>HUIS</td><td>8H</td>"),
            std::string::npos)
      << page;
  EXPECT_GT(turnRows(page), 1);
}

// The configuration file of the folder brings a tile set that runs dry: after
// HUIS only QQQQQQY is left, which forms no word.
TEST_F(CliAuto, StuckGameIsRecordedInResultsFolder) {
  kwarrel::GameState settings(kwarrel::builtInWordGraph());
  settings.countTable.fill(0);
  for (const char c : std::string("HUIS")) ++settings.countTable[kwarrel::letterCode(c)];
  settings.countTable[kwarrel::letterCode('Q')] = 6;
  settings.countTable[kwarrel::letterCode('Y')] = 1;
  ASSERT_TRUE(kwarrel::saveSettings(settings, kwarrel::nominalColumnWidths(settings.settings),
                                    folder.string()));
  write("game.txt", "HUISQQY HUIS 8 H\n");

  ASSERT_EQ(autoGame("out.html --load game.txt --seed 3"), 0);
  EXPECT_FALSE(fs::exists(folder / "resultaten"));  // never created

  fs::create_directory(folder / "resultaten");
  ASSERT_EQ(autoGame("out.html --load game.txt --seed 3 --alphabetical"), 0);
  const std::string log = read("resultaten/0trekkingen.txt");
  ASSERT_EQ(log.size(), 10u) << log;
  EXPECT_EQ(log.substr(0, 2), "1\t");
  EXPECT_EQ(read("resultaten/NOBESTE_1.html"), read("out.html"));
  EXPECT_NE(read("out.html").find("<td>2.</td><td>QQQQQQY</td>"), std::string::npos);
}

TEST_F(CliAuto, BadInputGivesExitCodes) {
  EXPECT_EQ(autoGame(""), 2);
  EXPECT_EQ(autoGame("a.txt b.txt"), 2);
  EXPECT_EQ(autoGame("a.txt --seed abc"), 2);
  EXPECT_EQ(autoGame("a.txt --seed 4294967296"), 2);
  EXPECT_EQ(autoGame("a.txt --loops 10000"), 2);
  EXPECT_EQ(autoGame("a.txt --loops -1"), 2);
  EXPECT_EQ(autoGame("a.txt --seed"), 2);
  EXPECT_EQ(autoGame("a.txt --unknown"), 2);
  EXPECT_FALSE(fs::exists(folder / "a.txt"));

  EXPECT_EQ(autoGame("a.txt --load missing.txt"), 1);
  EXPECT_FALSE(fs::exists(folder / "a.txt"));
  EXPECT_EQ(autoGame("nofolder/a.txt --seed 1"), 1);
}

}  // namespace

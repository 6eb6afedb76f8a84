// kwarrel-cli with a club's own word list: --woordenlijst on the commands, the
// program folder's woordenlijst.txt and its cache, and `check` naming the list.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli_runner.h"

namespace kwarrel {
namespace {

using cli_runner::Capture;
using cli_runner::RunResult;

class CliWordList : public cli_runner::CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    if (IsSkipped()) return;
    // A program folder of the test's own, so the user's list never counts.
    std::filesystem::create_directories(folder / "home");
    setenv("KWARREL_HOME", file("home").c_str(), 1);
    write("club.txt", "# clublijst\nhuis\nKwarrel\nkat\nhuis\n3d\n");
  }
  void TearDown() override {
    unsetenv("KWARREL_HOME");
    CliTest::TearDown();
  }
};

TEST_F(CliWordList, CheckLooksInTheGivenListAndNamesIt) {
  const RunResult own = runHere("check --woordenlijst club.txt kwarrel zee", Capture::Stdout);
  EXPECT_EQ(own.exitCode, 1);
  EXPECT_EQ(own.output,
            "Opgezocht in: woordenlijst club.txt (3 woorden)\n"
            "KWARREL: Woord staat in de woordenlijst\n"
            "ZEE: Woord staat NIET in de woordenlijst\n");
  // Its cache lies in the program folder; a second run reads the same from it.
  EXPECT_FALSE(std::filesystem::is_empty(folder / "home" / "woordenlijsten"));
  EXPECT_EQ(runHere("check --woordenlijst club.txt kwarrel zee", Capture::Stdout).output,
            own.output);

  const RunResult missing = runHere("check --woordenlijst geen.txt huis", Capture::Both);
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.output, "Woordenlijst geen.txt: kan geen.txt niet lezen\n");
}

TEST_F(CliWordList, ProgramFolderListIsUsedAndADamagedCacheRebuilt) {
  write("home/woordenlijst.txt", "# naam: club.txt\nhuis\nkat\n");
  const std::string expected =
      "Opgezocht in: woordenlijst club.txt (2 woorden)\n"
      "KAT: Woord staat in de woordenlijst\n";
  EXPECT_EQ(runHere("check kat", Capture::Stdout).output, expected);
  const std::string cache = read("home/woordenlijst.kwg");
  ASSERT_FALSE(cache.empty());

  std::string damaged = cache;
  damaged[damaged.size() - 2] ^= 0x40;  // an end-of-word flag
  write("home/woordenlijst.kwg", damaged);
  EXPECT_EQ(runHere("check kat", Capture::Stdout).output, expected);
  EXPECT_EQ(read("home/woordenlijst.kwg"), cache);

  // --woordenlijst wins over the program folder's list.
  EXPECT_EQ(runHere("check kat --woordenlijst club.txt", Capture::Stdout).output,
            "Opgezocht in: woordenlijst club.txt (3 woorden)\n"
            "KAT: Woord staat in de woordenlijst\n");

  // A list without words gives way to the built-in one, and says so.
  write("home/woordenlijst.txt", "# leeg\n");
  const RunResult empty = runHere("check kat", Capture::Both);
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_NE(empty.output.find("de ingebouwde woordenlijst wordt gebruikt\n"
                              "Opgezocht in: ingebouwde woordenlijst\n"),
            std::string::npos)
      << empty.output;
}

TEST_F(CliWordList, GamesAreSearchedAndReportedByTheOwnList) {
  // KAT across from H8; the next rack lays KWARREL down through its K.
  write("spel.txt", "HUISKAT KAT 8 H\nWARRELX\n");
  const RunResult builtIn = runHere("moves spel.txt", Capture::Stdout);
  EXPECT_EQ(builtIn.output.rfind("LATEX J6v 37 ", 0), 0u) << builtIn.output;
  // By the club's list only its own words are laid.
  const RunResult own = runHere("moves spel.txt --woordenlijst club.txt", Capture::Stdout);
  EXPECT_EQ(own.exitCode, 0);
  EXPECT_EQ(own.output, "KWARREL H8v 19\n");

  ASSERT_EQ(runHere("save spel.txt uit.max --woordenlijst club.txt", Capture::Both).exitCode, 0);
  const std::string listing = read("uit.max");
  EXPECT_EQ(listing.substr(listing.size() - 49),
            "\nGespeeld met woordenlijst club.txt (3 woorden).\n");
  ASSERT_EQ(runHere("save spel.txt uit.html --woordenlijst club.txt", Capture::Both).exitCode, 0);
  EXPECT_NE(read("uit.html").find("<p>Gespeeld met woordenlijst club.txt (3 woorden).</p>"),
            std::string::npos);
  // Played with the built-in list, the listing says nothing of lists.
  ASSERT_EQ(runHere("save spel.txt plain.max", Capture::Both).exitCode, 0);
  EXPECT_EQ(read("plain.max").find("Gespeeld met"), std::string::npos);

  EXPECT_EQ(runHere("moves spel.txt --woordenlijst geen.txt", Capture::Neither).exitCode, 1);
}

}  // namespace
}  // namespace kwarrel

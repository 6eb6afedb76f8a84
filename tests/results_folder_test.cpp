// The results folder: the log line and board page of each stuck game, numbered
// over the whole run, and nothing at all when the folder is missing.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "files/board_page.h"
#include "files/results_folder.h"
#include "game/game_state.h"
#include "game/turn_cycle.h"
#include "tests/full_disk_writer.h"

namespace kwarrel {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs the test inside its own empty folder and returns to where it was.
class ResultsFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = fs::current_path();
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder = previous / ("results_folder_" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::current_path(folder);
  }
  void TearDown() override {
    fs::current_path(previous);
    fs::remove_all(folder);
  }

  fs::path previous;
  fs::path folder;
};

// HUIS laid, then a draw of vowels only.
void stuckAtTurnTwo(GameState& state) {
  state.turns[0] = Turn{"HUISKAT", "HUIS", 8, 8, -1, 1};
  state.turns[1].rack = "AEIOUUU";
  recomputeGame(state);
}

TEST_F(ResultsFolderTest, RecordsLogLineAndNumberedBoardPages) {
  fs::create_directory("resultaten");
  GameState state(builtInWordGraph());
  stuckAtTurnTwo(state);

  recordStuckGame(state, 17, "AEIOUUU");
  EXPECT_EQ(state.stuckGameCounter, 1);
  EXPECT_EQ(readFile("resultaten/0trekkingen.txt"), "17\tAEIOUUU\n");
  const std::string page = readFile("resultaten/NOBESTE_1.html");
  EXPECT_EQ(page, boardPageText(state));
  EXPECT_NE(page.find("<td>2.</td><td>AEIOUUU</td>"), std::string::npos);

  // A new game keeps the count of the run; the log grows, the first page stays.
  for (Turn& turn : state.turns) turn.clear();
  state.turns[0].rack = "QQQQQQY";
  recomputeGame(state);
  recordStuckGame(state, 3, "QYQQQQQ");
  EXPECT_EQ(state.stuckGameCounter, 2);
  EXPECT_EQ(readFile("resultaten/0trekkingen.txt"), "17\tAEIOUUU\n3\tQYQQQQQ\n");
  EXPECT_EQ(readFile("resultaten/NOBESTE_1.html"), page);
  EXPECT_EQ(readFile("resultaten/NOBESTE_2.html"), boardPageText(state));
}

TEST_F(ResultsFolderTest, MissingFolderOnlyCounts) {
  GameState state(builtInWordGraph());
  recordStuckGame(state, 5, "BCDFGHA");
  recordStuckGame(state, 6, "BCDFGHA", "elders");
  recordStuckGame(state, 7, "BCDFGHA", "");
  EXPECT_EQ(state.stuckGameCounter, 3);
  EXPECT_TRUE(fs::is_empty(folder));  // the folder is never created

  // A folder given by path; the counter goes on from the cases that wrote nothing.
  fs::create_directory("elders");
  recordStuckGame(state, 8, "BCDFGHA", "elders");
  EXPECT_EQ(readFile("elders/0trekkingen.txt"), "8\tBCDFGHA\n");
  EXPECT_TRUE(fs::exists("elders/NOBESTE_4.html"));
  EXPECT_FALSE(fs::exists("resultaten"));
}

// While it lives, no file of the process grows beyond `bytes`, as if the disk were
// full there; a write across the limit is cut short.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousSignal_)(int) = nullptr;
};

TEST_F(ResultsFolderTest, LogLineIsWrittenWholeOrNotAtAll) {
  fs::create_directory("resultaten");
  GameState state(builtInWordGraph());
  stuckAtTurnTwo(state);
  recordStuckGame(state, 17, "AEIOUUU");
  const std::string log = "17\tAEIOUUU\n";
  ASSERT_EQ(readFile("resultaten/0trekkingen.txt"), log);

  // The disk is full four bytes after the log's end: neither the line nor the
  // page fits.
  {
    FileSizeLimit full(log.size() + 4);
    recordStuckGame(state, 18, "AEIOUUU");
  }
  EXPECT_EQ(readFile("resultaten/0trekkingen.txt"), log);
  EXPECT_FALSE(fs::exists("resultaten/NOBESTE_2.html"));
  FullDiskWriter disk(0);
  recordStuckGame(state, 19, "AEIOUUU", kResultsFolder, disk);
  EXPECT_EQ(readFile("resultaten/0trekkingen.txt"), log);

  // With room again, the next line starts on a line of its own.
  recordStuckGame(state, 20, "AEIOUUU");
  EXPECT_EQ(readFile("resultaten/0trekkingen.txt"), log + "20\tAEIOUUU\n");
  EXPECT_EQ(state.stuckGameCounter, 4);
  EXPECT_TRUE(fs::exists("resultaten/NOBESTE_4.html"));
}

}  // namespace
}  // namespace kwarrel

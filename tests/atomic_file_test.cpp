// Saving over an existing file: the old contents survive a failed save, links keep
// pointing where they pointed, and a device is never replaced by a plain file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <thread>

#include "files/atomic_file.h"
#include "tests/report_games.h"

namespace kwarrel {
namespace {

namespace fs = std::filesystem;
using report_games::ScratchFolder;
using report_games::readFile;

size_t entriesIn(const fs::path& folder) {
  size_t count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
  return count;
}

TEST(AtomicFile, ReplacesContentsAndLeavesNoTemporaryFile) {
  ScratchFolder folder("atomic-replace");
  const std::string path = folder.file("spel.txt");
  ASSERT_TRUE(writeFileAtomically(path, "oud\n"));
  ASSERT_TRUE(writeFileAtomically(path, "nieuw\n"));
  EXPECT_EQ(readFile(path), "nieuw\n");
  EXPECT_EQ(entriesIn(folder.path()), 1u);

  // A name as long as the folder allows still saves: the temporary name is short.
  const std::string longName = folder.file(std::string(250, 'x') + ".txt");
  EXPECT_TRUE(writeFileAtomically(longName, "lang\n"));
  EXPECT_EQ(readFile(longName), "lang\n");

  // A missing folder, or a folder in the file's place, is a failure.
  EXPECT_FALSE(writeFileAtomically(folder.file("geen/spel.txt"), "x"));
  fs::create_directory(folder.file("map.txt"));
  EXPECT_FALSE(writeFileAtomically(folder.file("map.txt"), "x"));
  EXPECT_TRUE(fs::is_directory(folder.file("map.txt")));
  EXPECT_EQ(entriesIn(folder.path()), 3u);
}

TEST(AtomicFile, LinkIsFollowedAndKept) {
  ScratchFolder folder("atomic-link");
  fs::create_directory(folder.file("echt"));
  const std::string target = folder.file("echt/spel.txt");
  ASSERT_TRUE(writeFileAtomically(target, "oud\n"));
  fs::create_symlink(target, folder.file("link.txt"));
  ASSERT_TRUE(writeFileAtomically(folder.file("link.txt"), "nieuw\n"));
  EXPECT_TRUE(fs::is_symlink(folder.file("link.txt")));
  EXPECT_EQ(readFile(target), "nieuw\n");
}

TEST(AtomicFile, PipeIsWrittenIntoNotReplaced) {
  ScratchFolder folder("atomic-pipe");
  const std::string pipe = folder.file("pijp.txt");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = readFile(pipe); });
  EXPECT_TRUE(writeFileAtomically(pipe, "lijst\n"));
  reader.join();
  EXPECT_EQ(received, "lijst\n");
  EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST(AtomicFile, DeviceIsWrittenInPlaceAndAFullOneFails) {
  if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  EXPECT_FALSE(writeFileAtomically("/dev/full", std::string(100000, 'x')));
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_FALSE(appendToFile("/dev/full", std::string(100000, 'x')));
}

}  // namespace
}  // namespace kwarrel

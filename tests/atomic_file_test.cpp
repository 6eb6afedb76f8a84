// Saving over an existing file: the old contents survive a failed save, links keep
// pointing where they pointed, and a device is never replaced by a plain file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>

#include "files/atomic_file.h"
#include "tests/full_disk_writer.h"
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
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(writeFileAtomically(pipe, "lijst\n"));
  char received[16] = {};
  EXPECT_EQ(::read(reader, received, sizeof received), 6);
  ::close(reader);
  EXPECT_EQ(std::string(received), "lijst\n");
  EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST(AtomicFile, PipeWithoutReaderFailsAtOnce) {
  ScratchFolder folder("atomic-pipe-alone");
  const std::string pipe = folder.file("pijp.txt");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  auto saved = std::async(std::launch::async, [&] { return writeFileAtomically(pipe, "lijst\n"); });
  if (saved.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    report_games::readFile(pipe);  // lets the waiting save go on, so the test can end
    FAIL() << "the save waits for a reader";
  }
  EXPECT_FALSE(saved.get());
  EXPECT_FALSE(appendToFile(pipe, "regel\n"));
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(AtomicFile, DeviceIsWrittenInPlaceAndAFullOneFails) {
  if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  EXPECT_FALSE(writeFileAtomically("/dev/full", std::string(100000, 'x')));
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_FALSE(appendToFile("/dev/full", std::string(100000, 'x')));
}

mode_t modeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

TEST(AtomicFile, ProtectedFileIsRefusedAndAReplacedFileKeepsModeAndOwner) {
  ScratchFolder folder("atomic-mode");
  const mode_t previousMask = ::umask(0);  // a new file would be readable and writable by all

  // Read-only by its mode: refused, also for a program running with all rights.
  const std::string locked = folder.file("klaar.txt");
  ASSERT_TRUE(writeFileAtomically(locked, "oud\n"));
  for (const mode_t mode : {0400, 0444, 0500}) {
    ASSERT_EQ(::chmod(locked.c_str(), mode), 0);
    EXPECT_FALSE(writeFileAtomically(locked, "nieuw\n")) << std::oct << mode;
    EXPECT_EQ(readFile(locked), "oud\n");
    EXPECT_EQ(modeOf(locked), mode);
  }
  // The same through a link to it.
  fs::create_symlink(locked, folder.file("link.txt"));
  EXPECT_FALSE(writeFileAtomically(folder.file("link.txt"), "nieuw\n"));
  EXPECT_EQ(readFile(locked), "oud\n");

  // A private file stays private; a new file gets the usual mode.
  const std::string own = folder.file("eigen.txt");
  ASSERT_TRUE(writeFileAtomically(own, "oud\n"));
  EXPECT_EQ(modeOf(own), 0666u);
  ASSERT_EQ(::chmod(own.c_str(), 0600), 0);
  ASSERT_TRUE(writeFileAtomically(own, "nieuw\n"));
  EXPECT_EQ(readFile(own), "nieuw\n");
  EXPECT_EQ(modeOf(own), 0600u);
  ::umask(previousMask);

  // Someone else's file, saved over by the administrator, stays theirs.
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(own.c_str(), 4321, 4322), 0);
    ASSERT_TRUE(writeFileAtomically(own, "weer nieuw\n"));
    struct stat info {};
    ASSERT_EQ(::stat(own.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 4322u);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
  }
  EXPECT_EQ(entriesIn(folder.path()), 3u);
}

TEST(AtomicFile, FullDiskOrFailedFlushLeavesTheOldFile) {
  ScratchFolder folder("atomic-full");
  const std::string path = folder.file("spel.txt");
  ASSERT_TRUE(writeFileAtomically(path, "oud\n"));
  const std::string bytes(5000, 'n');
  // The write itself, then the flush before the file takes the old one's place.
  for (const int room : {0, 1}) {
    FullDiskWriter disk(room);
    EXPECT_FALSE(writeFileAtomically(path, bytes, disk)) << room;
    EXPECT_EQ(disk.calls(), 2);
    EXPECT_EQ(readFile(path), "oud\n");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
  }
  // Written and flushed: the failed flush of the folder afterwards changes nothing.
  FullDiskWriter disk(2);
  EXPECT_TRUE(writeFileAtomically(path, bytes, disk));
  EXPECT_EQ(disk.calls(), 3);
  EXPECT_EQ(readFile(path), bytes);

  // A log line is whole or not there.
  ASSERT_TRUE(appendToFile(path, "regel\n"));
  FullDiskWriter full(0);
  EXPECT_FALSE(appendToFile(path, "halve regel\n", full));
  EXPECT_EQ(readFile(path), bytes + "regel\n");
}

TEST(AtomicFile, DanglingLinkGetsItsTargetCreated) {
  ScratchFolder folder("atomic-dangling");
  fs::create_directory(folder.file("echt"));
  // A relative link, pointing at a file that is not there yet.
  fs::create_symlink("echt/spel.txt", folder.file("link.txt"));
  ASSERT_TRUE(writeFileAtomically(folder.file("link.txt"), "nieuw\n"));
  EXPECT_TRUE(fs::is_symlink(folder.file("link.txt")));
  EXPECT_EQ(readFile(folder.file("echt/spel.txt")), "nieuw\n");

  // A link to a link to nothing, and an absolute one.
  fs::create_symlink("link2.txt", folder.file("link1.txt"));
  fs::create_symlink(folder.file("echt/ander.txt"), folder.file("link2.txt"));
  ASSERT_TRUE(writeFileAtomically(folder.file("link1.txt"), "ander\n"));
  EXPECT_TRUE(fs::is_symlink(folder.file("link1.txt")));
  EXPECT_TRUE(fs::is_symlink(folder.file("link2.txt")));
  EXPECT_EQ(readFile(folder.file("echt/ander.txt")), "ander\n");

  // A link into a folder that does not exist, and a loop of links, are failures.
  fs::create_symlink("weg/spel.txt", folder.file("nergens.txt"));
  EXPECT_FALSE(writeFileAtomically(folder.file("nergens.txt"), "x"));
  fs::create_symlink("rond2.txt", folder.file("rond1.txt"));
  fs::create_symlink("rond1.txt", folder.file("rond2.txt"));
  EXPECT_FALSE(writeFileAtomically(folder.file("rond1.txt"), "x"));
  EXPECT_TRUE(fs::is_symlink(folder.file("nergens.txt")));
  EXPECT_TRUE(fs::is_symlink(folder.file("rond1.txt")));
  EXPECT_EQ(entriesIn(folder.path()), 7u);
  EXPECT_EQ(entriesIn(folder.file("echt")), 2u);
}

}  // namespace
}  // namespace kwarrel

// Names of sibling files: later report pages beside the chosen one, files in the
// results folder and the configuration in the current folder.
#include <gtest/gtest.h>

#include "files/paths.h"

namespace kwarrel {
namespace {

TEST(Paths, FolderAndNameSplitAndJoin) {
  EXPECT_EQ(folderOf("club/2026/spel.htm"), "club/2026/");
  EXPECT_EQ(bareName("club/2026/spel.htm"), "spel.htm");
  EXPECT_EQ(folderOf("/spel.htm"), "/");
  EXPECT_EQ(folderOf("spel.htm"), "");
  EXPECT_EQ(bareName("spel.htm"), "spel.htm");
  EXPECT_EQ(bareName("club/"), "");

  EXPECT_EQ(inFolder("resultaten", "0trekkingen.txt"), "resultaten/0trekkingen.txt");
  EXPECT_EQ(inFolder("resultaten/", "0trekkingen.txt"), "resultaten/0trekkingen.txt");
  // No folder means the current one, never the root of the file system.
  EXPECT_EQ(inFolder("", "Kwar2002.cfg"), "Kwar2002.cfg");
}

}  // namespace
}  // namespace kwarrel

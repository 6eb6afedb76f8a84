// The check-word dialog's backgrounds from the colour file in the program folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>

#include "files/colour_file.h"
#include "files/program_folder.h"
#include "tests/report_games.h"

namespace kwarrel {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value == nullptr) {
      unsetenv(name);
    } else {
      setenv(name, value, 1);
    }
  }
  ~ScopedEnvironment() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class ColourFileTest : public ::testing::Test {
 protected:
  // Loads fresh settings from a colour file holding `text`.
  Settings load(const std::string& text) const {
    const std::string path = (folder / "kleur.txt").string();
    std::ofstream(path, std::ios::binary) << text;
    Settings settings;
    loadColourFile(settings, path);
    return settings;
  }

  report_games::ScratchFolder scratch{
      std::string("colour-") + ::testing::UnitTest::GetInstance()->current_test_info()->name()};
  fs::path folder = scratch.path();
};

TEST_F(ColourFileTest, WithoutAFileTheBuiltInColoursApply) {
  Settings settings;
  loadColourFile(settings, (folder / "ontbreekt.txt").string());
  EXPECT_EQ(settings.notFoundRed, -1);
  EXPECT_EQ(settings.foundBlue, -1);
  EXPECT_EQ(checkWordColour(settings, false), (Rgb{255, 0, 0}));
  EXPECT_EQ(checkWordColour(settings, true), (Rgb{144, 255, 144}));
  EXPECT_EQ(checkWordColour(load(""), true), (Rgb{144, 255, 144}));
}

// A pipe or device of that name is not read: an ordinary open of a pipe without a
// writer would keep the window from ever appearing.
TEST_F(ColourFileTest, OnlyARegularFileIsRead) {
  const fs::path pipe = folder / "kleur.txt";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& path : {pipe.string(), std::string("/dev/zero")}) {
    Settings settings;
    loadColourFile(settings, path);
    EXPECT_EQ(settings.notFoundRed, -1) << path;
    EXPECT_EQ(settings.foundBlue, -1) << path;
  }
}

TEST_F(ColourFileTest, SixNumbersGiveTheTwoBackgrounds) {
  const Settings settings = load("0 0 255 255 255 0\n1 2 3 4 5 6\n");
  EXPECT_EQ(checkWordColour(settings, false), (Rgb{0, 0, 255}));   // blue
  EXPECT_EQ(checkWordColour(settings, true), (Rgb{255, 255, 0}));  // yellow

  // A red of -1 keeps the built-in colour whatever follows it; other values
  // count by their low eight bits.
  const Settings builtIn = load("-1 100 100 300 -2 256");
  EXPECT_EQ(checkWordColour(builtIn, false), (Rgb{255, 0, 0}));
  EXPECT_EQ(checkWordColour(builtIn, true), (Rgb{44, 254, 0}));

  // Any blanks between the numbers, a line ending in CR-LF, signs.
  const Settings spaced = load("\t 1\t\t+2   3 4 5 6\r\n");
  EXPECT_EQ(checkWordColour(spaced, true), (Rgb{4, 5, 6}));
}

TEST_F(ColourFileTest, MissingNumbersKeepTheirFields) {
  const Settings partial = load("10 20 30 40 x 60");
  EXPECT_EQ(partial.notFoundBlue, 30);
  EXPECT_EQ(partial.foundRed, 40);
  EXPECT_EQ(partial.foundGreen, -1);
  EXPECT_EQ(partial.foundBlue, -1);
  // The built-in colour of a found word needs only its red to be missing.
  EXPECT_EQ(checkWordColour(load("1 2 3"), true), (Rgb{144, 255, 144}));
  EXPECT_EQ(load("\n1 2 3 4 5 6").notFoundRed, -1);  // only the first line counts
  EXPECT_EQ(load("1 2 - 4 5 6").notFoundBlue, -1);
  const Settings zeroByte = load(std::string("1 2\0 3 4 5 6", 12));
  EXPECT_EQ(zeroByte.notFoundGreen, 2);
  EXPECT_EQ(zeroByte.notFoundBlue, -1);
}

TEST_F(ColourFileTest, HugeNumbersAndLongLinesAreSafe) {
  const Settings huge = load("99999999999999999999 -99999999999 " + std::string(5000, '7'));
  EXPECT_EQ(huge.notFoundRed, INT32_MAX);
  EXPECT_EQ(huge.notFoundGreen, INT32_MIN);
  EXPECT_EQ(huge.notFoundBlue, INT32_MAX);
  EXPECT_EQ(checkWordColour(huge, false), (Rgb{255, 0, 255}));

  // Only the first 998 characters of the line are looked at.
  const Settings far = load(std::string(993, ' ') + "1 2 3 4 5 6");
  EXPECT_EQ(far.notFoundRed, 1);
  EXPECT_EQ(far.notFoundBlue, 3);
  EXPECT_EQ(far.foundRed, -1);
}

TEST_F(ColourFileTest, ProgramFolderFollowsTheEnvironment) {
  {
    ScopedEnvironment home("KWARREL_HOME", "/opt/kwarrel");
    EXPECT_EQ(programFolder(), "/opt/kwarrel");
  }
  ScopedEnvironment noHome("KWARREL_HOME", nullptr);
  {
    ScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/instellingen");
    EXPECT_EQ(programFolder(), "/tmp/instellingen/kwarrel");
  }
  ScopedEnvironment user("HOME", "/home/spelleider");
  {
    ScopedEnvironment config("XDG_CONFIG_HOME", "");
    EXPECT_EQ(programFolder(), "/home/spelleider/.config/kwarrel");
  }
  ScopedEnvironment noConfig("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(programFolder(), "/home/spelleider/.config/kwarrel");
  ScopedEnvironment emptyHome("KWARREL_HOME", "");
  EXPECT_EQ(programFolder(), "/home/spelleider/.config/kwarrel");
}

TEST_F(ColourFileTest, ColourFileIsReadFromTheProgramFolder) {
  std::ofstream((folder / "kleur.txt").string()) << "0 0 255 255 255 0\n";
  ScopedEnvironment home("KWARREL_HOME", folder.c_str());
  Settings settings;
  loadColourFile(settings);
  EXPECT_EQ(checkWordColour(settings, true), (Rgb{255, 255, 0}));
}

TEST_F(ColourFileTest, CutAndRandomFilesLoadCleanly) {
  const std::string line = "255 128 0 -12 99999999999 7\n";
  for (size_t cut = 0; cut <= line.size(); ++cut) {
    const Settings settings = load(line.substr(0, cut));
    const Rgb colour = checkWordColour(settings, false);
    EXPECT_GE(colour.red, 0);
    EXPECT_LE(colour.red, 255);
  }
  std::mt19937 random(5700);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(random() % 1200, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() % 3 == 0 ? ' ' : random());
    const Settings settings = load(bytes);
    for (const bool found : {false, true}) {
      const Rgb colour = checkWordColour(settings, found);
      EXPECT_TRUE(colour.red >= 0 && colour.red <= 255 && colour.green >= 0 &&
                  colour.green <= 255 && colour.blue >= 0 && colour.blue <= 255)
          << round;
    }
  }
}

}  // namespace
}  // namespace kwarrel

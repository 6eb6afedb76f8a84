// Settings kept between runs: what a game master would lose or see garbled if the
// configuration file were read or written wrongly.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "files/config_file.h"
#include "game/game_state.h"
#include "tests/report_games.h"

namespace kwarrel {
namespace {

namespace fs = std::filesystem;

class ConfigFileTest : public ::testing::Test {
 protected:
  ConfigFileTest() : state(graph) {}

  std::string path(const char* name) const { return (folder / name).string(); }
  void writeBytes(const char* name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  std::string readBytes(const char* name) const {
    std::ifstream file(path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  static void putInt(std::string& bytes, size_t offset, int32_t value) {
    for (size_t i = 0; i < 4; ++i) {
      bytes[offset + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    }
  }

  WordGraph graph;
  GameState state;
  report_games::ScratchFolder scratch{
      std::string("config-") + ::testing::UnitTest::GetInstance()->current_test_info()->name()};
  fs::path folder = scratch.path();
};

constexpr ColumnPixelWidths kSomeWidths = {1, 1, 1, 1, 1, 1};

TEST_F(ConfigFileTest, NoFileLeavesTheDefaults) {
  EXPECT_FALSE(loadSettings(state, folder.string()));
  EXPECT_EQ(state.settings.columnWidths, (std::array<int32_t, 6>{10, 30, 30, 13, 10, 15}));
  EXPECT_EQ(state.settings.blankChar, '*');
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(ConfigFileTest, SaveAndLoadKeepEveryByte) {
  state.settings.fonts.wordFont.setFace("Liberation Mono");
  state.settings.fonts.wordFont.italic = 1;
  // A face name that fills all 32 bytes, without its terminating zero.
  state.settings.fonts.valueFont.faceName.fill('X');
  state.settings.fonts.bagFont.setFace("Zakje");
  state.settings.fonts.bagFont.height = -17;
  state.settings.hideValues = 1;
  state.settings.letterOffset = Offset{0.25, -0.125};
  state.settings.alphabeticalDraw = 1;
  state.settings.blankChar = '+';
  state.countTable[letterCode('E')] = 17;
  state.valueTable[letterCode('E')] = 2;
  state.settings.soundDuration = 300;
  state.settings.soundFrequency = 880;
  ASSERT_TRUE(saveSettings(state, {50, 150, 150, 65, 50, 75}, folder.string()));
  const std::string saved = readBytes(kConfigFileName);
  ASSERT_EQ(saved.size(), kConfigFileSize);
  EXPECT_EQ(saved.substr(0, 4), std::string("\x07\0\0\0", 4));
  EXPECT_EQ(saved.substr(293, 4), std::string("\xCE\xFF\xFF\xFF", 4));  // -50
  EXPECT_EQ(saved[378], '+');
  EXPECT_EQ(saved.substr(599, 4), std::string("\x70\x03\0\0", 4));  // 880

  GameState loaded(graph);
  ASSERT_TRUE(loadSettings(loaded, folder.string()));
  EXPECT_EQ(loaded.settings.fonts.wordFont, state.settings.fonts.wordFont);
  EXPECT_EQ(loaded.settings.fonts.bagFont, state.settings.fonts.bagFont);
  EXPECT_EQ(loaded.settings.fonts.valueFont.face(), std::string(32, 'X'));
  EXPECT_EQ(loaded.settings.letterOffset, (Offset{0.25, -0.125}));
  EXPECT_EQ(loaded.settings.alphabeticalDraw, 1);
  EXPECT_EQ(loaded.countTable, state.countTable);
  EXPECT_EQ(loaded.valueTable, state.valueTable);
  EXPECT_EQ(loaded.settings.soundDuration, 300);
  EXPECT_EQ(loaded.settings.soundFrequency, 880);
  // The stored pixel widths come back as shares of their total, 540 pixels.
  EXPECT_EQ(loaded.settings.columnWidths, (std::array<int32_t, 6>{9, 27, 27, 12, 9, 13}));
  // Saved again with the same pixel widths, the file is the same to the byte.
  ASSERT_TRUE(saveSettings(loaded, {50, 150, 150, 65, 50, 75}, folder.string()));
  EXPECT_EQ(readBytes(kConfigFileName), saved);
}

TEST_F(ConfigFileTest, FontRecordsOfAnyContentSurviveByteForByte) {
  std::mt19937 random(60);
  std::string bytes = encodeSettings(state, kSomeWidths);
  for (const size_t offset : {4, 64, 124, 184, 318}) {
    for (size_t i = 0; i < 60; ++i) bytes[offset + i] = static_cast<char>(random());
  }
  ASSERT_EQ(decodeSettings(state, bytes), 7);
  EXPECT_EQ(encodeSettings(state, kSomeWidths), bytes);
}

TEST_F(ConfigFileTest, StoredWidthsTurnIntoShares) {
  ASSERT_EQ(decodeSettings(state, encodeSettings(state, {50, 0, 150, 65, 50, 75})), 7);
  // Column 2 was stored as 0 and takes its load default; the others share 390 pixels.
  EXPECT_EQ(state.settings.columnWidths, (std::array<int32_t, 6>{12, 27, 38, 16, 12, 19}));

  // A share outweighing the pixels leaves a stored pixel width as a fixed width.
  GameState fixed(graph);
  std::string bytes = encodeSettings(fixed, {0, 40, 0, 0, 0, 0});
  putInt(bytes, 293, 100);
  ASSERT_EQ(decodeSettings(fixed, bytes), 7);
  EXPECT_EQ(fixed.settings.columnWidths, (std::array<int32_t, 6>{100, -40, 27, 13, 10, 15}));
}

TEST_F(ConfigFileTest, FirstVersionIsReadAndRewrittenAsTheCurrentOne) {
  GameState writer(graph);
  writer.settings.fonts.turnListFont.setFace("Oud lettertype");
  writer.settings.hideValues = 1;
  writer.settings.labelOffset = Offset{0.4, 0.3};
  writer.settings.blankChar = '+';
  std::string bytes = encodeSettings(writer, kSomeWidths).substr(0, 293);
  putInt(bytes, 0, 1);
  writeBytes(kConfigFileName, bytes);

  ASSERT_TRUE(loadSettings(state, folder.string()));
  EXPECT_EQ(state.settings.hideValues, 1);
  EXPECT_EQ(state.settings.labelOffset, (Offset{0.4, 0.3}));
  EXPECT_EQ(state.settings.fonts.turnListFont, writer.settings.fonts.turnListFont);
  EXPECT_EQ(state.settings.fonts.bagFont, writer.settings.fonts.turnListFont);
  EXPECT_EQ(state.settings.columnWidths, (std::array<int32_t, 6>{10, 30, 30, 13, 10, 15}));
  EXPECT_EQ(state.settings.blankChar, '*');
  const std::string rewritten = readBytes(kConfigFileName);
  ASSERT_EQ(rewritten.size(), kConfigFileSize);
  EXPECT_EQ(rewritten.substr(0, 4), std::string("\x07\0\0\0", 4));
  // The rewritten file reads back with the widths as percentages of the list,
  // as a save from the window would store them.
  GameState again(graph);
  ASSERT_TRUE(loadSettings(again, folder.string()));
  EXPECT_EQ(again.settings.columnWidths, (std::array<int32_t, 6>{9, 27, 27, 12, 9, 13}));
  EXPECT_EQ(again.settings.fonts.bagFont, writer.settings.fonts.turnListFont);
}

TEST_F(ConfigFileTest, NewerVersionOrNoVersionIsRefusedWhole) {
  std::string bytes = encodeSettings(state, kSomeWidths);
  bytes[378] = '+';
  for (const int32_t version : {8, 0, -1, INT32_MIN}) {
    putInt(bytes, 0, version);
    writeBytes(kConfigFileName, bytes);
    EXPECT_FALSE(loadSettings(state, folder.string())) << version;
    EXPECT_EQ(state.settings.blankChar, '*');
    EXPECT_EQ(readBytes(kConfigFileName), bytes);  // not rewritten either
  }
  writeBytes(kConfigFileName, std::string("\x07\0", 2));
  EXPECT_FALSE(loadSettings(state, folder.string()));
}

TEST_F(ConfigFileTest, OldFileNameIsReadButNeverWritten) {
  GameState writer(graph);
  writer.settings.blankChar = '+';
  writeBytes(kOldConfigFileName, encodeSettings(writer, kSomeWidths));
  ASSERT_TRUE(loadSettings(state, folder.string()));
  EXPECT_EQ(state.settings.blankChar, '+');
  EXPECT_FALSE(fs::exists(path(kConfigFileName)));

  // An older version under the old name is brought up to date under the new one.
  std::string version5 = encodeSettings(writer, kSomeWidths).substr(0, 379);
  putInt(version5, 0, 5);
  writeBytes(kOldConfigFileName, version5);
  GameState reader(graph);
  ASSERT_TRUE(loadSettings(reader, folder.string()));
  EXPECT_EQ(readBytes(kOldConfigFileName), version5);
  EXPECT_EQ(readBytes(kConfigFileName).size(), kConfigFileSize);

  // The new name wins when both are there.
  writer.settings.blankChar = '*';
  writeBytes(kConfigFileName, encodeSettings(writer, kSomeWidths));
  ASSERT_TRUE(loadSettings(reader, folder.string()));
  EXPECT_EQ(reader.settings.blankChar, '*');
}

TEST_F(ConfigFileTest, FileCutShortKeepsWhatWasNotRead) {
  GameState writer(graph);
  writer.settings.fonts.coordFont.setFace("Rij");
  writer.settings.fonts.bagFont.setFace("Zak");
  writer.settings.valueOffset = Offset{0.1, 0.1};
  writer.settings.blankChar = '+';
  writer.settings.soundDuration = 123;
  writer.countTable[letterCode('Q')] = 3;
  // No partial sum of these makes a share equal to the default.
  const std::string full = encodeSettings(writer, {7, 20, 30, 40, 50, 60});
  const Settings defaults;
  for (size_t length = 0; length <= full.size(); ++length) {
    GameState reader(graph);
    const Settings& read = reader.settings;
    const int32_t version = decodeSettings(reader, full.substr(0, length));
    EXPECT_EQ(version, length < 4 ? 0 : 7);
    EXPECT_EQ(read.fonts.coordFont.face(), length >= 64 ? "Rij" : defaults.fonts.coordFont.face())
        << length;
    EXPECT_EQ(read.fonts.bagFont.face(), length >= 378 ? "Zak" : defaults.fonts.bagFont.face())
        << length;
    EXPECT_EQ(read.valueOffset, length >= 293 ? writer.settings.valueOffset : defaults.valueOffset)
        << length;
    // The widths are read one at a time.
    EXPECT_EQ(read.columnWidths[0] != defaults.columnWidths[0], length >= 297) << length;
    EXPECT_EQ(read.columnWidths[5] != defaults.columnWidths[5], length >= 317) << length;
    EXPECT_EQ(read.blankChar, length > 378 ? '+' : '*') << length;
    EXPECT_EQ(reader.countTable[letterCode('Q')], length >= 379 + 18 * 4 ? 3 : 1) << length;
    EXPECT_EQ(read.soundDuration, length >= 599 ? 123 : 0) << length;
  }
}

// A pipe of the configuration file's name is not read (nor waited on): the
// defaults stay.
TEST_F(ConfigFileTest, OnlyARegularFileIsRead) {
  ASSERT_EQ(::mkfifo(path(kConfigFileName).c_str(), 0600), 0);
  const Settings defaults = state.settings;
  EXPECT_FALSE(loadSettings(state, folder.string()));
  EXPECT_EQ(state.settings.blankChar, defaults.blankChar);
  EXPECT_EQ(state.settings.columnWidths, defaults.columnWidths);
}

// A file that gives the blank a value keeps it: a blank laid from the rack scores
// it, while a blank on the board counts 0 points, as laying it makes it.
TEST_F(ConfigFileTest, BlankValueIsKeptAndScoresOnlyWhenLaid) {
  GameState writer(graph);
  writer.valueTable[0] = 3;
  ASSERT_EQ(decodeSettings(state, encodeSettings(writer, kSomeWidths)), 7);
  EXPECT_EQ(state.valueTable[0], 3);

  GameState plain(graph);
  for (GameState* game : {&state, &plain}) {
    game->countTable[letterCode('K')] = 1;  // the second K must be the blank
    report_games::setTurn(*game, 0, "KWAERS*", "KWAkERS", 'D', 8, true);
    report_games::setTurn(*game, 1, "AT*****", "AkT", 'G', 7, false);  // through the blank
    report_games::recompute(*game);
  }
  // The blank on G8, a plain square, in a word doubled on H8.
  EXPECT_EQ(state.turns[0].score, plain.turns[0].score + 2 * 3);
  EXPECT_EQ(state.turns[1].score, plain.turns[1].score);
  EXPECT_EQ(state.board.at(8, 7).points, 0);
  EXPECT_EQ(state.displayGrid[7][6].shown, 'k');
  EXPECT_EQ(state.totalScore, plain.totalScore + 6);
}

TEST_F(ConfigFileTest, OddValuesAreKeptInRange) {
  std::string bytes = encodeSettings(state, kSomeWidths);
  // Widths whose percentage arithmetic would overflow 32 bits.
  putInt(bytes, 293, INT32_MIN);
  putInt(bytes, 297, INT32_MAX);
  bytes[244] = 7;                                     // a flag that is neither 0 nor 1
  bytes[378] = 'x';                                   // no blank character
  putInt(bytes, 379 + 4 * letterCode('E'), 1 << 30);  // a bag of a billion E's
  putInt(bytes, 487 + 4 * letterCode('Q'), -5);
  putInt(bytes, 487, 7);                              // a blank that scores
  putInt(bytes, 595, -300);
  putInt(bytes, 599, INT32_MAX);
  std::memset(bytes.data() + 245, 0xFF, 16);  // label offset: not a number
  const double huge = 1e300;
  std::memcpy(bytes.data() + 261, &huge, sizeof huge);  // letter offset: far off the board
  ASSERT_EQ(decodeSettings(state, bytes), 7);
  const Settings& settings = state.settings;
  for (const int32_t width : settings.columnWidths) {
    EXPECT_GE(width, -kMaxColumnPixels);
    EXPECT_LE(width, kMaxColumnShare);
  }
  EXPECT_EQ(settings.columnWidths[0], kMaxColumnShare);
  EXPECT_EQ(settings.hideValues, 1);
  EXPECT_EQ(settings.blankChar, '*');
  EXPECT_EQ(state.countTable[letterCode('E')], 99);
  EXPECT_EQ(state.valueTable[letterCode('Q')], 0);
  EXPECT_EQ(state.valueTable[0], 7);  // a blank that scores keeps its value
  EXPECT_EQ(settings.soundDuration, 0);
  EXPECT_EQ(settings.soundFrequency, 9999);
  EXPECT_EQ(settings.labelOffset, (Offset{0.5, 0.2}));
  EXPECT_EQ(settings.letterOffset, (Offset{0.5, -0.05}));

  // Widths as odd as these still save without overflow.
  state.settings.columnWidths = {INT32_MIN, INT32_MAX, 0, -1, 1, 5};
  const ColumnPixelWidths nominal = nominalColumnWidths(state.settings);
  EXPECT_EQ(nominal, (ColumnPixelWidths{kMaxColumnPixels, kMaxColumnPixels, 0, 1, 1, 5}));
  const std::string saved = encodeSettings(state, {INT32_MIN, -1, 0, 1, INT32_MAX, 2});
  EXPECT_EQ(saved.substr(293, 12), std::string(12, '\0'));
}

TEST_F(ConfigFileTest, RandomBytesLoadCleanly) {
  std::mt19937 random(2002);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(random() % 700, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    // Half the rounds get a plausible version, so the fields behind it are read.
    if (bytes.size() >= 4 && round % 2 == 0) putInt(bytes, 0, static_cast<int32_t>(random() % 9));
    GameState reader(graph);
    const int32_t version = decodeSettings(reader, bytes);
    EXPECT_TRUE(version >= 0 && version <= 7);
    const Settings& settings = reader.settings;
    EXPECT_TRUE(settings.blankChar == '*' || settings.blankChar == '+');
    EXPECT_LE(settings.hideValues, 1);
    for (const int32_t count : reader.countTable) EXPECT_TRUE(count >= 0 && count <= 99);
    for (const int32_t width : settings.columnWidths) {
      EXPECT_TRUE(width >= -kMaxColumnPixels && width <= kMaxColumnShare);
    }
    EXPECT_TRUE(std::isfinite(settings.valueOffset.x) && std::isfinite(settings.valueOffset.y));
    EXPECT_EQ(encodeSettings(reader, kSomeWidths).size(), kConfigFileSize);
  }
}

TEST_F(ConfigFileTest, SaveThatCannotBeWrittenIsReportedAndKeepsTheOldFile) {
  writeBytes(kConfigFileName, "oud");
  EXPECT_FALSE(saveSettings(state, kSomeWidths, (folder / "bestaat-niet").string()));
  EXPECT_EQ(readBytes(kConfigFileName), "oud");
  // A folder in the way of the file: nothing replaced, no stray temporary file.
  fs::remove(path(kConfigFileName));
  fs::create_directory(path(kConfigFileName));
  EXPECT_FALSE(saveSettings(state, kSomeWidths, folder.string()));
  EXPECT_TRUE(fs::is_directory(path(kConfigFileName)));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace kwarrel

// Settings kept between runs: what a game master would lose or see garbled if the
// configuration or colour file were read or written wrongly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cstring>
#include <random>

#include "files/colour_file.h"
#include "files/config_file.h"
#include "game/game_state.h"
#include "game/tile_set.h"

namespace kwarrel {
namespace {

namespace fs = std::filesystem;

class ConfigFileTest : public ::testing::Test {
 protected:
  ConfigFileTest() : state(graph) {
    folder = fs::temp_directory_path() /
             ("kwarrel-config-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
              "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  ~ConfigFileTest() override { fs::remove_all(folder); }

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
  fs::path folder;
};

TEST_F(ConfigFileTest, FreshStartHasTheDefaults) {
  const Settings& settings = state.settings;
  EXPECT_EQ(settings.blankChar, '*');
  EXPECT_EQ(settings.thinkTime, 180);
  EXPECT_EQ(settings.optimisationLoops, 1);
  EXPECT_TRUE(settings.replaceFirstBlank);
  EXPECT_FALSE(settings.limitBlanks || settings.blankEveryDraw || settings.qNeedsU ||
               settings.stopAtFirstBonzel || settings.alphabeticalDraw || settings.hideValues);
  EXPECT_EQ(settings.columnWidths, (std::array<int32_t, 6>{10, 30, 30, 13, 10, 15}));
  EXPECT_FALSE(loadSettings(state, folder.string()));
}

TEST_F(ConfigFileTest, SaveAndLoadKeepEveryByte) {
  state.settings.fonts.wordFont.setFace("Liberation Mono");
  state.settings.fonts.wordFont.italic = 1;
  // A face name that fills all 32 bytes, without its terminating zero.
  state.settings.fonts.valueFont.faceName.fill('X');
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
  EXPECT_EQ(saved[378], '+');

  GameState loaded(graph);
  ASSERT_TRUE(loadSettings(loaded, folder.string()));
  EXPECT_EQ(loaded.settings.fonts.wordFont, state.settings.fonts.wordFont);
  EXPECT_EQ(loaded.settings.fonts.valueFont.face(), std::string(32, 'X'));
  EXPECT_EQ(loaded.settings.letterOffset, (Offset{0.25, -0.125}));
  EXPECT_EQ(loaded.countTable[letterCode('E')], 17);
  EXPECT_EQ(loaded.valueTable[letterCode('E')], 2);
  EXPECT_EQ(loaded.settings.soundFrequency, 880);
  // The stored pixel widths come back as shares of their total, 540 pixels.
  EXPECT_EQ(loaded.settings.columnWidths, (std::array<int32_t, 6>{9, 27, 27, 12, 9, 13}));
  // Saved again with the same pixel widths, the file is the same to the byte.
  ASSERT_TRUE(saveSettings(loaded, {50, 150, 150, 65, 50, 75}, folder.string()));
  EXPECT_EQ(readBytes(kConfigFileName), saved);
}

TEST_F(ConfigFileTest, ZeroWidthTakesTheLoadDefault) {
  std::string bytes = encodeSettings(state, {50, 0, 150, 65, 50, 75});
  ASSERT_EQ(decodeSettings(state, bytes), 7);
  EXPECT_EQ(state.settings.columnWidths[1], 27);
  EXPECT_EQ(state.settings.columnWidths[0], 50 * 100 / 390);
}

TEST_F(ConfigFileTest, FirstVersionIsReadAndRewrittenAsTheCurrentOne) {
  GameState writer(graph);
  writer.settings.fonts.turnListFont.setFace("Oud lettertype");
  writer.settings.hideValues = 1;
  writer.settings.labelOffset = Offset{0.4, 0.3};
  std::string bytes = encodeSettings(writer, {1, 1, 1, 1, 1, 1}).substr(0, 293);
  putInt(bytes, 0, 1);
  writeBytes(kConfigFileName, bytes);

  ASSERT_TRUE(loadSettings(state, folder.string()));
  EXPECT_EQ(state.settings.hideValues, 1);
  EXPECT_EQ(state.settings.labelOffset, (Offset{0.4, 0.3}));
  EXPECT_EQ(state.settings.fonts.bagFont, writer.settings.fonts.turnListFont);
  EXPECT_EQ(state.settings.columnWidths, (std::array<int32_t, 6>{10, 30, 30, 13, 10, 15}));
  const std::string rewritten = readBytes(kConfigFileName);
  ASSERT_EQ(rewritten.size(), kConfigFileSize);
  EXPECT_EQ(rewritten[0], 7);
  // What was rewritten reads back with the widths as percentages of the list,
  // as a save from the window would store them.
  GameState again(graph);
  ASSERT_TRUE(loadSettings(again, folder.string()));
  EXPECT_EQ(again.settings.columnWidths, (std::array<int32_t, 6>{9, 27, 27, 12, 9, 13}));
  EXPECT_EQ(again.settings.fonts.bagFont, state.settings.fonts.bagFont);
}

TEST_F(ConfigFileTest, NewerVersionOrNoVersionIsRefusedWhole) {
  std::string bytes = encodeSettings(state, {1, 1, 1, 1, 1, 1});
  putInt(bytes, 0, 8);
  bytes[378] = '+';
  writeBytes(kConfigFileName, bytes);
  EXPECT_FALSE(loadSettings(state, folder.string()));
  EXPECT_EQ(state.settings.blankChar, '*');
  writeBytes(kConfigFileName, std::string("\x07\0", 2));
  EXPECT_FALSE(loadSettings(state, folder.string()));
}

TEST_F(ConfigFileTest, OldFileNameIsReadButNeverWritten) {
  GameState writer(graph);
  writer.settings.blankChar = '+';
  writeBytes(kOldConfigFileName, encodeSettings(writer, {1, 1, 1, 1, 1, 1}));
  ASSERT_TRUE(loadSettings(state, folder.string()));
  EXPECT_EQ(state.settings.blankChar, '+');
  EXPECT_FALSE(fs::exists(path(kConfigFileName)));
}

TEST_F(ConfigFileTest, FileCutShortKeepsWhatWasNotRead) {
  GameState writer(graph);
  writer.settings.blankChar = '+';
  writer.settings.soundDuration = 123;
  writer.countTable[letterCode('Q')] = 3;
  const std::string full = encodeSettings(writer, {10, 20, 30, 40, 50, 60});
  for (size_t length = 0; length <= full.size(); ++length) {
    GameState reader(graph);
    const int32_t version = decodeSettings(reader, full.substr(0, length));
    EXPECT_EQ(version, length < 4 ? 0 : 7);
    EXPECT_EQ(reader.settings.blankChar, length > 378 ? '+' : '*') << length;
    EXPECT_EQ(reader.settings.soundDuration, length >= 599 ? 123 : 0) << length;
    EXPECT_EQ(reader.countTable[letterCode('Q')], length >= 379 + 18 * 4 ? 3 : 1) << length;
  }
}

TEST_F(ConfigFileTest, OddValuesAreKeptInRange) {
  std::string bytes = encodeSettings(state, {1, 1, 1, 1, 1, 1});
  // Widths whose percentage arithmetic would overflow 32 bits.
  putInt(bytes, 293, INT32_MIN);
  putInt(bytes, 297, INT32_MAX);
  putInt(bytes, 301, -1);
  bytes[378] = 'x';                                  // no blank character
  putInt(bytes, 379 + 4 * letterCode('E'), 1 << 30);  // a bag of a billion E's
  putInt(bytes, 487 + 4 * letterCode('Q'), -5);
  std::memset(bytes.data() + 245, 0xFF, 16);  // label offset: not a number
  ASSERT_EQ(decodeSettings(state, bytes), 7);
  for (const int32_t width : state.settings.columnWidths) EXPECT_LE(width, INT32_MAX);
  EXPECT_LE(state.settings.columnWidths[0], 100);
  EXPECT_EQ(state.settings.blankChar, '*');
  EXPECT_EQ(state.countTable[letterCode('E')], 99);
  EXPECT_EQ(state.valueTable[letterCode('Q')], 0);
  EXPECT_EQ(state.settings.labelOffset, (Offset{0.5, 0.2}));
}

TEST_F(ConfigFileTest, RandomBytesLoadCleanly) {
  std::mt19937 random(2002);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(random() % 700, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    if (!bytes.empty() && round % 2 == 0) bytes[0] = static_cast<char>(random() % 8);
    if (bytes.size() >= 4 && round % 2 == 0) bytes[1] = bytes[2] = bytes[3] = 0;
    GameState reader(graph);
    decodeSettings(reader, bytes);
    EXPECT_TRUE(reader.settings.blankChar == '*' || reader.settings.blankChar == '+');
    for (const int32_t count : reader.countTable) EXPECT_TRUE(count >= 0 && count <= 99);
  }
}

TEST_F(ConfigFileTest, SaveThatCannotBeWrittenIsReportedAndKeepsTheOldFile) {
  writeBytes(kConfigFileName, "oud");
  EXPECT_FALSE(saveSettings(state, {1, 1, 1, 1, 1, 1}, (folder / "bestaat-niet").string()));
  EXPECT_EQ(readBytes(kConfigFileName), "oud");
}

TEST_F(ConfigFileTest, ColourFileSetsTheCheckWordBackgrounds) {
  EXPECT_EQ(checkWordColour(state.settings, false), (Rgb{255, 0, 0}));
  EXPECT_EQ(checkWordColour(state.settings, true), (Rgb{144, 255, 144}));
  loadColourFile(state.settings, path("ontbreekt.txt"));
  EXPECT_EQ(state.settings.notFoundRed, -1);

  writeBytes("kleur.txt", "0 0 255 255 255 0\nnegeer dit\n");
  loadColourFile(state.settings, path("kleur.txt"));
  EXPECT_EQ(checkWordColour(state.settings, false), (Rgb{0, 0, 255}));
  EXPECT_EQ(checkWordColour(state.settings, true), (Rgb{255, 255, 0}));

  Settings builtIn;
  writeBytes("kleur.txt", "-1 100 100 300 0 0");
  loadColourFile(builtIn, path("kleur.txt"));
  EXPECT_EQ(checkWordColour(builtIn, false), (Rgb{255, 0, 0}));
  EXPECT_EQ(checkWordColour(builtIn, true), (Rgb{44, 0, 0}));

  Settings partial;
  writeBytes("kleur.txt", "10 20 30 40 x 60");
  loadColourFile(partial, path("kleur.txt"));
  EXPECT_EQ(partial.foundRed, 40);
  EXPECT_EQ(partial.foundGreen, -1);
  EXPECT_EQ(partial.foundBlue, -1);

  Settings huge;
  writeBytes("kleur.txt", "99999999999999999999 " + std::string(5000, '7'));
  loadColourFile(huge, path("kleur.txt"));
  EXPECT_EQ(huge.notFoundRed, INT32_MAX);
  EXPECT_EQ(huge.notFoundGreen, INT32_MAX);
}

TEST_F(ConfigFileTest, FontRecordIsSixtyBytesFieldByField) {
  FontDescription font;
  font.height = -13;
  font.weight = 700;
  font.charSet = 0xBA;
  font.setFace("Courier New");
  const FontDescription::Record record = font.toRecord();
  EXPECT_EQ(record[0], 0xF3);
  EXPECT_EQ(record[3], 0xFF);
  EXPECT_EQ(record[16], 700 & 0xFF);
  EXPECT_EQ(record[23], 0xBA);
  EXPECT_EQ(record[28], 'C');
  EXPECT_EQ(FontDescription::fromRecord(record), font);
  font.setFace(std::string(40, 'F'));
  EXPECT_EQ(font.face().size(), 31u);
}

}  // namespace
}  // namespace kwarrel

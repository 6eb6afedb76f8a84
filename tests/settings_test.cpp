// The settings record: its defaults, the stored font record and the fonts made
// from the screen size when no configuration file is read.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "game/settings.h"

namespace kwarrel {
namespace {

TEST(SettingsTest, FreshStartHasTheDefaults) {
  const Settings settings;
  EXPECT_EQ(settings.blankChar, '*');
  EXPECT_EQ(settings.thinkTime, 180);
  EXPECT_EQ(settings.optimisationLoops, 1);
  EXPECT_TRUE(settings.replaceFirstBlank);
  EXPECT_FALSE(settings.limitBlanks || settings.blankEveryDraw || settings.qNeedsU ||
               settings.stopAtFirstBonzel || settings.alphabeticalDraw || settings.hideValues);
  EXPECT_EQ(settings.columnWidths, (std::array<int32_t, 6>{10, 30, 30, 13, 10, 15}));
  EXPECT_EQ(settings.labelOffset, (Offset{0.5, 0.2}));
  EXPECT_EQ(settings.letterOffset, (Offset{0.5, -0.05}));
  EXPECT_EQ(settings.valueOffset, (Offset{0.8, 0.7}));
  EXPECT_EQ(settings.soundDuration, 0);
  EXPECT_EQ(settings.foundRed, -1);
  EXPECT_EQ(settings.notFoundRed, -1);
}

TEST(SettingsTest, FontRecordIsSixtyBytesFieldByField) {
  FontDescription font;
  font.height = -13;
  font.width = 0x01020304;
  font.weight = 700;
  font.italic = 1;
  font.charSet = 0xBA;
  font.pitchAndFamily = 0x31;
  font.setFace("Courier New");
  const FontDescription::Record record = font.toRecord();
  EXPECT_EQ(record[0], 0xF3);
  EXPECT_EQ(record[3], 0xFF);
  EXPECT_EQ(record[4], 0x04);
  EXPECT_EQ(record[7], 0x01);
  EXPECT_EQ(record[16], 700 & 0xFF);
  EXPECT_EQ(record[17], 700 >> 8);
  EXPECT_EQ(record[20], 1);
  EXPECT_EQ(record[23], 0xBA);
  EXPECT_EQ(record[27], 0x31);
  EXPECT_EQ(record[28], 'C');
  EXPECT_EQ(record[38], 'w');
  EXPECT_EQ(record[39], 0);
  EXPECT_EQ(FontDescription::fromRecord(record), font);
}

TEST(SettingsTest, AnyRecordRoundTripsByteForByte) {
  std::mt19937 random(1234);
  for (int round = 0; round < 200; ++round) {
    FontDescription::Record record{};
    for (uint8_t& byte : record) byte = static_cast<uint8_t>(random());
    // No terminating zero in the face on even rounds.
    if (round % 2 == 0) {
      for (size_t i = 28; i < 60; ++i) record[i] = static_cast<uint8_t>('A' + random() % 26);
    }
    const FontDescription font = FontDescription::fromRecord(record);
    EXPECT_EQ(font.toRecord(), record);
    const auto zero = std::find(record.begin() + 28, record.end(), 0);
    EXPECT_EQ(font.face().size(), static_cast<size_t>(zero - (record.begin() + 28)));
  }
}

TEST(SettingsTest, FaceNameStaysWithinItsThirtyTwoBytes) {
  FontDescription font;
  EXPECT_EQ(font.face(), "");
  font.setFace(std::string(40, 'F'));
  EXPECT_EQ(font.face(), std::string(31, 'F'));
  EXPECT_EQ(font.faceName[31], '\0');
  font.setFace("Arial");
  EXPECT_EQ(font.face(), "Arial");
  EXPECT_EQ(font.faceName[6], '\0');  // nothing of the longer name is left behind
  font.faceName.fill('Z');
  EXPECT_EQ(font.face(), std::string(32, 'Z'));
}

TEST(SettingsTest, DefaultFontsFollowTheScreenSize) {
  // cw = trunc((0.66 * 1920 - 1) / 16) = 79, rh = trunc(1080 / 17.5) = 61.
  const FontSet fonts = defaultFonts(1920, 1080);
  EXPECT_EQ(fonts.coordFont.face(), "Courier New");
  EXPECT_EQ(fonts.coordFont.weight, 700);
  EXPECT_EQ(fonts.coordFont.height, 36);
  EXPECT_EQ(fonts.coordFont.width, 19);
  EXPECT_EQ(fonts.wordFont.face(), "Courier New");
  EXPECT_EQ(fonts.wordFont.weight, 700);
  EXPECT_EQ(fonts.wordFont.height, 61);
  EXPECT_EQ(fonts.wordFont.width, 47);
  EXPECT_EQ(fonts.valueFont.face(), "Arial");
  EXPECT_EQ(fonts.valueFont.weight, 400);
  EXPECT_EQ(fonts.valueFont.height, 20);
  EXPECT_EQ(fonts.valueFont.width, 26);
  EXPECT_EQ(fonts.turnListFont.height, 15);
  EXPECT_EQ(fonts.bagFont, fonts.turnListFont);

  // cw = trunc(674.84 / 16) = 42, rh = trunc(43.9) = 43.
  const FontSet small = defaultFonts(1024, 768);
  EXPECT_EQ(small.coordFont.height, 25);
  EXPECT_EQ(small.coordFont.width, 10);
  EXPECT_EQ(small.wordFont.width, 25);
  EXPECT_EQ(small.valueFont.height, 14);
  EXPECT_EQ(small.turnListFont.height, 10);

  // A screen too small for any text gives sizes of 0, not negative ones.
  const FontSet none = defaultFonts(0, 0);
  EXPECT_EQ(none.wordFont.height, 0);
  EXPECT_EQ(none.wordFont.width, 0);
}

}  // namespace
}  // namespace kwarrel

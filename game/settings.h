// The user's settings: fonts, offsets, draw rules, search options, clock and sound.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kwarrel {

// A font as the configuration file stores it: the 60-byte logical-font record,
// field by field. The window turns it into a real font.
struct FontDescription {
  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 0;
  uint8_t italic = 0;
  uint8_t underline = 0;
  uint8_t strikeOut = 0;
  uint8_t charSet = 0;
  uint8_t outPrecision = 0;
  uint8_t clipPrecision = 0;
  uint8_t quality = 0;
  uint8_t pitchAndFamily = 0;
  std::array<char, 32> faceName{};  // zero-terminated when shorter than 32

  static constexpr int kRecordSize = 60;
  using Record = std::array<uint8_t, kRecordSize>;

  Record toRecord() const;
  static FontDescription fromRecord(const Record& record);
  // The face name up to its terminating zero, never past the 32 bytes.
  std::string_view face() const;
  void setFace(std::string_view face);
  bool operator==(const FontDescription&) const = default;
};

struct Offset {
  double x = 0;
  double y = 0;
  bool operator==(const Offset&) const = default;
};

struct FontSet {
  FontDescription coordFont;     // row/column labels
  FontDescription wordFont;      // letters on the board
  FontDescription valueFont;     // letter values
  FontDescription turnListFont;  // turn list and candidate list
  FontDescription bagFont;       // remaining-letters line
};

// Fonts made from the screen's work area when no configuration file is read.
FontSet defaultFonts(int screenWidth, int screenHeight);

inline constexpr std::array<int32_t, 6> kDefaultColumnWidths = {10, 30, 30, 13, 10, 15};

struct Settings {
  FontSet fonts = defaultFonts(1024, 768);
  uint8_t hideValues = 0;
  Offset labelOffset{0.5, 0.2};
  Offset letterOffset{0.5, -0.05};
  Offset valueOffset{0.8, 0.7};
  std::array<int32_t, 6> columnWidths = kDefaultColumnWidths;
  uint8_t alphabeticalDraw = 0;
  char blankChar = '*';
  int32_t soundDuration = 0;
  int32_t soundFrequency = 0;
  int32_t thinkTime = 180;
  int32_t optimisationLoops = 1;
  bool limitBlanks = false;
  bool blankEveryDraw = false;
  bool qNeedsU = false;
  bool stopAtFirstBonzel = false;
  bool replaceFirstBlank = true;
  // Check-word dialog colours; only the colour file fills them.
  int32_t notFoundRed = -1;
  int32_t notFoundGreen = -1;
  int32_t notFoundBlue = -1;
  int32_t foundRed = -1;
  int32_t foundGreen = -1;
  int32_t foundBlue = -1;
};

}  // namespace kwarrel

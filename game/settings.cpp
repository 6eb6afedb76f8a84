#include "game/settings.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kwarrel {

namespace {

void putInt(FontDescription::Record& record, size_t offset, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t getInt(const FontDescription::Record& record, size_t offset) {
  uint32_t bits = 0;
  for (size_t i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(record[offset + i]) << (8 * i);
  return static_cast<int32_t>(bits);
}

constexpr size_t kBytesOffset = 20;  // after the five 32-bit fields
constexpr size_t kFaceOffset = 28;   // after the eight byte fields

FontDescription makeFont(std::string_view face, int32_t weight, int32_t height, int32_t width) {
  FontDescription font;
  font.setFace(face);
  font.weight = weight;
  font.height = height;
  font.width = width;
  return font;
}

}  // namespace

FontDescription::Record FontDescription::toRecord() const {
  Record record{};
  putInt(record, 0, height);
  putInt(record, 4, width);
  putInt(record, 8, escapement);
  putInt(record, 12, orientation);
  putInt(record, 16, weight);
  const uint8_t bytes[8] = {italic,       underline,     strikeOut, charSet,
                            outPrecision, clipPrecision, quality,   pitchAndFamily};
  std::copy(std::begin(bytes), std::end(bytes), record.begin() + kBytesOffset);
  std::memcpy(record.data() + kFaceOffset, faceName.data(), faceName.size());
  return record;
}

FontDescription FontDescription::fromRecord(const Record& record) {
  FontDescription font;
  font.height = getInt(record, 0);
  font.width = getInt(record, 4);
  font.escapement = getInt(record, 8);
  font.orientation = getInt(record, 12);
  font.weight = getInt(record, 16);
  font.italic = record[kBytesOffset];
  font.underline = record[kBytesOffset + 1];
  font.strikeOut = record[kBytesOffset + 2];
  font.charSet = record[kBytesOffset + 3];
  font.outPrecision = record[kBytesOffset + 4];
  font.clipPrecision = record[kBytesOffset + 5];
  font.quality = record[kBytesOffset + 6];
  font.pitchAndFamily = record[kBytesOffset + 7];
  std::memcpy(font.faceName.data(), record.data() + kFaceOffset, font.faceName.size());
  return font;
}

std::string_view FontDescription::face() const {
  const auto end = std::find(faceName.begin(), faceName.end(), '\0');
  return std::string_view(faceName.data(), static_cast<size_t>(end - faceName.begin()));
}

void FontDescription::setFace(std::string_view face) {
  faceName.fill('\0');
  // Keep room for the terminating zero.
  const size_t length = std::min(face.size(), faceName.size() - 1);
  std::copy_n(face.begin(), length, faceName.begin());
}

FontSet defaultFonts(int screenWidth, int screenHeight) {
  const auto cw = static_cast<int32_t>(std::trunc((0.66 * screenWidth - 1) * 0.0625));
  const auto rh = static_cast<int32_t>(std::trunc(screenHeight / 17.5));
  FontSet fonts;
  fonts.coordFont = makeFont("Courier New", 700, rh * 3 / 5, cw / 4);
  fonts.wordFont = makeFont("Courier New", 700, rh, cw * 3 / 5);
  fonts.valueFont = makeFont("Arial", 400, rh / 3, cw / 3);
  // The system's interface font, at a seventieth of the screen height.
  fonts.turnListFont = makeFont("Liberation Sans", 400, screenHeight / 70, 0);
  fonts.bagFont = fonts.turnListFont;
  return fonts;
}

}  // namespace kwarrel

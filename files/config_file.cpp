#include "files/config_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "files/atomic_file.h"

namespace kwarrel {

namespace {

// Widths used for a column stored as 0; note 27 rather than 30 for columns 2 and 3.
constexpr std::array<int32_t, 6> kLoadDefaultWidths = {10, 27, 27, 13, 10, 15};
// The tile-set dialog takes two digits; larger tables would make the bag huge.
constexpr int32_t kMaxTableEntry = 99;

class Writer {
 public:
  void putInt(int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>((bits >> (8 * i)) & 0xFF);
  }
  void putByte(uint8_t value) { bytes_ += static_cast<char>(value); }
  void putDouble(double value) {
    uint64_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) bytes_ += static_cast<char>((bits >> (8 * i)) & 0xFF);
  }
  void putOffset(const Offset& offset) {
    putDouble(offset.x);
    putDouble(offset.y);
  }
  void putFont(const FontDescription& font) {
    const FontDescription::Record record = font.toRecord();
    bytes_.append(reinterpret_cast<const char*>(record.data()), record.size());
  }
  std::string take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

// Reads fields in order; a field that does not fit in what is left fails and
// every later one fails too, leaving its destination as it was.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool getInt(int32_t& value) {
    uint8_t raw[4];
    if (!take(raw, 4)) return false;
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(raw[i]) << (8 * i);
    value = static_cast<int32_t>(bits);
    return true;
  }
  bool getByte(uint8_t& value) { return take(&value, 1); }
  bool getDouble(double& value) {
    uint8_t raw[8];
    if (!take(raw, 8)) return false;
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(raw[i]) << (8 * i);
    std::memcpy(&value, &bits, sizeof value);
    return true;
  }
  // Offsets that are not numbers (or absurdly large) keep the current pair.
  void getOffset(Offset& offset) {
    double x = 0;
    double y = 0;
    if (!getDouble(x) || !getDouble(y)) return;
    if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > 100 || std::fabs(y) > 100) return;
    offset = Offset{x, y};
  }
  bool getFont(FontDescription& font) {
    FontDescription::Record record{};
    if (!take(record.data(), record.size())) return false;
    font = FontDescription::fromRecord(record);
    return true;
  }

 private:
  bool take(uint8_t* destination, size_t count) {
    if (bytes_.size() - position_ < count) {
      position_ = bytes_.size();
      return false;
    }
    std::memcpy(destination, bytes_.data() + position_, count);
    position_ += count;
    return true;
  }

  std::string_view bytes_;
  size_t position_ = 0;
};

// Stored widths: 0 = the load default, negative = minus pixels (turned into a
// share of the pixel total), positive = a share as it is.
void readColumnWidths(Reader& reader, std::array<int32_t, 6>& widths) {
  int64_t pixelTotal = 0;
  int64_t defaultTotal = 0;
  for (size_t i = 0; i < widths.size(); ++i) {
    int32_t value = 0;
    if (!reader.getInt(value)) break;
    if (value == 0) {
      value = kLoadDefaultWidths[i];
      defaultTotal += value;
    } else {
      pixelTotal -= value;
    }
    widths[i] = value;
  }
  if (pixelTotal <= 0 || defaultTotal >= 100) return;
  for (int32_t& width : widths) {
    if (width >= 0) continue;
    // In 64 bits, and at most the whole list, so no width can overflow.
    const int64_t share = (-static_cast<int64_t>(width) * 100) / pixelTotal;
    width = static_cast<int32_t>(std::min<int64_t>(share, 100));
  }
}

void readTable(Reader& reader, LetterCounts& table) {
  for (int32_t& entry : table) {
    int32_t value = 0;
    if (!reader.getInt(value)) return;
    entry = std::clamp(value, 0, kMaxTableEntry);
  }
}

std::string readFile(const std::string& path, bool& opened) {
  std::ifstream file(path, std::ios::binary);
  opened = static_cast<bool>(file);
  if (!opened) return {};
  // Nothing past the version-7 layout is ever read.
  std::string bytes(kConfigFileSize, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(file.gcount()));
  return bytes;
}

}  // namespace

std::string encodeSettings(const GameState& state, const ColumnPixelWidths& pixelWidths) {
  const Settings& settings = state.settings;
  Writer writer;
  writer.putInt(kConfigVersion);
  writer.putFont(settings.fonts.coordFont);
  writer.putFont(settings.fonts.wordFont);
  writer.putFont(settings.fonts.valueFont);
  writer.putFont(settings.fonts.turnListFont);
  writer.putByte(settings.hideValues);
  writer.putOffset(settings.labelOffset);
  writer.putOffset(settings.letterOffset);
  writer.putOffset(settings.valueOffset);
  for (const int32_t width : pixelWidths) writer.putInt(-width);
  writer.putByte(settings.alphabeticalDraw);
  writer.putFont(settings.fonts.bagFont);
  writer.putByte(static_cast<uint8_t>(settings.blankChar));
  for (const int32_t count : state.countTable) writer.putInt(count);
  for (const int32_t value : state.valueTable) writer.putInt(value);
  writer.putInt(settings.soundDuration);
  writer.putInt(settings.soundFrequency);
  return writer.take();
}

int32_t decodeSettings(GameState& state, std::string_view bytes) {
  Settings& settings = state.settings;
  Reader reader(bytes);
  int32_t version = 0;
  if (!reader.getInt(version) || version > kConfigVersion) return 0;
  // A version of 0 or less is read as the first version.
  const int32_t asVersion = std::max(version, 1);

  FontSet& fonts = settings.fonts;
  FontDescription* lastFont = &fonts.turnListFont;
  reader.getFont(fonts.coordFont);
  reader.getFont(fonts.wordFont);
  reader.getFont(fonts.valueFont);
  reader.getFont(fonts.turnListFont);
  reader.getByte(settings.hideValues);
  reader.getOffset(settings.labelOffset);
  reader.getOffset(settings.letterOffset);
  reader.getOffset(settings.valueOffset);
  if (asVersion >= 2) readColumnWidths(reader, settings.columnWidths);
  if (asVersion >= 3) reader.getByte(settings.alphabeticalDraw);
  FontDescription bagFont = *lastFont;
  if (asVersion >= 4) reader.getFont(bagFont);
  fonts.bagFont = bagFont;
  if (asVersion >= 5) {
    uint8_t blank = 0;
    // Only '*' and '+' can stand for a blank; anything else keeps the current one.
    if (reader.getByte(blank) && (blank == '*' || blank == '+')) {
      settings.blankChar = static_cast<char>(blank);
    }
  }
  if (asVersion >= 6) {
    readTable(reader, state.countTable);
    readTable(reader, state.valueTable);
    state.valueTable[0] = 0;  // the blank never scores
  }
  if (asVersion >= 7) {
    reader.getInt(settings.soundDuration);
    reader.getInt(settings.soundFrequency);
  }
  return asVersion;
}

bool loadSettings(GameState& state, const std::string& folder) {
  bool opened = false;
  std::string bytes = readFile(folder + "/" + kConfigFileName, opened);
  if (!opened) bytes = readFile(folder + "/" + kOldConfigFileName, opened);
  if (!opened) return false;
  const int32_t version = decodeSettings(state, bytes);
  if (version == 0) return false;
  if (version != kConfigVersion) {
    saveSettings(state, nominalColumnWidths(state.settings), folder);
  }
  return true;
}

bool saveSettings(const GameState& state, const ColumnPixelWidths& pixelWidths,
                  const std::string& folder) {
  return writeFileAtomically(folder + "/" + kConfigFileName, encodeSettings(state, pixelWidths));
}

ColumnPixelWidths nominalColumnWidths(const Settings& settings) {
  ColumnPixelWidths widths{};
  std::transform(settings.columnWidths.begin(), settings.columnWidths.end(), widths.begin(),
                 [](int32_t width) { return width > 0 ? width : -width; });
  return widths;
}

}  // namespace kwarrel

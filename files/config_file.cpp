#include "files/config_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "files/atomic_file.h"
#include "files/paths.h"
#include "files/regular_file.h"

namespace kwarrel {

namespace {

static_assert(std::numeric_limits<double>::is_iec559, "offsets are stored as IEEE doubles");

// Widths used for a column stored as 0; note 27 rather than 30 for columns 2 and 3.
constexpr std::array<int32_t, 6> kLoadDefaultWidths = {10, 27, 27, 13, 10, 15};
// The tile-set dialog takes two digits; larger tables would make the bag huge.
constexpr int32_t kMaxTableEntry = 99;
// The settings dialog takes four digits for the tone's length and pitch.
constexpr int32_t kMaxSoundValue = 9999;
// Offsets are fractions of a square; beyond this the text is far off the board.
constexpr double kMaxOffset = 100;

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

// Flags are stored as a byte; anything but 0 counts as set.
void readFlag(Reader& reader, uint8_t& flag) {
  uint8_t value = 0;
  if (reader.getByte(value)) flag = value != 0 ? 1 : 0;
}

// Offsets that are not numbers, or absurdly large, keep the current pair.
void readOffset(Reader& reader, Offset& offset) {
  double x = 0;
  double y = 0;
  if (!reader.getDouble(x) || !reader.getDouble(y)) return;
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  if (std::fabs(x) > kMaxOffset || std::fabs(y) > kMaxOffset) return;
  offset = Offset{x, y};
}

// Stored widths: 0 = the load default, negative = minus pixels (turned into a
// share of the pixel total), positive = a share as it is. Sums run in 64 bits
// so that no stored value can overflow them.
void readColumnWidths(Reader& reader, std::array<int32_t, 6>& widths) {
  std::array<int64_t, 6> values{};
  size_t read = 0;
  int64_t pixelTotal = 0;
  int64_t defaultTotal = 0;
  for (; read < values.size(); ++read) {
    int32_t value = 0;
    if (!reader.getInt(value)) break;
    if (value == 0) {
      values[read] = kLoadDefaultWidths[read];
      defaultTotal += kLoadDefaultWidths[read];
    } else {
      values[read] = value;
      pixelTotal -= value;
    }
  }
  const bool toShares = pixelTotal > 0 && defaultTotal < 100;
  for (size_t i = 0; i < read; ++i) {
    int64_t width = values[i];
    if (toShares && width < 0) width = (-width * 100) / pixelTotal;
    widths[i] = static_cast<int32_t>(std::clamp<int64_t>(width, -kMaxColumnPixels, kMaxColumnShare));
  }
}

void readTable(Reader& reader, LetterCounts& table) {
  for (int32_t& entry : table) {
    int32_t value = 0;
    if (!reader.getInt(value)) return;
    entry = std::clamp(value, 0, kMaxTableEntry);
  }
}

void readSoundValue(Reader& reader, int32_t& target) {
  int32_t value = 0;
  if (reader.getInt(value)) target = std::clamp(value, 0, kMaxSoundValue);
}

void readBlankChar(Reader& reader, char& blankChar) {
  uint8_t value = 0;
  // Only '*' and '+' can stand for a blank; anything else keeps the current one.
  if (reader.getByte(value) && (value == '*' || value == '+')) {
    blankChar = static_cast<char>(value);
  }
}

// Nothing past the version-7 layout is ever read, so a huge file costs nothing.
// Only a regular file is read: a pipe of that name must not hold up the start.
bool readFile(const std::string& path, std::string& bytes) {
  int error = 0;
  const RegularRead read = readRegularFile(path, kConfigFileSize, bytes, error);
  return read == RegularRead::Read || read == RegularRead::Truncated;
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
  // A column has no negative width; clamping also keeps the negation defined.
  for (const int32_t width : pixelWidths) writer.putInt(-std::max(width, 0));
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
  // A version below 1 was never written: the file is not ours.
  if (!reader.getInt(version) || version < 1 || version > kConfigVersion) return 0;

  FontSet& fonts = settings.fonts;
  reader.getFont(fonts.coordFont);
  reader.getFont(fonts.wordFont);
  reader.getFont(fonts.valueFont);
  // Files without their own bag font take the last font read, the turn list's.
  FontDescription bagFont = fonts.bagFont;
  if (reader.getFont(fonts.turnListFont)) bagFont = fonts.turnListFont;
  readFlag(reader, settings.hideValues);
  readOffset(reader, settings.labelOffset);
  readOffset(reader, settings.letterOffset);
  readOffset(reader, settings.valueOffset);
  if (version >= 2) readColumnWidths(reader, settings.columnWidths);
  if (version >= 3) readFlag(reader, settings.alphabeticalDraw);
  if (version >= 4) reader.getFont(bagFont);
  fonts.bagFont = bagFont;
  if (version >= 5) readBlankChar(reader, settings.blankChar);
  if (version >= 6) {
    readTable(reader, state.countTable);
    // The blank's entry is kept as read: a newly laid blank scores it, while a blank
    // on the board counts 0 points whatever the table says.
    readTable(reader, state.valueTable);
  }
  if (version >= 7) {
    readSoundValue(reader, settings.soundDuration);
    readSoundValue(reader, settings.soundFrequency);
  }
  return version;
}

bool loadSettings(GameState& state, const std::string& folder) {
  std::string bytes;
  if (!readFile(inFolder(folder, kConfigFileName), bytes) &&
      !readFile(inFolder(folder, kOldConfigFileName), bytes)) {
    return false;
  }
  const int32_t version = decodeSettings(state, bytes);
  if (version == 0) return false;
  // Bring an older file up to date; a failed write changes nothing that was read.
  if (version != kConfigVersion) saveSettings(state, nominalColumnWidths(state.settings), folder);
  return true;
}

bool saveSettings(const GameState& state, const ColumnPixelWidths& pixelWidths,
                  const std::string& folder) {
  return writeFileAtomically(inFolder(folder, kConfigFileName), encodeSettings(state, pixelWidths));
}

ColumnPixelWidths nominalColumnWidths(const Settings& settings) {
  ColumnPixelWidths widths{};
  std::transform(settings.columnWidths.begin(), settings.columnWidths.end(), widths.begin(),
                 [](int32_t width) {
                   const int64_t pixels = width > 0 ? width : -static_cast<int64_t>(width);
                   return static_cast<int32_t>(std::min<int64_t>(pixels, kMaxColumnPixels));
                 });
  return widths;
}

}  // namespace kwarrel

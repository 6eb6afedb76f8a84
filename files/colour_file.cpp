#include "files/colour_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/paths.h"
#include "files/program_folder.h"
#include "files/regular_file.h"

namespace kwarrel {

namespace {

// Only the start of the first line is looked at, however long the line is.
constexpr size_t kMaxLineLength = 998;

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// One "%d" conversion: optional blanks, a sign, digits. A number beyond the
// 32-bit range is clamped to it rather than overflowing. False when no number
// stands here.
bool scanInteger(std::string_view line, size_t& position, int32_t& value) {
  while (position < line.size() && isBlank(line[position])) ++position;
  size_t at = position;
  bool negative = false;
  if (at < line.size() && (line[at] == '-' || line[at] == '+')) {
    negative = line[at] == '-';
    ++at;
  }
  if (at >= line.size() || !isDigit(line[at])) return false;
  int64_t magnitude = 0;
  for (; at < line.size() && isDigit(line[at]); ++at) {
    magnitude = std::min<int64_t>(magnitude * 10 + (line[at] - '0'), int64_t{1} << 31);
  }
  const int64_t signedValue = negative ? -magnitude : magnitude;
  value = static_cast<int32_t>(std::clamp<int64_t>(signedValue, INT32_MIN, INT32_MAX));
  position = at;
  return true;
}

void scanColourLine(Settings& settings, std::string_view line) {
  // The scan ends at a zero byte, as it would in a C string.
  line = line.substr(0, line.find('\0'));
  const std::array<int32_t*, 6> fields = {&settings.notFoundRed, &settings.notFoundGreen,
                                          &settings.notFoundBlue, &settings.foundRed,
                                          &settings.foundGreen,   &settings.foundBlue};
  size_t position = 0;
  for (int32_t* field : fields) {
    int32_t value = 0;
    if (!scanInteger(line, position, value)) return;  // the rest keep their values
    *field = value;
  }
}

Rgb lowBits(int32_t red, int32_t green, int32_t blue) {
  return Rgb{red & 0xFF, green & 0xFF, blue & 0xFF};
}

}  // namespace

void loadColourFile(Settings& settings) {
  loadColourFile(settings, inFolder(programFolder(), "kleur.txt"));
}

void loadColourFile(Settings& settings, const std::string& path) {
  // The first line never reaches past this many bytes. Only a regular file is
  // read: a pipe of that name must not hold up the start.
  std::string start;
  int error = 0;
  const RegularRead read = readRegularFile(path, kMaxLineLength, start, error);
  if (read != RegularRead::Read && read != RegularRead::Truncated) return;
  readColourText(settings, start);
}

void readColourText(Settings& settings, std::string_view text) {
  scanColourLine(settings, text.substr(0, text.find('\n')).substr(0, kMaxLineLength));
}

Rgb checkWordColour(const Settings& settings, bool found) {
  if (found) {
    if (settings.foundRed == -1) return Rgb{144, 255, 144};
    return lowBits(settings.foundRed, settings.foundGreen, settings.foundBlue);
  }
  if (settings.notFoundRed == -1) return Rgb{255, 0, 0};
  return lowBits(settings.notFoundRed, settings.notFoundGreen, settings.notFoundBlue);
}

}  // namespace kwarrel

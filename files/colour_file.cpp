#include "files/colour_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cctype>
#include <fstream>
#include <string>

#include "files/program_folder.h"

namespace kwarrel {

namespace {

// One "%d" conversion: optional blanks, a sign, digits. A number beyond the
// 32-bit range is clamped rather than overflowing. False when no number stands here.
bool scanInteger(const std::string& line, size_t& position, int32_t& value) {
  while (position < line.size() && std::isspace(static_cast<unsigned char>(line[position]))) {
    ++position;
  }
  size_t at = position;
  bool negative = false;
  if (at < line.size() && (line[at] == '-' || line[at] == '+')) {
    negative = line[at] == '-';
    ++at;
  }
  if (at >= line.size() || !std::isdigit(static_cast<unsigned char>(line[at]))) return false;
  int64_t magnitude = 0;
  for (; at < line.size() && std::isdigit(static_cast<unsigned char>(line[at])); ++at) {
    magnitude = std::min<int64_t>(magnitude * 10 + (line[at] - '0'), int64_t{1} << 31);
  }
  const int64_t signedValue = negative ? -magnitude : magnitude;
  value = static_cast<int32_t>(std::clamp<int64_t>(signedValue, INT32_MIN, INT32_MAX));
  position = at;
  return true;
}

}  // namespace

void loadColourFile(Settings& settings) {
  loadColourFile(settings, programFolder() + "/kleur.txt");
}

void loadColourFile(Settings& settings, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return;
  std::string line;
  if (!std::getline(file, line)) return;
  const std::array<int32_t*, 6> fields = {&settings.notFoundRed, &settings.notFoundGreen,
                                          &settings.notFoundBlue, &settings.foundRed,
                                          &settings.foundGreen, &settings.foundBlue};
  size_t position = 0;
  for (int32_t* field : fields) {
    int32_t value = 0;
    if (!scanInteger(line, position, value)) return;  // the rest keep their values
    *field = value;
  }
}

Rgb checkWordColour(const Settings& settings, bool found) {
  if (found) {
    if (settings.foundRed == -1) return Rgb{144, 255, 144};
    return Rgb{settings.foundRed & 255, settings.foundGreen & 255, settings.foundBlue & 255};
  }
  if (settings.notFoundRed == -1) return Rgb{255, 0, 0};
  return Rgb{settings.notFoundRed & 255, settings.notFoundGreen & 255, settings.notFoundBlue & 255};
}

}  // namespace kwarrel

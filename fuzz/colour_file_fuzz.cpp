// The colour file: any bytes set at most the six colour numbers, in order, as the
// C library's "%d" would read them from the first line, and give colours in range.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "files/colour_file.h"
#include "fuzz_check.h"
#include "game/settings.h"

namespace {

using kwarrel::fuzz::require;

constexpr size_t kLineLength = 998;

// Beyond this the C library's conversion overflows, while the reader clamps.
constexpr int32_t kSafeMagnitude = 999999999;

bool inRange(const kwarrel::Rgb& colour) {
  return colour.red >= 0 && colour.red <= 255 && colour.green >= 0 && colour.green <= 255 &&
         colour.blue >= 0 && colour.blue <= 255;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kwarrel::Settings settings;
  kwarrel::readColourText(settings, text);
  require(inRange(kwarrel::checkWordColour(settings, true)), "found colour in range");
  require(inRange(kwarrel::checkWordColour(settings, false)), "not-found colour in range");

  // The first line as a C string: up to its line feed or zero byte, at most 998 bytes.
  const std::string line(text.substr(0, std::min(text.find('\n'), kLineLength)));
  int values[6] = {-1, -1, -1, -1, -1, -1};
  const int converted = std::sscanf(line.c_str(), "%d %d %d %d %d %d", &values[0], &values[1],
                                    &values[2], &values[3], &values[4], &values[5]);
  const int32_t read[6] = {settings.notFoundRed, settings.notFoundGreen, settings.notFoundBlue,
                           settings.foundRed,    settings.foundGreen,    settings.foundBlue};
  for (int i = 0; i < 6; ++i) {
    if (i >= converted) {
      require(read[i] == -1, "a number missing from the line leaves its field");
      continue;
    }
    if (read[i] >= -kSafeMagnitude && read[i] <= kSafeMagnitude) {
      require(read[i] == values[i], "a number reads as %d reads it");
    }
  }
  return 0;
}

// A placement as the search produces it and the result list holds it.
#pragma once

#include <cstdint>
#include <string>

namespace kwarrel {

struct Move {
  std::string word;        // upper case = tile, lower case = blank standing for that letter
  int32_t row = 0;         // 1..15 of the first letter
  int32_t column = 0;      // column letter 'A'..'O' as a character code
  uint8_t horizontal = 1;  // 1 = along the row
  int32_t score = 0;
};

}  // namespace kwarrel

// One slip typed as one line, the way the game master reads it aloud:
//   "12 8H WISSER"   player 12, row 8 column H, across (row first)
//   "12 H8 WISSER"   down (column letter first), as squares are written in files
//   "12 = 34"        a bare score
//   "12 -"           no answer
#pragma once

#include <string>
#include <string_view>

#include "players/players.h"

namespace kwarrel {

struct SlipLine {
  int number = 0;
  bool noAnswer = false;  // "-": the player's answer for the turn is taken away
  Answer answer;
};

// Reads `text` into `slip`. Returns an empty text, or the Dutch message of what
// could not be read (then `slip` is not to be used).
std::string parseSlipLine(std::string_view text, SlipLine& slip);

// The square of a move answer as the slip line writes it: "8H" across, "H8" down.
std::string slipSquareText(const Answer& answer);

}  // namespace kwarrel

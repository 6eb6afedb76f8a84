// The whole game on one HTML page: the board coloured by premium squares, the
// table of turns with scores and running total, and the letters left in the bag.
#pragma once

#include <string>

#include "files/file_writer.h"
#include "game/game_state.h"

namespace kwarrel {

// The page as it is written, ISO-8859-1 with 0xA0 as the non-breaking space.
std::string boardPageText(const GameState& state);

// Replaces `path` with the page; false (previous file untouched) when it cannot
// be written.
bool writeBoardPage(const GameState& state, const std::string& path,
                    FileWriter& files = realFileWriter());

}  // namespace kwarrel

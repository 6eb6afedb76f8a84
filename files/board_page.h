// The whole game on one HTML page: the board coloured by premium squares, the
// table of turns with scores and running total, and the letters left in the bag.
#pragma once

#include <string>
#include <string_view>

#include "files/file_writer.h"
#include "game/game_state.h"

namespace kwarrel {

// The page as it is written, ISO-8859-1 with 0xA0 as the non-breaking space.
// `standingsLink` (HTML, "" for none) goes at the end of the page: the link to
// the standings page of a game with players.
std::string boardPageText(const GameState& state, std::string_view standingsLink = {});

// Replaces `path` with the page; false (previous file untouched) when it cannot
// be written.
bool writeBoardPage(const GameState& state, const std::string& path,
                    FileWriter& files = realFileWriter(), std::string_view standingsLink = {});

}  // namespace kwarrel

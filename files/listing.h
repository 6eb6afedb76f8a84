// The text listing of a game: one format-1 line per turn (optionally with the
// maximum of every turn), an empty line, and a picture of the board.
#pragma once

#include <string>

#include "files/file_writer.h"
#include "game/game_state.h"

namespace kwarrel {

// The listing as it is written. With `withMax` each turn is searched on the board
// of the turns before it; the turn table is put back and the game recomputed.
std::string gameListingText(GameState& state, bool withMax);

// Replaces `path` with the listing; false (previous file untouched) when it cannot
// be written.
bool writeGameListing(GameState& state, const std::string& path, bool withMax,
                      FileWriter& files = realFileWriter());

}  // namespace kwarrel

// Saving a game in the form its file name asks for.
#pragma once

#include <string>

#include "files/file_writer.h"
#include "game/game_state.h"

namespace kwarrel {

enum class SaveForm { Listing, MaxListing, BoardPage, TurnPages };

// The form the ending of `path` selects (case ignored): ".html" the board page,
// ".htm" the page-per-turn report, ".max" the listing with maxima, anything else
// the plain listing. An ending counts only when the file name is longer than it.
SaveForm saveFormFor(const std::string& path);

// Writes the game to `path` in that form; the game is recomputed afterwards where
// writing changed it. Returns whether everything was written.
bool saveGame(GameState& state, const std::string& path);

// The same through `files`; on failure `failedPath` names the file that could not
// be written: `path` itself, or for the page-per-turn report the page that failed.
// `standingsLink` (HTML, "" for none) ends the board page and the last page of the
// page-per-turn report: the link to the standings page of a game with players.
bool saveGame(GameState& state, const std::string& path, std::string& failedPath,
              FileWriter& files = realFileWriter(), const std::string& standingsLink = {});

}  // namespace kwarrel

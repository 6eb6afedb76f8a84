// Saving and loading a game together with its players file, so that a front end
// calls one thing. A game without players is saved exactly as saveGame saves it.
#pragma once

#include <string>
#include <vector>

#include "game/game_state.h"
#include "players/players.h"

namespace kwarrel {

// The standings page written beside the pages of a game with players: the stem
// of `savedPath` plus ".uitslag.html".
std::string standingsPagePath(const std::string& savedPath);

// Saves the game in the form the ending of `path` selects; with players also the
// players file beside it, and for the HTML forms the standings page they link to.
// Returns whether everything was written; when not, `failedPath` names a file
// that could not be written (the game's own first).
bool saveGameWithPlayers(GameState& state, const PlayersRecord& record, const std::string& path,
                         std::string& failedPath);
bool saveGameWithPlayers(GameState& state, const PlayersRecord& record, const std::string& path);

// Loads the game file (as loadGameFile; its result) and, when one lies beside it,
// the players file into `record`. What cannot be read of the players file is
// reported in `problems`, and so is a bare score above the top of its turn (it
// counts 0); a players file that cannot be read at all is reported and ignored.
int loadGameWithPlayers(GameState& state, PlayersRecord& record, const std::string& path,
                        std::vector<std::string>& problems, bool* turnsLeftOver = nullptr);

}  // namespace kwarrel

// The results folder: a record of every automatic game that got stuck, a log line
// with the turn and the draw, and a board page of the game at that moment.
#pragma once

#include <string>

#include "files/file_writer.h"
#include "game/game_state.h"

namespace kwarrel {

// The folder of the current directory that receives the records. It is never
// created by the program: when it is missing, nothing is written.
inline constexpr const char* kResultsFolder = "resultaten";

// Records that turn `turnIndex` found no move for `draw` (drawn order): appends
// "%d\t%s\n" to the log "0trekkingen.txt" in `folder`, raises the stuck-game
// counter and writes the board page "NOBESTE_<counter>.html". Files that cannot be
// written are skipped silently (a log line is written whole or not at all); an
// empty `folder` writes nothing.
void recordStuckGame(GameState& state, int turnIndex, const std::string& draw,
                     const std::string& folder, FileWriter& files = realFileWriter());

// The same with the results folder of the current directory.
void recordStuckGame(GameState& state, int turnIndex, const std::string& draw);

}  // namespace kwarrel

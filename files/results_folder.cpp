#include "files/results_folder.h"

#include <cstdint>
#include <limits>
#include <string>

#include "files/atomic_file.h"
#include "files/board_page.h"
#include "files/paths.h"

namespace kwarrel {

void recordStuckGame(GameState& state, int turnIndex, const std::string& draw,
                     const std::string& folder, FileWriter& files) {
  // The counter moves on even when nothing can be written, so page numbers stay
  // those of the cases of this run.
  if (state.stuckGameCounter < std::numeric_limits<int32_t>::max()) ++state.stuckGameCounter;
  if (folder.empty()) return;

  const std::string line = std::to_string(turnIndex) + '\t' + draw + '\n';
  appendToFile(inFolder(folder, "0trekkingen.txt"), line, files);
  const std::string page = "NOBESTE_" + std::to_string(state.stuckGameCounter) + ".html";
  writeBoardPage(state, inFolder(folder, page), files);
}

void recordStuckGame(GameState& state, int turnIndex, const std::string& draw) {
  recordStuckGame(state, turnIndex, draw, kResultsFolder);
}

}  // namespace kwarrel

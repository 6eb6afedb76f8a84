// The lines of the candidate list.
#pragma once

#include <string>
#include <vector>

#include "game/move.h"

namespace kwarrel {

// "%s %c%d%c %d": word, column letter, row, 'h' or 'v', score.
std::string formatCandidateLine(const Move& move);

// One line per result; " ********" marks the last move with the maximum score
// (when a lower one follows). With bestOnly the list ends at the marked line.
std::vector<std::string> candidateLines(const std::vector<Move>& results, bool bestOnly);

}  // namespace kwarrel

// kwarrel-cli moves GAME [--rack LETTERS] [--beste]: the result list of the turn in
// progress, one line per move as the candidate list shows it.
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "cli/game_loading.h"
#include "search/candidates.h"

namespace kwarrel::cli {
namespace {

const char* const kMovesUsage = "Gebruik: kwarrel-cli moves SPEL [--rack LETTERS] [--beste] [--maxb N]\n";

}  // namespace

int runMoves(int argc, char** argv) {
  const std::optional<Arguments> parsed = parseArguments(argc, argv, 2, {"beste"},
                                                          {"rack", "maxb", "woordenlijst"});
  if (!parsed || parsed->positional.size() != 1) return usageError(kMovesUsage);

  const WordGraph* words = wordsInUse(*parsed);
  if (words == nullptr) return kExitRejected;
  GameState state(*words);
  if (!loadGameForSearch(state, *parsed)) return kExitRejected;
  for (const std::string& line : candidateLines(state.results, state.bestOnly || parsed->has("beste"))) {
    std::printf("%s\n", line.c_str());
  }
  return kExitDone;
}

}  // namespace kwarrel::cli

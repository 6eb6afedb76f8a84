// kwarrel-cli save GAME OUT: loads a game file and saves it in the form the ending
// of OUT selects (.txt listing, .max listing with maxima, .html page, .htm pages).
// A game with players takes its players file along, and its pages link to the
// standings page written beside them.
#include <cstdio>
#include <memory>

#include "cli/cli.h"
#include "files/game_file.h"
#include "files/players_save.h"

namespace kwarrel::cli {

int runSave(int argc, char** argv) {
  const auto arguments = parseArguments(argc, argv, 2, {}, {"maxb", "woordenlijst"});
  if (!arguments || arguments->positional.size() != 2) {
    return usageError("Gebruik: kwarrel-cli save SPEL UIT [--maxb N]\n");
  }
  const std::string& gamePath = arguments->positional[0];
  const std::string& outPath = arguments->positional[1];

  const WordGraph* words = wordsInUse(*arguments);
  if (words == nullptr) return kExitRejected;
  auto state = std::make_unique<GameState>(*words);
  prepareGame(*state, *arguments);
  PlayersRecord players;
  if (!loadGameAndPlayers(*state, players, gamePath)) return kExitRejected;
  std::string failedPath;
  if (!saveGameWithPlayers(*state, players, outPath, failedPath)) {
    reportUnwritable(failedPath);
    return kExitRejected;
  }
  return kExitDone;
}

}  // namespace kwarrel::cli

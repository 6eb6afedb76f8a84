// kwarrel-cli save GAME OUT: loads a game file and saves it in the form the ending
// of OUT selects (.txt listing, .max listing with maxima, .html page, .htm pages).
#include <cstdio>
#include <memory>

#include "cli/cli.h"
#include "files/game_file.h"
#include "files/save.h"

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
  if (!loadGame(*state, gamePath)) return kExitRejected;
  if (!saveGame(*state, outPath)) {
    reportUnwritable(outPath);
    return kExitRejected;
  }
  return kExitDone;
}

}  // namespace kwarrel::cli

// A short demonstration: the program plays a whole game by itself and prints it.
#include <cstdio>
#include <cstdint>

#include "cli/cli.h"
#include "files/listing.h"
#include "game/auto_game.h"

namespace kwarrel::cli {

int runDemo(int argc, char** argv) {
  const char* const usage = "Gebruik: kwarrel-cli demo [--seed N] [--maxb N]\n";
  const auto arguments = parseArguments(argc, argv, 2, {}, {"seed", "maxb", "woordenlijst"});
  if (!arguments || !arguments->positional.empty()) return usageError(usage);
  const WordGraph* words = wordsInUse(*arguments);
  if (words == nullptr) return kExitRejected;
  GameState state(*words);
  prepareGame(state, *arguments);
  const std::optional<uint32_t> seed = seedFor(*arguments);
  if (!seed) return usageError(usage, "Ongeldige startwaarde voor --seed");
  state.random.seed(*seed);
  std::printf("Kwarrel speelt een automatisch duplicaatspel (seed %u).\n\n", *seed);
  // No results folder: a demonstration leaves nothing behind.
  autoGameCommand(state, "");
  std::fputs(gameListingText(state, true).c_str(), stdout);
  std::printf("Totaal: %d\n", state.totalScore);
  return kExitDone;
}

}  // namespace kwarrel::cli

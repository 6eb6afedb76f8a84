// kwarrel-cli auto OUT [options]: plays a whole game automatically, as the Auto
// button does, and saves it in the form the ending of OUT selects. Stuck games are
// recorded in the results folder of the current directory when it exists.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/cli.h"
#include "files/game_file.h"
#include "files/save.h"
#include "game/auto_game.h"

namespace kwarrel::cli {
namespace {

const char* const kAutoUsage =
    "Gebruik: kwarrel-cli auto UIT [opties]\n"
    "  --load SPEL          eerst dit spel inladen\n"
    "  --seed N             startwaarde van de toevalsgenerator (standaard: de tijd)\n"
    "  --loops N            optimalisatielussen, 0..9999\n"
    "  --maxb N             aantal beurten, 11..50 (anders genegeerd)\n"
    "  --limit-blanks       beperk blanco's in optimalisatie\n"
    "  --blank-every-draw   elke trekking minstens 1 blanco\n"
    "  --q-needs-u          Q enkel met U of blanco\n"
    "  --stop-at-bonzel     stop bij eerste bonzel\n"
    "  --alphabetical       trekking alfabetisch tonen\n";

void applyFlags(const Arguments& arguments, Settings& settings) {
  if (arguments.has("limit-blanks")) settings.limitBlanks = true;
  if (arguments.has("blank-every-draw")) settings.blankEveryDraw = true;
  if (arguments.has("q-needs-u")) settings.qNeedsU = true;
  if (arguments.has("stop-at-bonzel")) settings.stopAtFirstBonzel = true;
  if (arguments.has("alphabetical")) settings.alphabeticalDraw = 1;
}

}  // namespace

int runAuto(int argc, char** argv) {
  const std::optional<Arguments> parsed = parseArguments(
      argc, argv, 2,
      {"limit-blanks", "blank-every-draw", "q-needs-u", "stop-at-bonzel", "alphabetical"},
      {"load", "seed", "loops", "maxb", "woordenlijst"});
  if (!parsed) return usageError(kAutoUsage);
  if (parsed->positional.size() != 1) return usageError(kAutoUsage);
  const std::string& outPath = parsed->positional[0];

  const std::optional<uint32_t> seed = seedFor(*parsed);
  if (!seed) return usageError(kAutoUsage, "Ongeldige startwaarde voor --seed");
  std::optional<uint32_t> loops;
  if (const auto text = parsed->value("loops")) {
    loops = parseUnsigned(*text, 9999);
    if (!loops) return usageError(kAutoUsage, "Ongeldig aantal voor --loops (0..9999)");
  }

  const WordGraph* words = wordsInUse(*parsed);
  if (words == nullptr) return kExitRejected;
  GameState state(*words);
  prepareGame(state, *parsed);
  if (loops) state.settings.optimisationLoops = static_cast<int32_t>(*loops);
  applyFlags(*parsed, state.settings);
  state.random.seed(*seed);

  if (const auto gamePath = parsed->value("load")) {
    if (!loadGame(state, *gamePath)) return kExitRejected;
  }
  autoGameCommand(state);
  std::string failedPath;
  if (!saveGame(state, outPath, failedPath)) {
    reportUnwritable(failedPath);
    return kExitRejected;
  }
  return kExitDone;
}

}  // namespace kwarrel::cli

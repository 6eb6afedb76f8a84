// kwarrel-cli enter GAME TURN RACK SQUARE DIRECTION WORD [--skip-wordlist | --skip-all]
// [-o OUT]: the turn entry without a window. The entry is checked as the dialog
// checks it; an accepted entry is stored, the game recomputed and saved in the
// form the ending of OUT (or GAME) selects, with the players file when the game
// has players. Refusals print one Dutch line on stdout.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "files/game_file.h"
#include "files/players_save.h"
#include "game/turn_cycle.h"
#include "game/turn_entry.h"

namespace kwarrel::cli {
namespace {

const char* const kEnterUsage =
    "Gebruik: kwarrel-cli enter SPEL BEURT TREKKING VAKJE RICHTING WOORD\n"
    "                           [--skip-wordlist | --skip-all] [-o UIT] [--maxb N]\n"
    "  BEURT     1 .. aantal beurten\n"
    "  TREKKING  7 letters ('+' of '*' = blanco), of \"\" voor geen trekking\n"
    "  VAKJE     kolomletter en rijnummer, bv. H8\n"
    "  RICHTING  H (horizontaal) of V (vertikaal)\n"
    "  WOORD     het hele woord; kleine letter = blanco\n"
    "Zonder -o wordt SPEL zelf overschreven.\n";

// "-o" is the one single-dash option; it is read as "--out".
std::vector<char*> withLongOptions(int argc, char** argv, std::string& outOption) {
  outOption = "--out";
  std::vector<char*> arguments(argv, argv + argc);
  for (char*& argument : arguments) {
    if (std::string(argument) == "-o") argument = outOption.data();
  }
  return arguments;
}

}  // namespace

int runEnter(int argc, char** argv) {
  if (argc > 2 && std::string(argv[argc - 1]) == "-o") {
    return usageError(kEnterUsage, "Optie -o verwacht een waarde");
  }
  std::string outOption;
  std::vector<char*> arguments = withLongOptions(argc, argv, outOption);
  const std::optional<Arguments> parsed =
      parseArguments(argc, arguments.data(), 2, {"skip-wordlist", "skip-all"},
                     {"out", "maxb", "woordenlijst"});
  if (!parsed) return usageError(kEnterUsage);
  if (parsed->positional.size() != 6) return usageError(kEnterUsage);
  if (parsed->has("skip-wordlist") && parsed->has("skip-all")) {
    return usageError(kEnterUsage, "Kies --skip-wordlist of --skip-all, niet allebei");
  }
  const std::vector<std::string>& positional = parsed->positional;
  const std::string& gamePath = positional[0];
  const std::optional<uint32_t> turnNumber = parseUnsigned(positional[1], INT32_MAX);
  if (!turnNumber) return usageError(kEnterUsage, "Ongeldig beurtnummer");
  int row0 = 0;
  int column0 = 0;
  if (!parseSquare(positional[3], row0, column0)) return usageError(kEnterUsage, "Ongeldig vakje");
  bool horizontal = true;
  if (!parseDirection(positional[4], horizontal)) return usageError(kEnterUsage, "Richting moet H of V zijn");
  const EntryCheck check = parsed->has("skip-all")        ? EntryCheck::SkipAll
                           : parsed->has("skip-wordlist") ? EntryCheck::SkipWordList
                                                          : EntryCheck::Full;
  const std::string outPath = parsed->value("out").value_or(gamePath);

  const WordGraph* words = wordsInUse(*parsed);
  if (words == nullptr) return kExitRejected;
  GameState state(*words);
  prepareGame(state, *parsed);
  PlayersRecord players;
  if (!loadGameAndPlayers(state, players, gamePath)) return kExitRejected;
  const std::string message = enterTurn(state, static_cast<int>(*turnNumber) - 1, positional[2], row0, column0,
                                        horizontal, positional[5], check);
  if (!message.empty()) {
    std::printf("%s\n", message.c_str());
    return kExitRejected;
  }
  recomputeAfresh(state);
  std::string failedPath;
  if (!saveGameWithPlayers(state, players, outPath, failedPath)) {
    reportUnwritable(failedPath);
    return kExitRejected;
  }
  return kExitDone;
}

}  // namespace kwarrel::cli

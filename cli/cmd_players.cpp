// The players of a game on the command line:
//   kwarrel-cli uitslag SPEL [UIT]        the standings, printed or written by UIT's ending
//   kwarrel-cli speler SPEL NUMMER NAAM   adds or renames a player
//   kwarrel-cli oplossing SPEL NUMMER BEURT VAKJE RICHTING WOORD
//   kwarrel-cli oplossing SPEL NUMMER BEURT --score PUNTEN
//                                         adds or replaces one answer
//   kwarrel-cli klassement UIT SPEL...    the season table of several games
// The players file lies beside the game ("spel.txt" -> "spel.spelers.csv").
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "files/paths.h"
#include "files/players_file.h"
#include "files/standings_report.h"
#include "players/judging.h"
#include "players/standings.h"

namespace kwarrel::cli {
namespace {

const char* const kUitslagUsage =
    "Gebruik: kwarrel-cli uitslag SPEL [UIT] [--maxb N]\n"
    "  zonder UIT wordt de uitslag getoond; UIT: .txt, .html of .csv\n";
const char* const kSpelerUsage = "Gebruik: kwarrel-cli speler SPEL NUMMER NAAM [--maxb N]\n";
const char* const kOplossingUsage =
    "Gebruik: kwarrel-cli oplossing SPEL NUMMER BEURT VAKJE RICHTING WOORD [--maxb N]\n"
    "         kwarrel-cli oplossing SPEL NUMMER BEURT --score PUNTEN [--maxb N]\n"
    "  VAKJE     kolomletter en rijnummer, bv. H8\n"
    "  RICHTING  H (horizontaal) of V (vertikaal)\n"
    "  WOORD     het hele woord; kleine letter = blanco\n"
    "Een zet die de controle niet doorstaat, wordt bewaard en telt 0.\n";
const char* const kKlassementUsage =
    "Gebruik: kwarrel-cli klassement UIT SPEL... [--maxb N]\n"
    "  UIT: .txt, .html of .csv\n";

bool savePlayers(const std::string& gamePath, const PlayersRecord& record) {
  const std::string path = playersFilePath(gamePath);
  if (writePlayersFile(path, record)) return true;
  reportUnwritable(path);
  return false;
}

// The game at `path` with its players, on the word list in use and the settings
// of the current folder; nullptr after a message when either cannot be had.
std::unique_ptr<GameState> loadWithPlayers(const WordGraph& words, const Arguments& arguments,
                                           const std::string& path, PlayersRecord& record) {
  auto state = std::make_unique<GameState>(words);
  prepareGame(*state, arguments);
  if (!loadGameAndPlayers(*state, record, path)) return nullptr;
  return state;
}

}  // namespace

int runUitslag(int argc, char** argv) {
  const auto arguments = parseArguments(argc, argv, 2, {}, {"maxb", "woordenlijst"});
  if (!arguments || arguments->positional.empty() || arguments->positional.size() > 2) {
    return usageError(kUitslagUsage);
  }
  const std::string& gamePath = arguments->positional[0];
  const WordGraph* words = wordsInUse(*arguments);
  if (words == nullptr) return kExitRejected;
  PlayersRecord record;
  const auto state = loadWithPlayers(*words, *arguments, gamePath, record);
  if (!state) return kExitRejected;
  if (record.empty()) {
    std::fprintf(stderr, "Spel %s heeft geen spelers\n", gamePath.c_str());
    return kExitRejected;
  }
  const Klassement standings = klassement(record, judgeGame(*state, record));
  if (arguments->positional.size() == 1) {
    std::fputs(standingsText(standings, bareName(gamePath)).c_str(), stdout);
    return kExitDone;
  }
  const std::string& outPath = arguments->positional[1];
  if (!writeStandings(outPath, standings, bareName(gamePath))) {
    reportUnwritable(outPath);
    return kExitRejected;
  }
  return kExitDone;
}

int runSpeler(int argc, char** argv) {
  const auto arguments = parseArguments(argc, argv, 2, {}, {"maxb", "woordenlijst"});
  if (!arguments || arguments->positional.size() != 3) return usageError(kSpelerUsage);
  const std::string& gamePath = arguments->positional[0];
  const std::optional<uint32_t> number = parseUnsigned(arguments->positional[1], INT32_MAX);
  if (!number) return usageError(kSpelerUsage, "Ongeldig spelernummer");
  const WordGraph* words = wordsInUse(*arguments);
  if (words == nullptr) return kExitRejected;
  PlayersRecord record;
  const auto state = loadWithPlayers(*words, *arguments, gamePath, record);
  if (!state) return kExitRejected;
  const std::string message = setPlayer(record, static_cast<int>(*number), arguments->positional[2]);
  if (!message.empty()) {
    std::printf("%s\n", message.c_str());
    return kExitRejected;
  }
  return savePlayers(gamePath, record) ? kExitDone : kExitRejected;
}

int runOplossing(int argc, char** argv) {
  const auto arguments = parseArguments(argc, argv, 2, {}, {"score", "maxb", "woordenlijst"});
  if (!arguments) return usageError(kOplossingUsage);
  const std::vector<std::string>& positional = arguments->positional;
  const bool bareScore = arguments->has("score");
  if (positional.size() != (bareScore ? 3u : 6u)) return usageError(kOplossingUsage);
  const std::string& gamePath = positional[0];
  const std::optional<uint32_t> number = parseUnsigned(positional[1], INT32_MAX);
  if (!number) return usageError(kOplossingUsage, "Ongeldig spelernummer");
  const std::optional<uint32_t> turnNumber = parseUnsigned(positional[2], INT32_MAX);
  if (!turnNumber || *turnNumber == 0) return usageError(kOplossingUsage, "Ongeldig beurtnummer");
  Answer answer;
  if (bareScore) {
    const std::optional<uint32_t> points = parseUnsigned(*arguments->value("score"), kMaxAnswerPoints);
    if (!points) return usageError(kOplossingUsage, "Ongeldige score");
    answer = scoreAnswer(static_cast<int32_t>(*points));
  } else {
    int row0 = 0;
    int column0 = 0;
    if (!parseSquare(positional[3], row0, column0)) return usageError(kOplossingUsage, "Ongeldig vakje");
    bool horizontal = true;
    if (!parseDirection(positional[4], horizontal)) {
      return usageError(kOplossingUsage, "Richting moet H of V zijn");
    }
    answer = moveAnswer(row0, column0, horizontal, positional[5]);
  }

  const WordGraph* words = wordsInUse(*arguments);
  if (words == nullptr) return kExitRejected;
  PlayersRecord record;
  const auto state = loadWithPlayers(*words, *arguments, gamePath, record);
  if (!state) return kExitRejected;
  const int player = static_cast<int>(*number);
  const int turnIndex = static_cast<int>(std::min<uint32_t>(*turnNumber, kTurnSlots + 1)) - 1;
  const std::string message = setAnswer(record, player, turnIndex, answer);
  if (!message.empty()) {
    std::printf("%s\n", message.c_str());
    return kExitRejected;
  }
  const JudgedGame judged = judgeGame(*state, record);
  const Judgement& judgement = *judged.judgement(player, turnIndex);
  // Nothing can be judged on a turn that is not played, and a bare score above the
  // top cannot be right: both are refused. A refused move is the player's own
  // answer: it is kept and counts 0.
  const bool turnPlayed = turnIndex < state->maxTurns && judged.turns[turnIndex].played;
  if (judgement.refused && (bareScore || !turnPlayed)) {
    std::printf("%s\n", judgement.message.c_str());
    return kExitRejected;
  }
  if (!savePlayers(gamePath, record)) return kExitRejected;
  if (judgement.refused) {
    std::printf("Speler %d, beurt %d: 0 punten (%s)\n", player, turnIndex + 1, judgement.message.c_str());
  } else {
    std::printf("Speler %d, beurt %d: %d punten\n", player, turnIndex + 1, judgement.points);
  }
  return kExitDone;
}

int runKlassement(int argc, char** argv) {
  const auto arguments = parseArguments(argc, argv, 2, {}, {"maxb", "woordenlijst"});
  if (!arguments || arguments->positional.size() < 2) return usageError(kKlassementUsage);
  const std::string& outPath = arguments->positional[0];
  const WordGraph* words = wordsInUse(*arguments);
  if (words == nullptr) return kExitRejected;
  std::vector<Klassement> games;
  for (size_t i = 1; i < arguments->positional.size(); ++i) {
    const std::string& gamePath = arguments->positional[i];
    PlayersRecord record;
    const auto state = loadWithPlayers(*words, *arguments, gamePath, record);
    if (!state) return kExitRejected;
    games.push_back(klassement(record, judgeGame(*state, record)));
  }
  if (!writeSeason(outPath, seasonTable(games))) {
    reportUnwritable(outPath);
    return kExitRejected;
  }
  return kExitDone;
}

}  // namespace kwarrel::cli

#include "files/players_save.h"

#include <algorithm>

#include "files/game_file.h"
#include "files/html_text.h"
#include "files/paths.h"
#include "files/players_file.h"
#include "files/save.h"
#include "files/standings_report.h"
#include "players/judging.h"
#include "players/standings.h"

namespace kwarrel {

namespace {

std::string standingsLinkHtml(const std::string& fileName) {
  std::string out = "<p><a href=\"";
  appendLinkTarget(out, fileName);
  out += "\">Uitslag</a></p>\n";
  return out;
}

}  // namespace

std::string standingsPagePath(const std::string& savedPath) {
  return folderOf(savedPath) + fileStem(savedPath) + ".uitslag.html";
}

bool saveGameWithPlayers(GameState& state, const PlayersRecord& record, const std::string& path,
                         std::string& failedPath) {
  if (record.empty()) return saveGame(state, path, failedPath);
  const SaveForm form = saveFormFor(path);
  std::string link;
  bool written = true;
  if (form == SaveForm::BoardPage || form == SaveForm::TurnPages) {
    const std::string standingsPath = standingsPagePath(path);
    const Klassement standings = klassement(record, judgeGame(state, record));
    written = writeStandings(standingsPath, standings, bareName(path));
    if (!written) failedPath = standingsPath;
    link = standingsLinkHtml(bareName(standingsPath));
  }
  std::string gameFailed;
  if (!saveGame(state, path, gameFailed, realFileWriter(), link)) {
    written = false;
    failedPath = gameFailed;
  }
  const std::string playersPath = playersFilePath(path);
  if (!writePlayersFile(playersPath, record)) {
    if (written) failedPath = playersPath;
    written = false;
  }
  return written;
}

bool saveGameWithPlayers(GameState& state, const PlayersRecord& record, const std::string& path) {
  std::string failedPath;
  return saveGameWithPlayers(state, record, path, failedPath);
}

int loadGameWithPlayers(GameState& state, PlayersRecord& record, const std::string& path,
                        std::vector<std::string>& problems, bool* turnsLeftOver) {
  const int error = loadGameFile(state, path, turnsLeftOver);
  if (error != 0) return error;
  const std::string playersPath = playersFilePath(path);
  switch (readPlayersFile(playersPath, record, problems)) {
    case PlayersFileStatus::Absent:
      return 0;
    case PlayersFileStatus::Unreadable:
      problems.push_back("Kan spelersbestand " + playersPath + " niet lezen; het spel is zonder spelers geladen");
      return 0;
    case PlayersFileStatus::Read:
      break;
  }
  // A bare score above the top cannot be right: it counts 0, and the file says so.
  const bool anyBareScore = std::any_of(record.answers.begin(), record.answers.end(),
                                        [](const auto& entry) { return entry.second.bareScore; });
  if (!anyBareScore) return 0;
  const JudgedGame judged = judgeGame(state, record);
  for (const auto& [key, answer] : record.answers) {
    const Judgement* judgement = judged.judgement(key.first, key.second);
    if (!answer.bareScore || judgement == nullptr || !judgement->refused) continue;
    problems.push_back("Speler " + std::to_string(key.first) + ", beurt " +
                       std::to_string(key.second + 1) + ": " + judgement->message);
  }
  return 0;
}

}  // namespace kwarrel

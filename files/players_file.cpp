#include "files/players_file.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "files/atomic_file.h"
#include "files/paths.h"
#include "files/regular_file.h"
#include "game/letters.h"
#include "game/turn.h"

namespace kwarrel {

namespace {

constexpr const char* kHeader = "soort;nummer;beurt;vakje;richting;woord";

std::string_view trimmedField(std::string_view field) {
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
  return field;
}

// A spreadsheet may put a field in double quotes (a doubled quote stands for one).
std::string unquoted(std::string_view field) {
  const std::string_view inner = trimmedField(field);
  if (inner.size() < 2 || inner.front() != '"' || inner.back() != '"') return std::string(field);
  std::string text;
  for (size_t i = 1; i + 1 < inner.size(); ++i) {
    text += inner[i];
    if (inner[i] == '"' && inner[i + 1] == '"') ++i;
  }
  return text;
}

std::vector<std::string> splitFields(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t end = line.find(';', start);
    fields.push_back(unquoted(line.substr(start, end == std::string_view::npos ? end : end - start)));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  // A spreadsheet fills every row out to the widest one with empty fields.
  while (!fields.empty() && trimmedField(fields.back()).empty()) fields.pop_back();
  return fields;
}

bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
  return text.size() == lower.size() &&
         std::equal(text.begin(), text.end(), lower.begin(),
                    [](char a, char b) { return lowerCase(a) == b; });
}

std::optional<int> parseNumber(std::string_view field, int limit) {
  field = trimmedField(field);
  if (field.empty() || field.size() > 9) return std::nullopt;
  int value = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > limit) return std::nullopt;
  return value;
}

// "H8": a column letter and a row; 0-based. Any square the file can hold is read:
// a square off the board is the answer's own fault and judged as such.
bool parseSquareName(std::string_view field, int& row0, int& column0) {
  field = trimmedField(field);
  if (field.size() < 2 || !isLetter(field.front())) return false;
  const std::optional<int> row = parseNumber(field.substr(1), 999);
  if (!row || *row < 1) return false;
  column0 = upperCase(field.front()) - 'A';
  row0 = *row - 1;
  return true;
}

// A field that a reader would take for a quoted one is written quoted.
std::string fieldText(std::string_view text) {
  const std::string_view inner = trimmedField(text);
  if (inner.empty() || inner.front() != '"') return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + '"';
}

struct Line {
  int number = 0;
  std::vector<std::string> fields;
};

// Why an answer line cannot be read; empty when `answer` holds it.
std::string readAnswer(const Line& line, bool bareScore, int& player, int& turnIndex,
                       Answer& answer) {
  const std::vector<std::string>& f = line.fields;
  const size_t wanted = bareScore ? 4 : 6;
  if (f.size() != wanted) return bareScore ? "verwacht score;NUMMER;BEURT;PUNTEN"
                                           : "verwacht oplossing;NUMMER;BEURT;VAKJE;RICHTING;WOORD";
  const std::optional<int> number = parseNumber(f[1], kMaxPlayerNumber);
  if (!number || *number < 1) return "ongeldig spelernummer";
  const std::optional<int> turn = parseNumber(f[2], kTurnSlots);
  if (!turn || *turn < 1) return "ongeldig beurtnummer";
  player = *number;
  turnIndex = *turn - 1;
  if (bareScore) {
    const std::optional<int> points = parseNumber(f[3], kMaxAnswerPoints);
    if (!points) return "ongeldige score";
    answer = scoreAnswer(*points);
    return {};
  }
  int row0 = 0;
  int column0 = 0;
  if (!parseSquareName(f[3], row0, column0)) return "ongeldig vakje";
  const std::string_view direction = trimmedField(f[4]);
  if (!equalsIgnoringCase(direction, "h") && !equalsIgnoringCase(direction, "v")) {
    return "richting moet H of V zijn";
  }
  const std::string_view word = trimmedField(f[5]);
  answer = moveAnswer(row0, column0, equalsIgnoringCase(direction, "h"), word);
  return {};
}

using LineProblems = std::vector<std::pair<int, std::string>>;

}  // namespace

std::string playersFilePath(const std::string& gamePath) {
  return folderOf(gamePath) + fileStem(gamePath) + ".spelers.csv";
}

std::string playersFileText(const PlayersRecord& record) {
  std::string out = kHeader;
  out += '\n';
  for (const Player& player : record.players) {
    out += "speler;" + std::to_string(player.number) + ';' + fieldText(player.name) + '\n';
  }
  for (const auto& [key, answer] : record.answers) {
    const std::string prefix = std::to_string(key.first) + ';' + std::to_string(key.second + 1) + ';';
    if (answer.bareScore) {
      out += "score;" + prefix + std::to_string(answer.points) + '\n';
      continue;
    }
    out += "oplossing;" + prefix;
    out += static_cast<char>('A' + answer.column0);
    out += std::to_string(answer.row0 + 1);
    out += answer.horizontal ? ";H;" : ";V;";
    out += fieldText(answer.word) + '\n';
  }
  return out;
}

void readPlayersText(std::string_view text, PlayersRecord& record,
                     std::vector<std::string>& problems) {
  record = PlayersRecord{};
  LineProblems lineProblems;
  std::vector<Line> answerLines;
  int number = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view content = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
    Line line{number, splitFields(content)};
    if (line.fields.empty()) continue;  // an empty row of the spreadsheet
    const std::string_view kind = trimmedField(line.fields[0]);
    if (equalsIgnoringCase(kind, "soort")) continue;
    if (equalsIgnoringCase(kind, "oplossing") || equalsIgnoringCase(kind, "score")) {
      answerLines.push_back(std::move(line));
      continue;
    }
    if (!equalsIgnoringCase(kind, "speler")) {
      lineProblems.emplace_back(number, "onbekende soort");
      continue;
    }
    if (line.fields.size() != 3) {
      lineProblems.emplace_back(number, "verwacht speler;NUMMER;NAAM");
      continue;
    }
    const std::optional<int> player = parseNumber(line.fields[1], kMaxPlayerNumber);
    std::string message = player ? setPlayer(record, *player, line.fields[2]) : "ongeldig spelernummer";
    if (!message.empty()) lineProblems.emplace_back(number, message);
  }
  // After every player is known, wherever the spreadsheet put them.
  for (const Line& line : answerLines) {
    const bool bareScore = equalsIgnoringCase(trimmedField(line.fields[0]), "score");
    int player = 0;
    int turnIndex = 0;
    Answer answer;
    std::string message = readAnswer(line, bareScore, player, turnIndex, answer);
    if (message.empty()) message = setAnswer(record, player, turnIndex, answer);
    if (!message.empty()) lineProblems.emplace_back(line.number, message);
  }
  std::stable_sort(lineProblems.begin(), lineProblems.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [lineNumber, why] : lineProblems) {
    problems.push_back("Regel " + std::to_string(lineNumber) + " overgeslagen: " + why);
  }
}

PlayersFileStatus readPlayersFile(const std::string& path, PlayersRecord& record,
                                  std::vector<std::string>& problems) {
  record = PlayersRecord{};
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    return error ? PlayersFileStatus::Unreadable : PlayersFileStatus::Absent;
  }
  // 999 players with an answer for each of 50 turns fit in well under this; a
  // pipe or device there is never waited for.
  constexpr size_t kLargestPlayersFile = size_t{8} << 20;
  std::string text;
  int readError = 0;
  if (readRegularFile(path, kLargestPlayersFile, text, readError) != RegularRead::Read) {
    return PlayersFileStatus::Unreadable;
  }
  readPlayersText(text, record, problems);
  return PlayersFileStatus::Read;
}

bool writePlayersFile(const std::string& path, const PlayersRecord& record) {
  return writeFileAtomically(path, playersFileText(record));
}

}  // namespace kwarrel

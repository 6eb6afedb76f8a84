#include <algorithm>
#include <cstdio>
#include <ctime>

#include "cli/cli.h"
#include "files/config_file.h"
#include "files/game_file.h"
#include "files/players_save.h"
#include "game/letters.h"

namespace kwarrel::cli {

std::optional<std::string> Arguments::value(const std::string& name) const {
  const auto found = options.find(name);
  if (found == options.end()) return std::nullopt;
  return found->second.back();
}

std::vector<std::string> Arguments::values(const std::string& name) const {
  const auto found = options.find(name);
  return found == options.end() ? std::vector<std::string>{} : found->second;
}

std::optional<Arguments> parseArguments(int argc, char** argv, int first,
                                        const std::vector<std::string>& flags,
                                        const std::vector<std::string>& withValue) {
  Arguments arguments;
  for (int i = first; i < argc; ++i) {
    const std::string text = argv[i];
    if (text.size() < 3 || text.compare(0, 2, "--") != 0) {
      arguments.positional.push_back(text);
      continue;
    }
    const std::string name = text.substr(2);
    if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
      arguments.options[name].push_back("");
      continue;
    }
    if (std::find(withValue.begin(), withValue.end(), name) == withValue.end()) {
      std::fprintf(stderr, "Onbekende optie: %s\n", text.c_str());
      return std::nullopt;
    }
    if (i + 1 >= argc) {
      std::fprintf(stderr, "Optie %s verwacht een waarde\n", text.c_str());
      return std::nullopt;
    }
    arguments.options[name].push_back(argv[++i]);
  }
  return arguments;
}

void reportUnreadable(const std::string& path) {
  std::fprintf(stderr, "Kan bestand %s niet lezen\n", path.c_str());
}

void reportUnwritable(const std::string& path) {
  std::fprintf(stderr, "Kan bestand %s niet schrijven\n", path.c_str());
}

void prepareGame(GameState& state, const Arguments& arguments) {
  // As the program starts: the settings of the current folder, when there are any.
  loadSettings(state);
  for (const std::string& text : arguments.values("maxb")) {
    if (const std::optional<int> maxTurns = parseMaxTurns(text)) state.maxTurns = *maxTurns;
  }
}

namespace {

// A game with more turns than this one has would lose its later turns.
bool reportTurnsLeftOver(const GameState& state, const std::string& path, bool turnsLeftOver) {
  if (turnsLeftOver) {
    std::fprintf(stderr, "Spel %s heeft meer dan %d beurten; geef het aantal met --maxb\n",
                 path.c_str(), state.maxTurns);
    return false;
  }
  return true;
}

}  // namespace

bool loadGame(GameState& state, const std::string& path) {
  bool turnsLeftOver = false;
  if (const int result = loadGameFile(state, path, &turnsLeftOver); result != 0) {
    std::fprintf(stderr, "%s\n", loadGameMessage(result, path).c_str());
    return false;
  }
  return reportTurnsLeftOver(state, path, turnsLeftOver);
}

bool loadGameAndPlayers(GameState& state, PlayersRecord& record, const std::string& path) {
  std::vector<std::string> problems;
  bool turnsLeftOver = false;
  if (const int result = loadGameWithPlayers(state, record, path, problems, &turnsLeftOver);
      result != 0) {
    std::fprintf(stderr, "%s\n", loadGameMessage(result, path).c_str());
    return false;
  }
  for (const std::string& problem : problems) std::fprintf(stderr, "%s\n", problem.c_str());
  return reportTurnsLeftOver(state, path, turnsLeftOver);
}

std::optional<uint32_t> seedFor(const Arguments& arguments) {
  // The program seeds with the time in seconds; a given seed replays a game.
  const std::optional<std::string> text = arguments.value("seed");
  if (!text) return static_cast<uint32_t>(std::time(nullptr));
  return parseUnsigned(*text, UINT32_MAX);
}

std::optional<int> parseMaxTurns(const std::string& digits) {
  const std::optional<uint32_t> value = parseUnsigned(digits, 50);
  if (!value || *value < 11) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<uint32_t> parseUnsigned(const std::string& text, uint32_t limit) {
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    // Held just past the limit: long runs of digits are refused, never overflowing.
    value = std::min<uint64_t>(value * 10 + static_cast<uint64_t>(c - '0'), uint64_t{limit} + 1);
  }
  if (value > limit) return std::nullopt;
  return static_cast<uint32_t>(value);
}

bool parseSquare(const std::string& text, int& row0, int& column0) {
  if (text.size() < 2) return false;
  const char letter = upperCase(text[0]);
  if (!isUpperLetter(letter)) return false;
  const std::optional<uint32_t> row = parseUnsigned(text.substr(1), 999999);
  if (!row) return false;
  column0 = letter - 'A';
  row0 = static_cast<int>(*row) - 1;
  return true;
}

bool parseDirection(const std::string& text, bool& horizontal) {
  if (text == "H" || text == "h") {
    horizontal = true;
    return true;
  }
  if (text == "V" || text == "v") {
    horizontal = false;
    return true;
  }
  return false;
}

int usageError(const char* usage, const char* problem) {
  if (problem != nullptr) std::fprintf(stderr, "%s\n", problem);
  std::fputs(usage, stderr);
  return kExitUsage;
}

}  // namespace kwarrel::cli

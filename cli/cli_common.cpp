#include <algorithm>
#include <cstdio>

#include "cli/cli.h"
#include "files/config_file.h"

namespace kwarrel::cli {

std::optional<std::string> Arguments::value(const std::string& name) const {
  const auto found = options.find(name);
  if (found == options.end()) return std::nullopt;
  return found->second;
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
      arguments.options[name] = "";
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
    arguments.options[name] = argv[++i];
  }
  return arguments;
}

void reportUnreadable(const std::string& path) {
  std::fprintf(stderr, "Kan bestand %s niet lezen\n", path.c_str());
}

void reportUnwritable(const std::string& path) {
  std::fprintf(stderr, "Kan bestand %s niet schrijven\n", path.c_str());
}

void prepareGame(GameState& state) {
  // As the program starts: the settings of the current folder, when there are any.
  loadSettings(state);
}

}  // namespace kwarrel::cli

namespace kwarrel::cli {

std::optional<int> parseMaxTurns(const std::string& digits) {
  if (digits.empty()) return std::nullopt;
  int value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min(value * 10 + (c - '0'), 1000);  // large enough to be refused, never overflowing
  }
  if (value < 11 || value > 50) return std::nullopt;
  return value;
}

}  // namespace kwarrel::cli

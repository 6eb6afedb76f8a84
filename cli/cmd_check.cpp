// kwarrel-cli check WORD...: the check-word look-up for scripts, one line a word,
// after a line naming the word list looked in.
#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "dict/word_graph.h"
#include "game/letters.h"

namespace kwarrel::cli {

int runCheck(int argc, char** argv) {
  const char* const usage =
      "Gebruik: kwarrel-cli check WOORD... [--woordenlijst BESTAND]\n"
      "Zegt van elk woord of het in de woordenlijst staat.\n";
  const std::optional<Arguments> parsed = parseArguments(argc, argv, 2, {}, {"woordenlijst"});
  if (!parsed || parsed->positional.empty()) return usageError(usage);
  const WordGraph* graph = wordsInUse(*parsed);
  if (graph == nullptr) return kExitRejected;
  std::printf("Opgezocht in: %s\n", wordListName(*graph).c_str());
  int exitCode = kExitDone;
  for (const std::string& text : parsed->positional) {
    const bool listed = isListedWord(*graph, text);
    std::string word = text;
    std::transform(word.begin(), word.end(), word.begin(), [](char c) { return upperCase(c); });
    std::printf("%s: %s\n", word.c_str(),
                listed ? "Woord staat in de woordenlijst"
                       : "Woord staat NIET in de woordenlijst");
    if (!listed) exitCode = kExitRejected;
  }
  return exitCode;
}

}  // namespace kwarrel::cli

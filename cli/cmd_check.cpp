// kwarrel-cli check WORD...: the check-word look-up for scripts, one line a word.
#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "dict/word_graph.h"
#include "game/letters.h"

namespace kwarrel::cli {

int runCheck(int argc, char** argv) {
  if (argc < 3) {
    return usageError("Gebruik: kwarrel-cli check WOORD...\n"
                      "Zegt van elk woord of het in de woordenlijst staat.\n");
  }
  const WordGraph& graph = builtInWordGraph();
  int exitCode = kExitDone;
  for (int i = 2; i < argc; ++i) {
    const bool listed = isListedWord(graph, argv[i]);
    std::string word = argv[i];
    std::transform(word.begin(), word.end(), word.begin(), [](char c) { return upperCase(c); });
    std::printf("%s: %s\n", word.c_str(),
                listed ? "Woord staat in de woordenlijst"
                       : "Woord staat NIET in de woordenlijst");
    if (!listed) exitCode = kExitRejected;
  }
  return exitCode;
}

}  // namespace kwarrel::cli

// kwarrel-cli check WORD...: the check-word look-up for scripts, one line a word.
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "dict/word_graph.h"

namespace kwarrel::cli {
namespace {

std::string upperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

int runCheck(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("Gebruik: kwarrel-cli check WOORD...\n"
               "Zegt van elk woord of het in de woordenlijst staat.\n",
               stderr);
    return kExitUsage;
  }
  const WordGraph& graph = builtInWordGraph();
  int exitCode = kExitDone;
  for (int i = 2; i < argc; ++i) {
    const bool listed = isListedWord(graph, argv[i]);
    std::printf("%s: %s\n", upperCase(argv[i]).c_str(),
                listed ? "Woord staat in de woordenlijst"
                       : "Woord staat NIET in de woordenlijst");
    if (!listed) exitCode = kExitRejected;
  }
  return exitCode;
}

}  // namespace kwarrel::cli

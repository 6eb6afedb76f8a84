// The word list a command plays by: --woordenlijst FILE, else the program
// folder's woordenlijst.txt, else the list built into the program.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "cli/cli.h"
#include "files/word_list_file.h"

namespace kwarrel::cli {

const WordGraph* wordsInUse(const Arguments& arguments, bool programFolderList) {
  // One command runs per process; the graph lives until it ends.
  static std::optional<WordGraph> own;
  const std::optional<std::string> given = arguments.value("woordenlijst");
  const std::string path = given ? *given : programFolderWordList();
  std::error_code missing;
  if (!given && (!programFolderList || !std::filesystem::exists(path, missing))) {
    return &builtInWordGraph();
  }

  OwnWordList loaded = loadOwnWordList(path, wordGraphCachePath(path));
  if (loaded.graph) {
    own = std::move(loaded.graph);
    return &*own;
  }
  if (given) {
    std::fprintf(stderr, "Woordenlijst %s: %s\n", path.c_str(), loaded.error.c_str());
    return nullptr;
  }
  std::fprintf(stderr, "Woordenlijst %s: %s; de ingebouwde woordenlijst wordt gebruikt\n",
               path.c_str(), loaded.error.c_str());
  return &builtInWordGraph();
}

}  // namespace kwarrel::cli

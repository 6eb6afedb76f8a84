// kwarrel-cli square GAME SQUARE [--rack LETTERS]: the moves of the last search that
// start on one square, as the possibilities dialog lists them. A square where no
// move starts opens no dialog, so nothing is printed.
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "cli/game_loading.h"
#include "search/square_moves.h"

namespace kwarrel::cli {
namespace {

const char* const kSquareUsage =
    "Gebruik: kwarrel-cli square SPEL VAKJE [--rack LETTERS] [--maxb N]\n"
    "  VAKJE  kolomletter A..O en rijnummer 1..15, bv. H8\n";

void printLines(const char* label, const std::vector<std::string>& lines) {
  std::printf("%s\n", label);
  for (const std::string& line : lines) std::printf("%s\n", line.c_str());
}

}  // namespace

int runSquare(int argc, char** argv) {
  const std::optional<Arguments> parsed = parseArguments(argc, argv, 2, {}, {"rack", "maxb", "woordenlijst"});
  if (!parsed || parsed->positional.size() != 2) return usageError(kSquareUsage);
  int row0 = 0;
  int column0 = 0;
  if (!parseSquare(parsed->positional[1], row0, column0) || row0 < 0 || row0 >= kBoardSize ||
      column0 >= kBoardSize) {
    return usageError(kSquareUsage, "Ongeldig vakje");
  }

  const WordGraph* words = wordsInUse(*parsed);
  if (words == nullptr) return kExitRejected;
  GameState state(*words);
  if (!loadGameForSearch(state, *parsed)) return kExitRejected;
  const std::optional<SquarePossibilities> possibilities = squarePossibilities(state, row0, column0);
  if (!possibilities) return kExitDone;
  std::printf("%s\n", possibilities->title.c_str());
  printLines("Horizontaal", possibilities->horizontal);
  printLines("Vertikaal", possibilities->vertical);
  return kExitDone;
}

}  // namespace kwarrel::cli

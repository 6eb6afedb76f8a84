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
    "Gebruik: kwarrel-cli square SPEL VAKJE [--rack LETTERS]\n"
    "  VAKJE  kolomletter A..O en rijnummer 1..15, bv. H8\n";

int squareUsage(const char* problem = nullptr) {
  if (problem != nullptr) std::fprintf(stderr, "%s\n", problem);
  std::fputs(kSquareUsage, stderr);
  return kExitUsage;
}

// "H8": column letter A..O (either case), then the row 1..15 in digits only.
bool parseSquareName(const std::string& text, int& row0, int& column0) {
  if (text.size() < 2 || text.size() > 3) return false;
  const char letter = upperCase(text[0]);
  if (letter < 'A' || letter > 'O') return false;
  int row = 0;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    row = row * 10 + (text[i] - '0');
  }
  if (row < 1 || row > kBoardSize) return false;
  row0 = row - 1;
  column0 = letter - 'A';
  return true;
}

void printLines(const char* label, const std::vector<std::string>& lines) {
  std::printf("%s\n", label);
  for (const std::string& line : lines) std::printf("%s\n", line.c_str());
}

}  // namespace

int runSquare(int argc, char** argv) {
  const std::optional<Arguments> parsed = parseArguments(argc, argv, 2, {}, {"rack"});
  if (!parsed || parsed->positional.size() != 2) return squareUsage();
  int row0 = 0;
  int column0 = 0;
  if (!parseSquareName(parsed->positional[1], row0, column0)) return squareUsage("Ongeldig vakje");

  GameState state(builtInWordGraph());
  if (!loadGameForSearch(state, parsed->positional[0], parsed->value("rack"))) return kExitRejected;
  const std::optional<SquarePossibilities> possibilities = squarePossibilities(state, row0, column0);
  if (!possibilities) return kExitDone;
  std::printf("%s\n", possibilities->title.c_str());
  printLines("Horizontaal", possibilities->horizontal);
  printLines("Vertikaal", possibilities->vertical);
  return kExitDone;
}

}  // namespace kwarrel::cli

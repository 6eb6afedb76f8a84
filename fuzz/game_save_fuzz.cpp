// The game text file as the window uses it: read, recompute, save in all four
// forms (listing, listing with maxima, board page, page per turn). Saving leaves
// the game as it was, and the saved listing reads back to the same turn table.
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

#include "dict/word_graph.h"
#include "files/game_file.h"
#include "files/save.h"
#include "fuzz_check.h"
#include "game/game_state.h"
#include "game/turn_cycle.h"

namespace {

using kwarrel::fuzz::require;
using kwarrel::GameState;
using kwarrel::Turn;

// One scratch folder per run for the saved files, removed when the run ends.
const std::string& scratchFolder() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/kwarrel-fuzz-XXXXXX";
    require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
    return pattern + "/";
  }();
  static const bool removedAtExit = [] {
    return std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(scratchFolder(), ignored);
    }) == 0;
  }();
  (void)removedAtExit;
  return folder;
}

std::string fileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool sameTurn(const Turn& a, const Turn& b) {
  return a.rack == b.rack && a.word == b.word && a.row == b.row && a.column == b.column &&
         a.horizontal == b.horizontal && a.score == b.score;
}

// The listing writes the turns up to the first without a whole rack, each with its
// word and square when the word has 1..15 characters, else its rack alone.
void requireReadBack(const GameState& saved, const GameState& loaded) {
  for (int i = 0; i < saved.maxTurns; ++i) {
    const Turn& turn = saved.turns[i];
    const Turn& back = loaded.turns[i];
    if (turn.rack.size() != kwarrel::kRackSize) {
      require(back.rack.empty(), "the listing ends where the racks end");
      return;
    }
    require(back.rack == turn.rack, "rack reads back");
    if (!turn.hasWrittenWord()) {
      require(back.word.empty(), "a turn written without its word reads back without one");
      continue;
    }
    require(back.word == turn.word, "word reads back");
    require(back.row == turn.row && back.column == turn.column, "square reads back");
    require(back.horizontal == turn.horizontal, "direction reads back");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static GameState game(kwarrel::builtInWordGraph());
  static GameState loaded(kwarrel::builtInWordGraph());
  const std::string& folder = scratchFolder();

  kwarrel::readGameText(game, std::string_view(reinterpret_cast<const char*>(data), size));
  kwarrel::recomputeAfresh(game);
  const std::array<Turn, kwarrel::kTurnSlots> before = game.turns;
  const int32_t total = game.totalScore;

  for (const char* name : {"spel.txt", "spel.max", "spel.html", "spel.htm"}) {
    require(kwarrel::saveGame(game, folder + name), "every form is saved");
    for (int i = 0; i < game.maxTurns; ++i) {
      require(sameTurn(game.turns[i], before[i]), "saving leaves the turn table as it was");
    }
    require(game.totalScore == total, "saving leaves the total as it was");
  }

  kwarrel::readGameText(loaded, fileText(folder + "spel.txt"));
  requireReadBack(game, loaded);
  kwarrel::readGameText(loaded, fileText(folder + "spel.max"));
  requireReadBack(game, loaded);
  return 0;
}

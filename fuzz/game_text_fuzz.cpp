// The game text file, read alone: any bytes give a turn table of whole racks and
// squares on the board, under the settings the first two bytes choose (tile set,
// blank character, first-blank rule, draw display), with 22 turns and with 11.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dict/word_graph.h"
#include "files/game_file.h"
#include "fuzz_check.h"
#include "fuzz_settings.h"
#include "game/game_state.h"

namespace {

using kwarrel::fuzz::require;

void readAndCheck(kwarrel::GameState& state, std::string_view text) {
  bool turnsLeftOver = false;
  kwarrel::readGameText(state, text, &turnsLeftOver);
  int read = 0;
  while (read < state.maxTurns && !state.turns[read].rack.empty()) ++read;
  require(!turnsLeftOver || read == state.maxTurns, "turns left over only after a full game");
  for (int i = 0; i < state.maxTurns; ++i) {
    const kwarrel::Turn& turn = state.turns[i];
    require(i < read || (turn.rack.empty() && turn.word.empty()), "no turn after the last rack");
    require(turn.rack.empty() || turn.rack.size() == kwarrel::kRackSize, "a rack has 7 letters");
    require(turn.row >= 1 && turn.row <= kwarrel::kBoardSize, "row on the board");
    require(turn.column >= 1 && turn.column <= kwarrel::kBoardSize, "column on the board");
    require(turn.word != "*", "no word is the maximum marker");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr size_t kHeaderSize = 2;
  if (size < kHeaderSize) return 0;
  static kwarrel::GameState full(kwarrel::builtInWordGraph());
  static kwarrel::GameState shortGame(kwarrel::builtInWordGraph());
  kwarrel::fuzz::applySettings(full, data[0], 1 + data[1] % 26);
  kwarrel::fuzz::applySettings(shortGame, data[0], 1 + data[1] % 26);
  shortGame.maxTurns = kwarrel::kMinMaxTurns;
  const std::string_view text(reinterpret_cast<const char*>(data) + kHeaderSize, size - kHeaderSize);
  readAndCheck(full, text);
  readAndCheck(shortGame, text);
  return 0;
}

// A typed-in turn on a fixed position after three turns (TAXIEND, BEZWIJKE, EEN),
// under each of the three check levels. A refused entry changes nothing; an entry
// accepted with every check for the turn in progress is a move the search finds
// there, worth the same.
//
// Input: check level (and, divided by 3, the settings flags of fuzz_settings.h),
// turn index, row, column (signed bytes, 0-based), direction (and, shifted, the
// letter a tile set may lack: one the position does not use), draw length, then
// the draw and the word.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dict/word_graph.h"
#include "fuzz_check.h"
#include "fuzz_settings.h"
#include "game/game_state.h"
#include "game/turn_cycle.h"
#include "game/turn_entry.h"

namespace {

using kwarrel::fuzz::require;
using kwarrel::GameState;
using kwarrel::Turn;

constexpr size_t kHeaderSize = 6;
constexpr size_t kMaxDrawLength = 9;
constexpr int kTurnInProgress = 3;

void setTurn(Turn& turn, const char* rack, const char* word, int row, int column, bool horizontal) {
  turn.rack = rack;
  turn.word = word;
  turn.row = row;
  turn.column = column;
  turn.horizontal = horizontal ? 1 : 0;
}

const std::array<Turn, kwarrel::kTurnSlots>& position() {
  static const std::array<Turn, kwarrel::kTurnSlots> turns = [] {
    GameState state(kwarrel::builtInWordGraph());
    setTurn(state.turns[0], "IDNXAET", "TAXIEND", 8, 2, true);
    setTurn(state.turns[1], "KWEEZBJ", "BEZWIJKE", 4, 5, false);
    setTurn(state.turns[2], "ENORSTA", "EEN", 11, 5, true);
    require(kwarrel::recomputeAfresh(state) == kTurnInProgress, "the position has three turns");
    return state.turns;
  }();
  return turns;
}

bool sameTurn(const Turn& a, const Turn& b) {
  return a.rack == b.rack && a.word == b.word && a.row == b.row && a.column == b.column &&
         a.horizontal == b.horizontal;
}

std::string upper(std::string word) {
  std::transform(word.begin(), word.end(), word.begin(), kwarrel::upperCase);
  return word;
}

// Searches the entry's draw on the position and looks for the entry among the moves
// filed on its first square.
void requireFoundBySearch(GameState& state) {
  const Turn entered = state.turns[kTurnInProgress];
  state.turns[kTurnInProgress].word.clear();
  require(kwarrel::recomputeAfresh(state) == kTurnInProgress, "the entered draw is searched");
  state.turns[kTurnInProgress] = entered;
  kwarrel::replayGame(state);
  const int32_t score = state.turns[kTurnInProgress].score;
  require(score >= 0, "an accepted entry can be scored");

  const std::vector<kwarrel::Move>& filed =
      state.squareMoves[(entered.row - 1) * kwarrel::kBoardSize + (entered.column - 1)];
  const std::string word = upper(entered.word);
  const bool found = std::any_of(filed.begin(), filed.end(), [&](const kwarrel::Move& move) {
    return move.horizontal == entered.horizontal && upper(move.word) == word &&
           move.score == score;
  });
  require(found, "an accepted entry is a move the search finds, with the same score");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeaderSize) return 0;
  static GameState state(kwarrel::builtInWordGraph());
  const std::array<Turn, kwarrel::kTurnSlots>& start = position();
  state.turns = start;
  // The position lays T A X I E N D B Z W J K; any other letter may be missing.
  constexpr std::string_view kUnused = "CFGHLMOPQRSUVY";
  const char missing = kUnused[(data[4] >> 1) % kUnused.size()];
  kwarrel::fuzz::applySettings(state, static_cast<uint8_t>(data[0] / 3), kwarrel::letterCode(missing));

  const auto check = static_cast<kwarrel::EntryCheck>(data[0] % 3);
  const int turnIndex = static_cast<int8_t>(data[1]);
  const int row0 = static_cast<int8_t>(data[2]);
  const int column0 = static_cast<int8_t>(data[3]);
  const bool horizontal = (data[4] & 1) != 0;
  const size_t drawLength = std::min<size_t>({data[5], kMaxDrawLength, size - kHeaderSize});
  const std::string_view rest(reinterpret_cast<const char*>(data) + kHeaderSize, size - kHeaderSize);
  const std::string_view draw = rest.substr(0, drawLength);
  const std::string_view word = rest.substr(drawLength);

  const std::string message =
      kwarrel::enterTurn(state, turnIndex, draw, row0, column0, horizontal, word, check);
  if (!message.empty()) {
    for (int i = 0; i < state.maxTurns; ++i) {
      require(sameTurn(state.turns[i], start[i]), "a refused entry changes nothing");
    }
    return 0;
  }
  if (check == kwarrel::EntryCheck::Full && turnIndex == kTurnInProgress && !word.empty()) {
    requireFoundBySearch(state);
    return 0;
  }
  // Whatever was let through must replay without harm.
  kwarrel::replayGame(state);
  return 0;
}

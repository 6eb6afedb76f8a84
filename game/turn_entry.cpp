#include "game/turn_entry.h"

#include <algorithm>
#include <cstdint>

#include "game/draw.h"
#include "game/validation.h"

namespace kwarrel {

namespace {

// A game file splits its lines at white space and ends a line at a line feed or a
// zero byte, and a word "*" there marks a maximum. An entry holding such text
// could be saved but would read back as another turn, so it is refused even when
// every check is skipped.
bool fitsGameFile(std::string_view text) {
  return std::none_of(text.begin(), text.end(),
                      [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::string storableEntryMessage(std::string_view draw, std::string_view word) {
  if (!fitsGameFile(draw) || !fitsGameFile(word)) {
    return "Trekking en woord mogen geen spaties of stuurtekens bevatten";
  }
  if (word == "*") return "Woord \"*\" kan niet in een spelbestand bewaard worden";
  // A saved game ends at the first turn without a draw: a word stored without one
  // would take every later turn with it when the game is read back.
  if (draw.empty() && !word.empty()) return "Er moeten steeds 7 letters getrokken worden";
  return {};
}

}  // namespace

std::string enterTurn(GameState& state, int turnIndex, std::string_view draw, int row0,
                      int column0, bool horizontal, std::string_view word, EntryCheck check) {
  if (turnIndex < 0 || turnIndex >= state.maxTurns || turnIndex >= kTurnSlots) {
    // Widened: the index may be the largest int.
    return "Beurt " + std::to_string(int64_t{turnIndex} + 1) + " bestaat niet";
  }
  if (!draw.empty() && draw.size() != kRackSize) {
    return "Er moeten steeds 7 letters getrokken worden";
  }
  // The window offers only squares of the board and at most 15 letters; other
  // callers are held to the same, even when every check is skipped, because the
  // replay would otherwise lay tiles outside the board.
  const bool squareOnBoard = row0 >= 0 && row0 < kBoardSize && column0 >= 0 && column0 < kBoardSize;
  if (!squareOnBoard || word.size() > kMaxWordLength) return "Woord valt buiten bord";

  const std::string normalised = normaliseDraw(state, draw);
  if (check != EntryCheck::SkipAll) {
    const std::string message = validateTurn(state, turnIndex, row0, column0, horizontal,
                                             check == EntryCheck::SkipWordList, normalised, word);
    if (!message.empty()) return message;
  } else if (std::string message = storableEntryMessage(normalised, word); !message.empty()) {
    return message;
  }
  Turn& turn = state.turns[turnIndex];
  turn.rack = normalised;
  turn.word = std::string(word);
  turn.column = column0 + 1;
  turn.row = row0 + 1;
  turn.horizontal = horizontal ? 1 : 0;
  return {};
}

}  // namespace kwarrel

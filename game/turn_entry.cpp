#include "game/turn_entry.h"

#include "game/draw.h"
#include "game/validation.h"

namespace kwarrel {

std::string enterTurn(GameState& state, int turnIndex, std::string_view draw, int row0,
                      int column0, bool horizontal, std::string_view word, EntryCheck check) {
  if (turnIndex < 0 || turnIndex >= state.maxTurns || turnIndex >= kTurnSlots) {
    return "Beurt " + std::to_string(turnIndex + 1) + " bestaat niet";
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

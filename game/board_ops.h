// Resetting the board, counting a rack and laying a word on the board.
#pragma once

#include <string>
#include <string_view>

#include "game/game_state.h"

namespace kwarrel {

// Empty board, check sets all ones (border 0), pool refilled from the count table.
void resetBoard(GameState& state);

// Counts the draw into rackCounts; stops at the first character that is neither
// the blank character nor a letter.
void countRack(GameState& state, std::string_view draw);

// Lays a played word (column 1..15) and takes its new tiles from the pool. Returns
// the word as laid; "?" or a text ending in "?" when the pool lacked a tile.
std::string placeMove(GameState& state, int row, int column, bool horizontal,
                      std::string_view word);

// Clears the display grid: '?' everywhere, points 0, turn index maxTurns + 1.
void clearDisplayGrid(GameState& state);

// Writes a played word (0-based row and column) into the display grid; never
// overwrites a covered square.
void showWord(GameState& state, int row, int column, bool horizontal, std::string_view word,
              int turnIndex);

}  // namespace kwarrel

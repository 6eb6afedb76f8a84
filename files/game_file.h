// The game text file: one line per turn with the draw, the word and its square.
#pragma once

#include <string>
#include <string_view>

#include "game/game_state.h"

namespace kwarrel {

// Reads the game file into the turn table and recomputes the game. Returns 0, or
// the error number when the file cannot be opened or read; then nothing changes.
// Lines past the last turn of the game are not read; when `turnsLeftOver` is
// given it tells whether the line after the last turn holds a turn of its own.
int loadGameFile(GameState& state, const std::string& path, bool* turnsLeftOver = nullptr);

// The reading part of loadGameFile: the text of a game file into the turn table,
// without recomputing the game.
void readGameText(GameState& state, std::string_view text, bool* turnsLeftOver = nullptr);

// One turn as the file holds it, without line feed: the rack in 10 columns; for a
// word of 1..15 letters also the word in 16, the square (horizontal: row then
// column letter, vertical: column letter then row, 3 + 3 columns), the score and
// the running total. `runningTotal` gains the turn's points when the word is written
// (nothing for a turn the replay could not score).
std::string formatTurnLine(const Turn& turn, int& runningTotal);

}  // namespace kwarrel

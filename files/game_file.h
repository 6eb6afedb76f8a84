// The game text file: one line per turn with the draw, the word and its square.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "game/game_state.h"

namespace kwarrel {

// Anything longer than this is no line of a game file: the longest the program
// writes (a turn with every best move of a full result list) stays far below it.
inline constexpr size_t kMaxGameLineBytes = 8192;
// A game of 50 turns of such lines, and its board picture, fits many times over.
inline constexpr size_t kMaxGameFileBytes = 256 * 1024;

// What loadGameFile returns besides 0 and the system's error numbers.
inline constexpr int kNotAGameFile = -1;      // text, but no turn in it
inline constexpr int kGameFileTooLarge = -2;  // more than any game file holds
inline constexpr int kGameLineTooLong = -3;   // a line no game file holds
inline constexpr int kNotARegularFile = -4;   // a device, pipe or socket

// Reads the game file into the turn table and recomputes the game. Returns 0; the
// error number when the file cannot be opened or read; or one of the refusals
// above. On anything but 0 nothing changes. Lines past the last turn of the game
// are not read; when `turnsLeftOver` is given it tells whether the line after the
// last turn holds a turn of its own. A file that is only white space (or nothing)
// is an empty game.
int loadGameFile(GameState& state, const std::string& path, bool* turnsLeftOver = nullptr);

// The Dutch message for a result of loadGameFile other than 0, naming the file as
// `name`. The texts around the name are ASCII.
std::string loadGameMessage(int result, std::string_view name);

// The reading part of loadGameFile: the text of a game file into the turn table,
// without recomputing the game. A leading UTF-8 byte-order mark is skipped.
void readGameText(GameState& state, std::string_view text, bool* turnsLeftOver = nullptr);

// One turn as the file holds it, without line feed: the rack in 10 columns; for a
// word of 1..15 letters also the word in 16, the square (horizontal: row then
// column letter, vertical: column letter then row, 3 + 3 columns), the score and
// the running total. `runningTotal` gains the turn's points when the word is written
// (nothing for a turn the replay could not score).
std::string formatTurnLine(const Turn& turn, int& runningTotal);

}  // namespace kwarrel

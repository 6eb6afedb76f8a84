// Letter coding, square notation and the premium squares of the board.
#pragma once

#include <array>
#include <cstdint>

namespace kwarrel {

// Per-letter tables: entry 0 is the blank, 1..26 are A..Z.
constexpr int kLetterCodes = 27;
using LetterCounts = std::array<int32_t, kLetterCodes>;

constexpr int kBoardSize = 15;   // playing area is 15x15
constexpr int kRackSize = 7;
constexpr int kMaxWordLength = 15;

// The code of a letter is its low five bits, for either case.
constexpr int letterCode(char c) { return static_cast<unsigned char>(c) & 31; }
constexpr bool isUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool isLowerLetter(char c) { return c >= 'a' && c <= 'z'; }
constexpr bool isLetter(char c) { return isUpperLetter(c) || isLowerLetter(c); }
// A blank in a typed, loaded or stored draw: the configured blank character, '+' or '*'.
constexpr bool isBlankCharacter(char c, char blankChar) {
  return c == blankChar || c == '+' || c == '*';
}
constexpr char upperCase(char c) { return isLowerLetter(c) ? static_cast<char>(c - 32) : c; }
constexpr char lowerCase(char c) { return isUpperLetter(c) ? static_cast<char>(c + 32) : c; }

// Premium values: 1 plain, 2/3 letter multipliers, -2/-3 word multipliers.
// Indexed by (row - 1, column - 1).
inline constexpr std::array<std::array<int8_t, kBoardSize>, kBoardSize> kPremiums = {{
    {-3, 1, 1, 2, 1, 1, 1, -3, 1, 1, 1, 2, 1, 1, -3},
    {1, -2, 1, 1, 1, 3, 1, 1, 1, 3, 1, 1, 1, -2, 1},
    {1, 1, -2, 1, 1, 1, 2, 1, 2, 1, 1, 1, -2, 1, 1},
    {2, 1, 1, -2, 1, 1, 1, 2, 1, 1, 1, -2, 1, 1, 2},
    {1, 1, 1, 1, -2, 1, 1, 1, 1, 1, -2, 1, 1, 1, 1},
    {1, 3, 1, 1, 1, 3, 1, 1, 1, 3, 1, 1, 1, 3, 1},
    {1, 1, 2, 1, 1, 1, 2, 1, 2, 1, 1, 1, 2, 1, 1},
    {-3, 1, 1, 2, 1, 1, 1, -2, 1, 1, 1, 2, 1, 1, -3},
    {1, 1, 2, 1, 1, 1, 2, 1, 2, 1, 1, 1, 2, 1, 1},
    {1, 3, 1, 1, 1, 3, 1, 1, 1, 3, 1, 1, 1, 3, 1},
    {1, 1, 1, 1, -2, 1, 1, 1, 1, 1, -2, 1, 1, 1, 1},
    {2, 1, 1, -2, 1, 1, 1, 2, 1, 1, 1, -2, 1, 1, 2},
    {1, 1, -2, 1, 1, 1, 2, 1, 2, 1, 1, 1, -2, 1, 1},
    {1, -2, 1, 1, 1, 3, 1, 1, 1, 3, 1, 1, 1, -2, 1},
    {-3, 1, 1, 2, 1, 1, 1, -3, 1, 1, 1, 2, 1, 1, -3},
}};

// Premium of the square at 1-based row and column.
constexpr int premiumAt(int row, int column) { return kPremiums[row - 1][column - 1]; }

}  // namespace kwarrel

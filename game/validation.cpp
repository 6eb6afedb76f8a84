#include "game/validation.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace kwarrel {
namespace {

constexpr const char* kOnlyLetters = "Alleen letters, '*' of '+' zijn toegelaten";
constexpr const char* kNoBlankLeft = "Blanco is niet meer voorradig";
constexpr const char* kLetterBefore = "Er staat een letter vlak voor het gelegde woord";
constexpr const char* kLetterAbove = "Er staat een letter vlak boven het gelegde woord";
constexpr const char* kOffBoard = "Woord valt buiten bord";
constexpr const char* kMismatch = "Woord bevat letter die niet overkomt met wat op bord ligt";
constexpr const char* kBadLetter = "Woord bevat ongeldige letter (alleen a-z toegelaten!)";
constexpr const char* kNotConnected = "Woord is niet verbonden met rest van bord";
constexpr const char* kLetterAfter = "Er staat een letter vlak na het gelegde woord";
constexpr const char* kLetterBelow = "Er staat een letter vlak onder het gelegde woord";
constexpr const char* kNoNewTile = "Er moet minstens 1 nieuwe letter op het bord worden gelegd";
constexpr const char* kWordNotListed = "Gelegd woord werd niet gevonden in woordenlijst";
constexpr const char* kTooShort = "Gelegd woord moet minstens 2 letters lang zijn";
constexpr const char* kNotOnCentre = "Eerste woord moet het centrale vakje bestrijken";

constexpr int kCentre = 7;

// Positions are 64-bit so that any start square, even one read from a damaged
// file, can be stepped along without overflow.
bool onBoard(int64_t row, int64_t column) {
  return row >= 0 && row < kBoardSize && column >= 0 && column < kBoardSize;
}


std::string letterMessage(const char* format, char letter) {
  char text[64];
  std::snprintf(text, sizeof text, format, letter);
  return text;
}

bool isWord(const WordGraph& words, const uint8_t* codes, int length) {
  const GraphNode node = words.lookupWord(codes, length);
  return node != 0 && isEndOfWord(node);
}

enum class CrossResult { Single, Connects, NotListed };

// The run of occupied squares across the word's direction through (row, column):
// down the column for a horizontal word, along the row for a vertical one. The new
// tile alone is no crossing word; a longer run connects the word unless the word
// list is checked and does not hold it.
CrossResult checkCrossing(const ValidationScratch& scratch, int row, int column,
                          bool horizontal, bool checkWords, std::string& run) {
  const int rowStep = horizontal ? 1 : 0;
  const int columnStep = horizontal ? 0 : 1;
  int r = row;
  int c = column;
  while (onBoard(r - rowStep, c - columnStep) && scratch.grid.at(r - rowStep, c - columnStep) != 0) {
    r -= rowStep;
    c -= columnStep;
  }
  std::array<uint8_t, kBoardSize> codes{};
  int length = 0;
  run.clear();
  for (; onBoard(r, c) && scratch.grid.at(r, c) != 0; r += rowStep, c += columnStep) {
    const char square = scratch.grid.at(r, c);
    codes[length++] = static_cast<uint8_t>(letterCode(square));
    run.push_back(upperCase(square));
  }
  if (length < 2) return CrossResult::Single;
  if (checkWords && !isWord(scratch.words, codes.data(), length)) return CrossResult::NotListed;
  return CrossResult::Connects;
}

// Takes a newly laid tile from the draw and from the remaining tiles. A blank laid
// while its letter is still available takes that letter's tile instead, as the
// board does when it replaces blanks.
std::string takeNewTile(ValidationScratch& scratch, LetterCounts& drawn, char ch) {
  const int code = letterCode(ch);
  LetterCounts& counts = scratch.counts;
  if (isLowerLetter(ch)) {
    if (drawn[0] <= 0) return std::string("Blanco (") + ch + ") werd niet getrokken";
    drawn[0] -= 1;
    if (counts[code] == 0) {
      counts[0] -= 1;
    } else {
      counts[code] -= 1;
    }
    return {};
  }
  if (drawn[code] <= 0) return letterMessage("Letter '%c' werd niet getrokken", ch);
  drawn[code] -= 1;
  if (counts[code] != 0) {
    counts[code] -= 1;
  } else {
    counts[0] -= 1;
  }
  return {};
}

std::string checkFirstWordOnCentre(int row0, int col0, bool horizontal, size_t length) {
  const int64_t line = horizontal ? row0 : col0;
  const int64_t first = horizontal ? col0 : row0;
  const int64_t last = first + static_cast<int64_t>(length) - 1;
  if (line != kCentre || first > kCentre || last < kCentre) return kNotOnCentre;
  return {};
}

}  // namespace

std::string checkDrawAvailable(char blankChar, const LetterCounts& counts,
                               std::string_view draw, LetterCounts& drawn) {
  drawn.fill(0);
  LetterCounts available = counts;
  for (const char ch : draw) {
    int code = 0;
    if (!isBlankCharacter(ch, blankChar)) {
      if (!isLetter(ch)) return kOnlyLetters;
      code = letterCode(ch);
    }
    drawn[code] += 1;
    if (available[code] <= 0) {
      if (code == 0) return kNoBlankLeft;
      return letterMessage("Letter '%c' is niet meer voorradig", upperCase(ch));
    }
    available[code] -= 1;
  }
  return {};
}

std::string validatePlacement(ValidationScratch& scratch, int row0, int col0,
                              bool horizontal, bool checkWords, int turnIndex,
                              std::string_view draw, std::string_view word) {
  LetterCounts drawn{};
  std::string message = checkDrawAvailable(scratch.blankChar, scratch.counts, draw, drawn);
  if (!message.empty()) return message;
  if (word.empty()) return {};

  const int64_t rowStep = horizontal ? 0 : 1;
  const int64_t columnStep = horizontal ? 1 : 0;
  const int64_t beforeRow = row0 - rowStep;
  const int64_t beforeColumn = col0 - columnStep;
  if (onBoard(beforeRow, beforeColumn) &&
      scratch.grid.at(static_cast<int>(beforeRow), static_cast<int>(beforeColumn)) != 0) {
    return horizontal ? kLetterBefore : kLetterAbove;
  }

  bool connected = false;
  int newTiles = 0;
  std::array<uint8_t, kBoardSize> codes{};
  std::string run;
  for (size_t i = 0; i < word.size(); ++i) {
    const int64_t r64 = row0 + rowStep * static_cast<int64_t>(i);
    const int64_t c64 = col0 + columnStep * static_cast<int64_t>(i);
    if (!onBoard(r64, c64)) return kOffBoard;
    const int r = static_cast<int>(r64);
    const int c = static_cast<int>(c64);
    const char ch = word[i];
    // Codes of other characters would alias letters (low five bits), so they are
    // refused before any code is used.
    if (!isLetter(ch)) return kBadLetter;
    codes[i] = static_cast<uint8_t>(letterCode(ch));
    const char square = scratch.grid.at(r, c);
    if (square != 0) {
      if (letterCode(ch) != letterCode(square)) return kMismatch;
      connected = true;
      continue;
    }
    ++newTiles;
    scratch.grid.at(r, c) = ch;
    message = takeNewTile(scratch, drawn, ch);
    if (!message.empty()) return message;
    switch (checkCrossing(scratch, r, c, horizontal, checkWords, run)) {
      case CrossResult::Single:
        break;
      case CrossResult::Connects:
        connected = true;
        break;
      case CrossResult::NotListed:
        return "Kruisend woord " + run +
               (horizontal ? " werd niet gevonden in de woordenlijst" : " bestaat niet");
    }
  }

  if (!connected && turnIndex != 0) return kNotConnected;
  const int length = static_cast<int>(word.size());
  const int64_t afterRow = row0 + rowStep * length;
  const int64_t afterColumn = col0 + columnStep * length;
  if (onBoard(afterRow, afterColumn) &&
      scratch.grid.at(static_cast<int>(afterRow), static_cast<int>(afterColumn)) != 0) {
    return horizontal ? kLetterAfter : kLetterBelow;
  }
  if (newTiles == 0) return kNoNewTile;
  if (checkWords && !isWord(scratch.words, codes.data(), length)) return kWordNotListed;
  return {};
}

std::string validateTurn(const GameState& state, int turnIndex, int row0, int col0,
                         bool horizontal, bool skipWordList, std::string_view draw,
                         std::string_view word) {
  ValidationScratch scratch(state);
  const int earlierTurns = std::min(turnIndex, kTurnSlots);
  for (int i = 0; i < earlierTurns; ++i) {
    const Turn& turn = state.turns[i];
    // Unset squares (-1) and damaged numbers stay off the board; the word, if
    // any, then falls off it.
    const int row = static_cast<int>(std::max<int64_t>(int64_t{turn.row} - 1, -kBoardSize));
    const int column = static_cast<int>(std::max<int64_t>(int64_t{turn.column} - 1, -kBoardSize));
    const std::string message = validatePlacement(scratch, row, column, turn.horizontal != 0,
                                                  false, i, turn.rack, turn.word);
    if (!message.empty()) return "Beurt " + std::to_string(i + 1) + ":" + message;
  }
  if (word.size() == 1) return kTooShort;
  if (turnIndex == 0 && !word.empty()) {
    const std::string message = checkFirstWordOnCentre(row0, col0, horizontal, word.size());
    if (!message.empty()) return message;
  }
  return validatePlacement(scratch, row0, col0, horizontal, !skipWordList, turnIndex, draw, word);
}

}  // namespace kwarrel

// Checking a typed-in turn against the rules before it is stored: the draw must
// come out of the tiles still available, the word must lie on the board, fit the
// letters there, use letters of the draw, touch the rest and form listed words.
// Every check returns an empty text when accepted, else one Dutch message.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "dict/word_graph.h"
#include "game/game_state.h"
#include "game/letters.h"

namespace kwarrel {

// The validation's own board: 15x15 characters, row-major, 0-based; 0 = empty,
// otherwise the character of the word that covered the square.
struct ValidationGrid {
  std::array<char, kBoardSize * kBoardSize> squares{};

  char& at(int row, int column) { return squares[row * kBoardSize + column]; }
  char at(int row, int column) const { return squares[row * kBoardSize + column]; }
};

// Everything one validation works on: its own grid and tile counts (rebuilt by
// replaying earlier turns, never the game's Board), the word graph and the blank
// character of the settings.
struct ValidationScratch {
  explicit ValidationScratch(const GameState& state)
      : words(state.words), blankChar(state.settings.blankChar), counts(state.countTable) {}

  const WordGraph& words;
  char blankChar;
  ValidationGrid grid{};
  LetterCounts counts{};
};

// Whether every letter of `draw` is still among `counts` (read only). Fills
// `drawn` with the draw's letters by code, entry 0 = blanks. The blank character,
// '+' and '*' all count as a blank. An empty draw is accepted.
std::string checkDrawAvailable(char blankChar, const LetterCounts& counts,
                               std::string_view draw, LetterCounts& drawn);

// Lays `word` on the scratch grid at 0-based (row0, col0) and takes its new tiles
// from the scratch counts, checking it as it goes. Grid and counts keep what was
// laid even when a check fails. A turn with only a draw (empty word) is accepted.
std::string validatePlacement(ValidationScratch& scratch, int row0, int col0,
                              bool horizontal, bool checkWords, int turnIndex,
                              std::string_view draw, std::string_view word);

// The full check of an entry for turn `turnIndex`: earlier turns are replayed on
// a fresh scratch board (without word-list checks; a failure there is reported as
// "Beurt N:" + message), then the entry itself is checked. row0 and col0 are
// 0-based. skipWordList turns off the crossing-word and played-word look-ups.
std::string validateTurn(const GameState& state, int turnIndex, int row0, int col0,
                         bool horizontal, bool skipWordList, std::string_view draw,
                         std::string_view word);

}  // namespace kwarrel

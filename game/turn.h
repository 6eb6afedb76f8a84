// One turn of the game history: the draw, the word played, where, and its score.
#pragma once

#include <cstdint>
#include <string>

#include "game/letters.h"
#include "game/move.h"

namespace kwarrel {

constexpr int kTurnSlots = 50;
constexpr int kDefaultMaxTurns = 22;
constexpr int kMinMaxTurns = 11;

struct Turn {
  std::string rack;        // seven letters, blanks as the blank character; empty = not drawn
  std::string word;        // whole word; lower case = blank
  int32_t row = -1;        // 1..15, -1 unset
  int32_t column = -1;     // 1..15, -1 unset
  int32_t score = -1;      // written by the recompute only
  uint8_t horizontal = 1;

  void clear() { *this = Turn{}; }
  // Plays a move of the search: its word and square; its column letter becomes 1..15.
  void play(const Move& move) {
    word = move.word;
    row = move.row;
    column = move.column - 64;
    horizontal = move.horizontal;
  }
  // A word counts as played when it has 2..15 letters and does not start with a space.
  bool hasValidWord() const {
    return word.size() >= 2 && word.size() <= kMaxWordLength && word[0] != ' ';
  }
  // Listings and reports write a word of 1..15 characters; a turn with any other
  // word shows its rack alone.
  bool hasWrittenWord() const { return !word.empty() && word.size() <= kMaxWordLength; }
  // What the turn adds to a running total: a turn the replay could not score keeps
  // its -1 in the score column but adds nothing.
  int32_t pointsToTotal() const { return score > 0 ? score : 0; }
};

}  // namespace kwarrel

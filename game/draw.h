// The bag: writing out the pool, drawing a rack, and how a draw is shown.
#pragma once

#include <string>
#include <string_view>

#include "game/game_state.h"

namespace kwarrel {

// The pool written out: blanks first (as the blank character), then A..Z.
std::string poolText(const GameState& state);

// The line under the board: each letter still to be played (blank first, as the
// blank character) with "(count)" from two on, then "<total>":
// "+(2) A(6) B E(12) <21>".
std::string remainingLettersLine(const GameState& state);

// Seven letters under the vowel, consonant, blank and Q rules; empty when the
// pool allows no draw.
std::string drawRack(GameState& state);

// The draw as stored and shown: unchanged, or alphabetical with blanks last.
std::string displayRack(const GameState& state, std::string_view draw);

// Typed or loaded draw: '+' and '*' become the blank character, a..z upper case.
std::string normaliseDraw(const GameState& state, std::string_view draw);

}  // namespace kwarrel

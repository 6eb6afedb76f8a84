// The one record of a running game: board, pool, turn table, settings, display
// grid, search scratch, result slots and per-square lists. Passed by reference;
// a test can make as many as it likes. The word graph is shared read-only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "dict/word_graph.h"
#include "game/board.h"
#include "game/display_grid.h"
#include "game/letters.h"
#include "game/move.h"
#include "game/observer.h"
#include "game/random.h"
#include "game/settings.h"
#include "game/tile_set.h"
#include "game/turn.h"

namespace kwarrel {

constexpr int kMoveSlots = 80;
constexpr int kSquareCount = kBoardSize * kBoardSize;

// One square of the line being searched, border squares included.
struct LineSquare {
  uint8_t empty = 1;
  uint8_t letter = 0;
  uint32_t check = 0;  // letters allowed here by the crossing run
};

// Texts of turn-list columns 1..5: rack, word, square, direction, score.
using TurnListRow = std::array<std::string, 5>;

struct GameState {
  explicit GameState(const WordGraph& graph) : words(graph) {}
  GameState(const GameState&) = delete;
  GameState& operator=(const GameState&) = delete;

  const WordGraph& words;

  // Board and tiles.
  Board board;
  LetterCounts pool{};        // tiles not on the board: the bag plus the current rack
  LetterCounts rackCounts{};  // rack being searched; entry 0 = blanks
  LetterCounts countTable = tilePreset(TilePreset::Nieuw).counts;
  LetterCounts valueTable = tilePreset(TilePreset::Nieuw).values;

  Settings settings;

  // History.
  std::array<Turn, kTurnSlots> turns{};
  int32_t maxTurns = kDefaultMaxTurns;
  int32_t totalScore = 0;
  std::string currentDraw;
  int32_t searchedTurn = -1;
  int32_t selectedTurn = -1;
  std::array<TurnListRow, kTurnSlots> turnListRows{};

  DisplayGrid displayGrid{};

  // Search scratch.
  std::array<LineSquare, 17> line{};
  uint8_t horizontal = 1;
  int32_t lineIndex = 0;
  std::array<uint8_t, 16> blankFlags{};
  int32_t anchor = 0;
  std::array<Move, kMoveSlots> moveSlots{};
  int32_t activeSlots = kMoveSlots;
  uint8_t bonusFlag = 0;

  // The result list of the last search, best first; the candidate list shows it.
  std::vector<Move> results;
  // Moves filed by the square of their first letter, index (row-1)*15 + (column-1).
  std::array<std::vector<Move>, kSquareCount> squareMoves{};

  CRandom random;
  bool bestOnly = false;          // candidate list ends at the marked line
  int32_t stuckGameCounter = 0;   // stuck games met this run, numbering their board pages

  GameObserver* observer = &noObserver;

 private:
  static inline GameObserver noObserver{};
};

}  // namespace kwarrel

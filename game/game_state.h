// The one record of a running game: board, pool, turn table, settings, display
// grid, search scratch, result slots and per-square lists. Passed by reference;
// a test can make as many as it likes. The word graph is shared read-only.
#pragma once

#include <array>
#include <cstddef>
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

// The cross-checks one row or column sets, as last computed for its tiles. They
// depend on nothing else, so a line whose tiles are unchanged is not looked up again.
struct LineChecks {
  std::array<uint8_t, kBoardSize> tiles{};  // letter | 0x80 on a tile, 0 on an empty square
  std::array<uint32_t, kBoardSize> checks{};
  uint16_t setSquares = 0;  // bit i: the line sets the check of square i + 1
  bool known = false;
};

// Left parts kept per search. A rack with two blanks rarely needs half of them;
// racks of many blanks that need more are searched without the table.
constexpr size_t kMaxLeftParts = 1u << 16;

// The left parts of the rack being searched (letters laid from the rack before an
// anchor) in the order the search meets them: what picking them for an anchor
// reads, and apart from it, what laying one reads.
struct LeftPart {
  uint32_t fits = 0;        // letters the rack can lay next that continue it
  uint32_t after = 0;       // letters that can follow one of those; bit 0: or none
  uint32_t reach = 0;       // fits of it and of all its longer left parts
  uint32_t reachAfter = 0;  // after of it and of all its longer left parts
  uint32_t next = 0;        // index after its longer left parts
  uint32_t depth = 0;       // letters laid
};

struct LeftPartPath {
  GraphNode node = 0;
  int32_t parent = -1;    // the left part one letter shorter
  uint32_t layable = 0;   // letters the rack can still lay
  uint8_t letter = 0;     // the last letter laid
  uint8_t blank = 0;      // ... as a blank
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
  std::array<LineChecks, 2 * kBoardSize> lineChecks{};  // rows 1..15, then columns 1..15
  std::vector<LeftPart> leftParts;  // of the rack being searched; kMaxLeftParts once used
  std::vector<LeftPartPath> leftPartPaths;
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

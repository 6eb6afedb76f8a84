// Cross-checks: for each empty square, the letters that make a word with the tiles
// touching it across and down. A square's set depends only on the tiles of its own
// row (across) or column (down), so each line's sets are kept with the tiles they
// were computed for and looked up again only when those tiles change.
#include <array>
#include <cstdint>

#include "search/search.h"

namespace kwarrel {
namespace {

constexpr uint8_t kTileMark = 0x80;

constexpr bool isLetterCode(int code) { return code >= 1 && code <= 26; }
constexpr uint32_t letterBit(int code) { return 1u << code; }

// The letters k for which prefix + k + suffix is a word, plus the bits that carry no
// letter. Walking the prefix once and then each child gives the same set as looking
// up all 26 patterns, for a fraction of the work.
uint32_t holeLetters(const WordGraph& graph, const uint8_t* prefix, int prefixLength,
                     const uint8_t* suffix, int suffixLength) {
  uint32_t allowed = ~kLetterBits;
  const GraphNode node = prefixLength > 0 ? graph.lookupWord(prefix, prefixLength) : graph.root();
  uint32_t index = firstChild(node);
  if (index == 0) return allowed;
  uint32_t seen = 0;
  for (;; ++index) {
    const GraphNode child = graph.node(index);
    const int letter = nodeLetter(child);
    // Only the first sibling with a letter counts, as in a lookup.
    if (isLetterCode(letter) && (seen & letterBit(letter)) == 0) {
      seen |= letterBit(letter);
      GraphNode reached = child;
      for (int i = 0; i < suffixLength && reached != 0; ++i) {
        reached = graph.childWithLetter(reached, suffix[i]);
      }
      if (reached != 0 && isEndOfWord(reached)) allowed |= letterBit(letter);
    }
    if (isLastSibling(child)) break;
  }
  return allowed;
}

// Sets `check` for the hole at (row, column) in the run along (rowStep, columnStep);
// false, leaving it alone, when no tile touches the hole in that direction.
bool runCheck(const GameState& state, int row, int column, int rowStep, int columnStep,
              uint32_t& check) {
  const Board& board = state.board;
  int before = 0;
  while (!board.at(row - (before + 1) * rowStep, column - (before + 1) * columnStep).empty) {
    ++before;
  }
  int after = 0;
  while (!board.at(row + (after + 1) * rowStep, column + (after + 1) * columnStep).empty) {
    ++after;
  }
  if (before + after == 0) return false;
  uint8_t prefix[kMaxWordLength];
  uint8_t suffix[kMaxWordLength];
  for (int i = 0; i < before; ++i) {
    const int steps = before - i;
    prefix[i] = board.at(row - steps * rowStep, column - steps * columnStep).letter;
  }
  for (int i = 0; i < after; ++i) {
    suffix[i] = board.at(row + (i + 1) * rowStep, column + (i + 1) * columnStep).letter;
  }
  check = holeLetters(state.words, prefix, before, suffix, after);
  return true;
}

// Square i (1..15) of line `index` (1..15) across or down.
Cell& lineSquare(Board& board, bool across, int index, int i) {
  return across ? board.at(index, i) : board.at(i, index);
}

// Brings the kept sets of one line up to date with its tiles, then writes them to
// the squares they belong to.
void refreshLine(GameState& state, bool across, int index, LineChecks& kept) {
  std::array<uint8_t, kBoardSize> tiles{};
  for (int i = 1; i <= kBoardSize; ++i) {
    const Cell& cell = lineSquare(state.board, across, index, i);
    tiles[i - 1] = cell.empty ? 0 : static_cast<uint8_t>(cell.letter | kTileMark);
  }
  if (!kept.known || tiles != kept.tiles) {
    kept.tiles = tiles;
    kept.setSquares = 0;
    for (int i = 1; i <= kBoardSize; ++i) {
      if (tiles[i - 1] != 0) continue;
      const int row = across ? index : i;
      const int column = across ? i : index;
      uint32_t check = 0;
      if (!runCheck(state, row, column, across ? 0 : 1, across ? 1 : 0, check)) continue;
      kept.checks[i - 1] = check;
      kept.setSquares = static_cast<uint16_t>(kept.setSquares | (1u << (i - 1)));
    }
    kept.known = true;
  }
  for (int i = 1; i <= kBoardSize; ++i) {
    if ((kept.setSquares & (1u << (i - 1))) == 0) continue;
    Cell& cell = lineSquare(state.board, across, index, i);
    (across ? cell.acrossCheck : cell.downCheck) = kept.checks[i - 1];
  }
}

}  // namespace

void computeCrossChecks(GameState& state) {
  for (int index = 1; index <= kBoardSize; ++index) {
    refreshLine(state, true, index, state.lineChecks[index - 1]);
    refreshLine(state, false, index, state.lineChecks[kBoardSize + index - 1]);
  }
}

}  // namespace kwarrel

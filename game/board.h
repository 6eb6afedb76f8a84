// The 15x15 board inside a one-square border, so that every neighbour test can
// step onto an always-empty border square instead of testing bounds.
#pragma once

#include <array>
#include <cstdint>

namespace kwarrel {

struct Cell {
  uint8_t empty = 1;
  uint8_t letter = 0;        // letter code 1..26 while occupied
  int32_t points = 0;        // 0 = a blank (or a letter valued 0)
  uint32_t acrossCheck = 0;  // letters allowed by the horizontal run through the square
  uint32_t downCheck = 0;    // letters allowed by the vertical run through the square
};

constexpr int kBoardSide = 17;  // rows and columns 0..16; 0 and 16 are the border
constexpr uint32_t kAllLetters = 0xFFFFFFFFu;

class Board {
 public:
  Cell& at(int row, int column) { return cells_[row * kBoardSide + column]; }
  const Cell& at(int row, int column) const { return cells_[row * kBoardSide + column]; }
  // An empty square next to a tile: where a move joins the tiles on the board.
  bool isAnchor(int row, int column) const {
    return at(row, column).empty &&
           (!at(row - 1, column).empty || !at(row + 1, column).empty ||
            !at(row, column - 1).empty || !at(row, column + 1).empty);
  }
  static constexpr bool isPlayingArea(int row, int column) {
    return row >= 1 && row <= 15 && column >= 1 && column <= 15;
  }

 private:
  std::array<Cell, kBoardSide * kBoardSide> cells_{};
};

}  // namespace kwarrel

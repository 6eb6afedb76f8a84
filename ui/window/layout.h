// Where the main window's controls go for a client size: the board takes 16
// squares of the width's 66 %, the buttons sit under it, the lists beside it.
#pragma once

#include <QRect>
#include <array>
#include <cstdint>

namespace kwarrel::ui {

// Command button ids, in creation order.
enum ButtonId { kSaveButton, kLoadButton, kAutoButton, kClockButton, kNewButton, kDrawButton };
constexpr int kButtonCount = 6;

struct ControlLayout {
  int cellWidth = 0;   // cw
  int cellHeight = 0;  // rh
  int gap = 0;
  std::array<QRect, kButtonCount> buttons{};
  QRect candidateList;  // its height is that of the open list
  QRect scoreBox;
  QRect remainingLetters;
  int turnListX = 0;
  int turnListWidth = 0;
  int turnListFallbackHeight = 0;  // when the whole list would be taller than 13.1 rows
  std::array<int, 6> columnWidths{};
};

// `bottomLineHeight` is the remaining-letters line's height, `borderWidth` the
// width of a window border; `weights` are the turn list's column weights (above 0
// a share of the width, else minus a fixed width in pixels).
ControlLayout computeLayout(int width, int height, int bottomLineHeight, bool clockRunning,
                            int borderWidth, const std::array<int32_t, 6>& weights);

// The turn list's column widths for a list whose rows are `available` pixels
// wide: fixed widths (weight 0 or less) as they are, the rest of the room shared
// out by the positive weights so that the columns end exactly at the right edge.
// Without positive weights, or without room for them, the widths of the layout.
std::array<int, 6> fitColumnWidths(const ControlLayout& layout,
                                   const std::array<int32_t, 6>& weights, int available);

// The turn list's height: its full height when that is within 13.1 rows.
int turnListHeight(const ControlLayout& layout, int fullHeight);

// Board squares: rh = (H - bottomLineHeight - 3) / 17 and cw as in the layout.
int cellWidthFor(int width);
int cellHeightFor(int height, int bottomLineHeight);

}  // namespace kwarrel::ui

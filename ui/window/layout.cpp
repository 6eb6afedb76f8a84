#include "ui/window/layout.h"

#include <algorithm>
#include <cmath>

namespace kwarrel::ui {

namespace {

int truncated(double value) { return static_cast<int>(std::trunc(value)); }

// The weights' widths, each at most the list's width; columns that together are
// wider than the list (widths from a damaged configuration file) are narrowed
// in proportion so that all of them stay in view.
std::array<int, 6> fittedColumnWidths(int width, int listWidth,
                                      const std::array<int32_t, 6>& weights) {
  const double fits = std::max(0, listWidth);
  std::array<double, 6> wanted{};
  double total = 0;
  for (size_t i = 0; i < weights.size(); ++i) {
    const double weight = weights[i];
    wanted[i] = std::min(std::trunc(weight > 0 ? 0.34 * width * weight / 107 : -weight), fits);
    total += wanted[i];
  }
  const double scale = total > fits ? fits / total : 1.0;
  std::array<int, 6> widths{};
  for (size_t i = 0; i < widths.size(); ++i) widths[i] = truncated(wanted[i] * scale);
  return widths;
}

}  // namespace

int cellWidthFor(int width) { return truncated((0.66 * width - 1) * 0.0625); }

int cellHeightFor(int height, int bottomLineHeight) { return (height - bottomLineHeight - 3) / 17; }

ControlLayout computeLayout(int width, int height, int bottomLineHeight, bool clockRunning,
                            int borderWidth, const std::array<int32_t, 6>& weights) {
  const int W = width;
  const int H = height;
  const int S = bottomLineHeight;
  ControlLayout layout;
  const int rh = truncated((H - S - 3) / 17.0);
  const int cw = cellWidthFor(W);
  const int boardWidth = 16 * cw;
  layout.cellWidth = cw;
  layout.cellHeight = rh;

  const int bw = boardWidth / 6;
  layout.gap = (H - 17 * rh - S) / 4;
  const int y = 16 * rh + layout.gap;
  const int d = truncated(1.01 * bw);
  layout.buttons[kLoadButton] = QRect(0, y, bw, rh);
  layout.buttons[kNewButton] = QRect(d, y, bw, rh);
  layout.buttons[kSaveButton] = QRect(2 * d, y, bw, rh);
  layout.buttons[kAutoButton] = QRect(3 * d, y, bw, rh);
  layout.buttons[kDrawButton] = QRect(4 * d, y, bw, rh);
  if (clockRunning) {
    layout.buttons[kClockButton] =
        QRect(truncated(12.5 * cw), y, truncated(2 * borderWidth + 3.5 * cw), rh);
  } else {
    layout.buttons[kClockButton] = QRect(5 * d, y, 2 * borderWidth + 16 * cw - 5 * d, rh);
  }

  const int listWidth = (2 * W) / 9;
  layout.candidateList = QRect(boardWidth + 5, y, listWidth, 10 * rh);
  layout.scoreBox = QRect(boardWidth + 5 + truncated(1.01 * listWidth), y, W / 9, rh);
  layout.remainingLetters = QRect(0, y + rh + (4 * layout.gap) / 3, W, S);

  layout.turnListX = boardWidth + 2;
  layout.turnListWidth = W - boardWidth - 2;
  layout.columnWidths = fittedColumnWidths(W, layout.turnListWidth, weights);
  layout.turnListFallbackHeight = ((H - S - rh) * 13) / 16;
  return layout;
}

std::array<int, 6> fitColumnWidths(const ControlLayout& layout,
                                   const std::array<int32_t, 6>& weights, int available) {
  int64_t shareTotal = 0;
  int64_t fixedTotal = 0;
  for (const int32_t weight : weights) {
    if (weight > 0) {
      shareTotal += weight;
    } else {
      fixedTotal -= weight;
    }
  }
  const int64_t room = available - fixedTotal;
  if (shareTotal <= 0 || room <= 0) return layout.columnWidths;
  // Edges from running sums, so that the rounding never adds up to a gap.
  std::array<int, 6> widths{};
  int64_t sharesSoFar = 0;
  int64_t edge = 0;
  for (size_t i = 0; i < weights.size(); ++i) {
    if (weights[i] <= 0) {
      widths[i] = static_cast<int>(-int64_t{weights[i]});
      continue;
    }
    sharesSoFar += weights[i];
    const int64_t next = room * sharesSoFar / shareTotal;
    widths[i] = static_cast<int>(next - edge);
    edge = next;
  }
  return widths;
}

int turnListHeight(const ControlLayout& layout, int fullHeight) {
  return 13.1 * layout.cellHeight >= fullHeight ? fullHeight : layout.turnListFallbackHeight;
}

}  // namespace kwarrel::ui

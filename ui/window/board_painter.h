// Painting of the main window's client area: board, labels, letters and values,
// the selected turn's word, the key summary, and while the clock runs the draw as
// tiles and the clock squares. Everything comes from the display grid and the
// geometry; nothing of the game is computed here.
#pragma once

#include <QBrush>
#include <QPainter>
#include <QSize>
#include <QString>
#include <array>
#include <string>

#include "game/game_state.h"
#include "ui/base/ui_fonts.h"

namespace kwarrel::ui {

// Brushes of the premium squares and of the selection, and the texts of single
// characters and small numbers, made once so that a paint allocates nothing.
struct PaintTools {
  PaintTools();
  QBrush tripleWord, doubleWord, plain, doubleLetter, tripleLetter, selection, label;
  std::array<QString, 256> characters;
  std::array<QString, 100> numbers;
  const QBrush& forPremium(int premium) const;
};

struct PaintInput {
  const kwarrel::GameState& game;
  const UiFonts& fonts;
  const PaintTools& tools;
  QSize client;
  int gap = 0;
  int selectedTurn = -1;
  bool clockRunning = false;
  bool showDrawLarge = false;
  int secondsLeft = 0;
};

void paintMainWindow(QPainter& painter, const PaintInput& input);

// The clock's characters for `secondsLeft` of a countdown from `thinkTime`:
// "m:ss", or "mm:ss" for a countdown from ten minutes or more ("12:05", then
// "09:59"). Seconds are taken within 0..kMaxClockSeconds.
inline constexpr int kMaxClockSeconds = 99 * 60 + 59;
std::string clockDigits(int secondsLeft, int thinkTime);

// The board alone (labels, squares, letters, values and the selected turn's word)
// in squares of `cellWidth` x `cellHeight` from the top-left corner, in the fonts
// of `input`: the players' screen paints it at its own size.
void paintBoard(QPainter& painter, const PaintInput& input, int cellWidth, int cellHeight);

// The clock squares in the button row, one a character.
void paintClock(QPainter& painter, const PaintInput& input);

// The part of the client area the clock squares cover.
QRect clockRect(const PaintInput& input);

}  // namespace kwarrel::ui

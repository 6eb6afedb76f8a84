// What the dialogs ask of the main window when a setting acts at once.
#pragma once

#include <QString>

#include "dict/word_graph.h"
#include "files/config_file.h"
#include "ui/base/ui_fonts.h"

class QWidget;

namespace kwarrel::ui {

enum class HelpText { Main, Settings };

class WindowHooks {
 public:
  virtual ~WindowHooks() = default;
  // The record of `role` in the settings changed: make the font again, put it on
  // its controls, lay out again where the role needs it, repaint.
  virtual void fontChanged(FontRole role) = 0;
  // Offsets or the value display changed: repaint the board.
  virtual void boardLookChanged() = 0;
  // Tile counts or values changed: empty the lists, recompute, refill the
  // candidate list, repaint.
  virtual void tileSetChanged() = 0;
  // The turn list's column widths in pixels, as the configuration file stores them.
  virtual kwarrel::ColumnPixelWidths turnListColumnWidths() const = 0;
  // Opens the help window with `text`, or raises the open one.
  virtual void openHelp(HelpText text) = 0;
  // The open help window, or nullptr; F9 aimed at it prints its text.
  virtual QWidget* helpWindow() const = 0;
  virtual void printHelp() = 0;
  // One signal of the clock (the test signal of the settings).
  virtual void playSignal(bool second) = 0;
  // Plays the game on by `words` (a club's own list, or the built-in one): the game
  // is recomputed, the candidate list refilled, the window repainted. False when
  // this window's words cannot be replaced; they stay as they were.
  virtual bool replaceWordList(kwarrel::WordGraph words) {
    static_cast<void>(words);
    return false;
  }
};

}  // namespace kwarrel::ui

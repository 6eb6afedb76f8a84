// How the game flow tells a front end what to show. The defaults do nothing,
// so the core runs the same with or without a window.
#pragma once

namespace kwarrel {

class GameObserver {
 public:
  virtual ~GameObserver() = default;
  // A word was written into the display grid: repaint without erasing.
  virtual void boardChanged() {}
  // The automatic game played a turn: repaint at once.
  virtual void repaintNow() {}
  // Long draw optimisation runs; show or hide the wait cursor.
  virtual void setWaitCursor(bool /*busy*/) {}
  // The automatic game is about to play turn `turnIndex`; false ends the run here,
  // with the game complete up to the turn before.
  virtual bool continueAutoGame(int /*turnIndex*/) { return true; }
  // Give this row of the turn list the selected and focused state.
  virtual void selectTurnRow(int /*turnIndex*/) {}
};

}  // namespace kwarrel

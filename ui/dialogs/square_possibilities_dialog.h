// The words that start on one square, horizontal and vertical side by side,
// each with its best score.
#pragma once

#include <QDialog>

#include "game/game_state.h"
#include "search/square_moves.h"

namespace kwarrel::ui {

class SquarePossibilitiesDialog : public QDialog {
  Q_OBJECT

 public:
  SquarePossibilitiesDialog(const kwarrel::SquarePossibilities& possibilities, QWidget* parent);
};

// Opens the dialog modally for the square at 0-based `row0`, `column0`. Opens
// nothing and returns false when the square lies off the board or no move of the
// last search starts there.
bool openSquarePossibilities(const kwarrel::GameState& state, int row0, int column0,
                             QWidget* parent);

}  // namespace kwarrel::ui

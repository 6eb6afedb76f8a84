// "BeurtIngave": the draw and the played word of one turn, typed or corrected by
// hand, stored only after the rule checks accept it (or the user skips them).
#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>

#include "game/game_state.h"
#include "game/turn_entry.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kwarrel::ui {

class TurnEntryDialog : public QDialog {
  Q_OBJECT

 public:
  // Edits turn `turnIndex`; `savedPosition` is where the dialog was last closed,
  // kept by the caller for the whole run and updated here on OK and Cancel.
  TurnEntryDialog(kwarrel::GameState& game, int turnIndex, const QString& title,
                  std::optional<QPoint>& savedPosition, QWidget* parent);

  QLineEdit* drawField() const { return draw_; }
  QLineEdit* wordField() const { return word_; }
  QComboBox* columnList() const { return column_; }
  QComboBox* rowList() const { return row_; }
  QComboBox* directionList() const { return direction_; }
  QLabel* messageLine() const { return message_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* skipWordListButton() const { return skipWordList_; }
  QPushButton* skipAllButton() const { return skipAll_; }

  void done(int result) override;

 private:
  void submit(kwarrel::EntryCheck check);
  void showError(const QString& message);

  kwarrel::GameState& game_;
  int turnIndex_;
  std::optional<QPoint>& savedPosition_;
  bool errorShown_ = false;
  QLineEdit* draw_;
  QLineEdit* word_;
  QComboBox* column_;
  QComboBox* row_;
  QComboBox* direction_;
  QLabel* message_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* skipWordList_;
  QPushButton* skipAll_;
};

}  // namespace kwarrel::ui

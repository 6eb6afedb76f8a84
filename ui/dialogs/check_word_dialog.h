// "Check woord": the referee's quick look-up of one word in the word list.
#pragma once

#include <QDialog>
#include <QString>

#include "game/game_state.h"

class QLabel;
class QLineEdit;
class QPaintEvent;
class QPushButton;

namespace kwarrel::ui {

class CheckWordDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Result { None, NotFound, Found };

  CheckWordDialog(const kwarrel::GameState& state, QWidget* parent);

  Result lookupResult() const { return result_; }
  QString resultText() const;
  QLineEdit* wordEdit() const { return word_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void check();
  void clearResult();

  const kwarrel::GameState& state_;
  QLineEdit* word_ = nullptr;
  QLabel* resultLabel_ = nullptr;
  QPushButton* checkButton_ = nullptr;
  Result result_ = Result::None;
};

}  // namespace kwarrel::ui

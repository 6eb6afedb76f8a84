// "Spelers": the players of the game by number and name. A player is added with
// the next free number proposed, renamed in place, removed after a question, and
// the players of another game's players file can be taken over.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kwarrel::ui {

class PlayersSession;
class Prompts;

class PlayersDialog : public QDialog {
  Q_OBJECT

 public:
  PlayersDialog(PlayersSession& session, Prompts& prompts, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }
  QSpinBox* numberField() const { return number_; }
  QLineEdit* nameField() const { return name_; }
  QPushButton* removeButton() const { return remove_; }
  QPushButton* takeOverButton() const { return takeOver_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fill();
  void addPlayer();
  void removeSelected();
  void takeOverPlayers();
  void nameEdited(int row, int column);

  PlayersSession& session_;
  Prompts& prompts_;
  QTableWidget* table_ = nullptr;
  QSpinBox* number_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* takeOver_ = nullptr;
  bool filling_ = false;
};

}  // namespace kwarrel::ui

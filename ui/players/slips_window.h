// "Oplossingen van beurt %d": the players' slips of one turn, typed one line
// each as fast as they are handed in. Not modal, and it keeps working while the
// clock of the next turn runs: it changes the answers only, never the game.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace kwarrel {
struct GameState;
}

namespace kwarrel::ui {

class PlayersSession;
class Prompts;

class SlipsWindow : public QWidget {
  Q_OBJECT

 public:
  SlipsWindow(const kwarrel::GameState& game, PlayersSession& session, Prompts& prompts,
              QWidget* parent = nullptr);

  int turnIndex() const { return turnIndex_; }
  void setTurn(int turnIndex);

  QTableWidget* table() const { return table_; }
  QLineEdit* slipLine() const { return line_; }
  QLabel* messageLine() const { return message_; }
  QLabel* turnLine() const { return turnLine_; }

  // The table's columns.
  enum Column { kNumber, kName, kSquare, kDirection, kWord, kScore, kRemark, kColumns };

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void refill();
  void fillRow(int row);
  void slipEntered(int number, int turnIndex);
  void enterLine();
  int rowOf(int number) const;

  const kwarrel::GameState& game_;
  PlayersSession& session_;
  Prompts& prompts_;
  int turnIndex_ = 0;
  QLabel* turnLine_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLineEdit* line_ = nullptr;
  QLabel* message_ = nullptr;
};

}  // namespace kwarrel::ui

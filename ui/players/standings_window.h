// "Uitslag": the standings of the game, following every slip as it comes in,
// with the last turn's top and who found it; saved as a page, a listing or a
// spreadsheet file with "Bewaren", printed with F9.
#pragma once

#include <QWidget>

#include "players/standings.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace kwarrel::ui {

class PlayersSession;
class Prompts;

class StandingsWindow : public QWidget {
  Q_OBJECT

 public:
  StandingsWindow(PlayersSession& session, Prompts& prompts, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }
  QLabel* topLine() const { return topLine_; }
  QPushButton* saveButton() const { return save_; }

  void refill();
  void saveStandings();
  void printStandings();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString title() const;

  PlayersSession& session_;
  Prompts& prompts_;
  QLabel* topLine_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* save_ = nullptr;
};

// "Top van beurt 3: 34, gevonden door 4 (Els), 12 (Jan)": the last played turn's
// top; empty before a turn is played.
QString lastTopText(const kwarrel::Klassement& standings);

}  // namespace kwarrel::ui

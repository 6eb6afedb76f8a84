// "Kwarrel spelersscherm": what the room sees on a projector or a second
// monitor. The board as large as the window allows, the turn number, the draw as
// large tiles, the clock while it runs and, once the move is laid, the top with
// its score; or the first places of the standings. None of the game master's
// tools. Space (or F12 in the main window) switches between the two, F11 toggles
// full screen.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/base/ui_fonts.h"
#include "ui/window/board_painter.h"

namespace kwarrel {
struct GameState;
}

namespace kwarrel::ui {

class PlayersSession;

struct ClockView {
  bool running = false;
  int secondsLeft = 0;
};

// The texts the screen shows beside the board; empty where it shows nothing.
struct ScreenTexts {
  QString turn;   // "Beurt 9"
  QString draw;   // the draw's letters
  QString clock;  // "1:23" while the clock runs
  QString top;    // "WOORD 8H 34" once the move is laid
};

class PlayersScreen : public QWidget {
  Q_OBJECT

 public:
  PlayersScreen(const kwarrel::GameState& game, PlayersSession& session,
                std::function<ClockView()> clock, QWidget* parent = nullptr);

  bool showsStandings() const { return showStandings_; }
  void toggleStandings();
  ScreenTexts texts() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void makeFonts();
  int side() const;
  void paintGame(QPainter& painter);
  void paintStandings(QPainter& painter);

  const kwarrel::GameState& game_;
  PlayersSession& session_;
  std::function<ClockView()> clock_;
  bool showStandings_ = false;
  UiFonts fonts_;
  PaintTools tools_;
  QFont heading_;
  QFont tileLetter_;
  QFont tileValue_;
  QFont clockFont_;
  QFont lineFont_;
};

}  // namespace kwarrel::ui

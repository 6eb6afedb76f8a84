// The players' part of the main window: their record beside the game, the
// "Spelers" dialog, the "Oplossingen" and "Uitslag" windows and the players'
// screen. The main window calls it from its commands and after every change.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "ui/players/players_screen.h"
#include "ui/players/players_session.h"
#include "ui/players/slips_window.h"
#include "ui/players/standings_window.h"

namespace kwarrel {
struct GameState;
}

namespace kwarrel::ui {

class Prompts;

// The turn the slips window opens on: the selected one, else the last one laid.
// While the clock of the next turn runs (that turn drawn and selected, not laid)
// the slips handed in are of the turn before it.
int slipsTurnFor(const kwarrel::GameState& game);

class PlayersViews : public QObject {
  Q_OBJECT

 public:
  PlayersViews(const kwarrel::GameState& game, Prompts& prompts, QWidget& mainWindow,
               std::function<ClockView()> clock);
  ~PlayersViews() override;

  PlayersSession& session() { return session_; }

  void openPlayersDialog();
  // Opens (or raises) the slips window on `turnIndex`.
  void openSlips(int turnIndex);
  void openStandings();
  // Opens the players' screen; when it is open, switches it between the game and
  // the standings.
  void togglePlayersScreen();

  // The game changed: judged again, every view shown anew.
  void gameChanged();
  // The clock ticked, started or stopped.
  void clockChanged();
  // The turn list's selection moved: the slips window follows.
  void turnSelected(int turnIndex);
  void closeAll();

  SlipsWindow* slipsWindow() const { return slips_.data(); }
  StandingsWindow* standingsWindow() const { return standings_.data(); }
  PlayersScreen* playersScreen() const { return screen_.data(); }

 private:
  const kwarrel::GameState& game_;
  Prompts& prompts_;
  QWidget& mainWindow_;
  std::function<ClockView()> clock_;
  PlayersSession session_;
  QPointer<SlipsWindow> slips_;
  QPointer<StandingsWindow> standings_;
  QPointer<PlayersScreen> screen_;
};

}  // namespace kwarrel::ui

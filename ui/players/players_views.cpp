#include "ui/players/players_views.h"

#include <QLineEdit>
#include <algorithm>

#include "game/game_state.h"
#include "ui/players/players_dialog.h"
#include "ui/players/slips_window.h"
#include "ui/players/standings_window.h"

namespace kwarrel::ui {

namespace {

void raise(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

namespace {

// Drawn but not laid: the turn whose clock runs or has just run. Its slips come in
// after the top is laid, so the slips window stays where it was.
bool inProgress(const GameState& game, int turnIndex) {
  return turnIndex > 0 && turnIndex < game.maxTurns && !game.turns[turnIndex].rack.empty() &&
         !game.turns[turnIndex].hasValidWord() && game.turns[turnIndex - 1].hasValidWord();
}

}  // namespace

int slipsTurnFor(const GameState& game) {
  const int selected = game.selectedTurn;
  if (selected >= 0 && selected < game.maxTurns) return inProgress(game, selected) ? selected - 1 : selected;
  for (int t = game.maxTurns - 1; t >= 0; --t) {
    if (game.turns[t].hasValidWord()) return t;
  }
  return 0;
}

PlayersViews::PlayersViews(const GameState& game, Prompts& prompts, QWidget& mainWindow,
                           std::function<ClockView()> clock)
    : game_(game), prompts_(prompts), mainWindow_(mainWindow), clock_(std::move(clock)), session_(game) {}

PlayersViews::~PlayersViews() { closeAll(); }

void PlayersViews::openPlayersDialog() {
  PlayersDialog dialog(session_, prompts_, &mainWindow_);
  dialog.exec();
}

void PlayersViews::openSlips(int turnIndex) {
  if (slips_ == nullptr) {
    slips_ = new SlipsWindow(game_, session_, prompts_, &mainWindow_);
    slips_->setAttribute(Qt::WA_DeleteOnClose);
  }
  slips_->setTurn(std::clamp(turnIndex, 0, game_.maxTurns - 1));
  raise(*slips_);
  slips_->slipLine()->setFocus();
}

void PlayersViews::openStandings() {
  if (standings_ == nullptr) {
    standings_ = new StandingsWindow(session_, prompts_, &mainWindow_);
    standings_->setAttribute(Qt::WA_DeleteOnClose);
  }
  raise(*standings_);
}

void PlayersViews::togglePlayersScreen() {
  if (screen_ != nullptr) {
    screen_->toggleStandings();
    return;
  }
  // A window of its own, not the main window's child, so that it can go to another
  // screen and full screen there.
  screen_ = new PlayersScreen(game_, session_, clock_);
  screen_->setAttribute(Qt::WA_DeleteOnClose);
  screen_->show();
}

void PlayersViews::gameChanged() {
  session_.gameChanged();
  if (screen_ != nullptr) screen_->update();
}

void PlayersViews::clockChanged() {
  if (screen_ != nullptr) screen_->update();
}

void PlayersViews::turnSelected(int turnIndex) {
  if (slips_ != nullptr && turnIndex >= 0 && !inProgress(game_, turnIndex)) slips_->setTurn(turnIndex);
}

void PlayersViews::closeAll() {
  delete slips_.data();
  delete standings_.data();
  delete screen_.data();
}

}  // namespace kwarrel::ui

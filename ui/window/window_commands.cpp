// The main window's commands: files, the game flow, turn entry, the turn list's
// keys and the board clicks. Each calls the core and refreshes the view.
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QSessionManager>
#include <QShortcutEvent>
#include <QTableWidget>
#include <algorithm>

#include "files/game_file.h"
#include "files/players_save.h"
#include "files/save.h"
#include "game/auto_game.h"
#include "game/turn_cycle.h"
#include "game/turn_table.h"
#include "search/candidates.h"
#include "search/square_moves.h"
#include "ui/base/file_names.h"
#include "ui/base/latin1.h"
#include "ui/dialogs/check_word_dialog.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/square_possibilities_dialog.h"
#include "ui/window/main_window.h"
#include "ui/window/turn_entry_dialog.h"

namespace kwarrel::ui {

namespace {

const QString kCaption = QStringLiteral("Kwarrel");

QString openFilter() {
  return QStringLiteral("Text Files (*.TXT *.txt);;ASCII Files (*.ASC *.asc);;All Files (*)");
}

QString saveFilter() {
  return QStringLiteral(
      "Text Files (*.TXT *.txt);;ASCII Files (*.ASC *.asc);;HTML Files (*.HTML *.html);;"
      "HTM Files (*.HTM *.htm);;MAX Files (*.MAX *.max);;All Files (*)");
}

}  // namespace

// --- Files ----------------------------------------------------------------

void MainWindow::rememberPath(const QString& path) {
  lastPath_ = QFileInfo(path).absoluteFilePath();
  // Relative names (the configuration file, the results folder) now resolve here.
  QDir::setCurrent(QFileInfo(lastPath_).absolutePath());
}

void MainWindow::saveGameCommand() {
  const QString path = prompts_.saveFileName(this, lastPath_, saveFilter(), QStringLiteral("txt"));
  if (path.isEmpty()) return;
  rememberPath(path);
  // For the page-per-turn report the message names the page that failed.
  std::string failedPath;
  const bool saved = saveGameWithPlayers(game_, players_->session().record(),
                                         toFileSystemPath(lastPath_), failedPath);
  if (saved) players_->session().saved(lastPath_);
  fillCandidateList();
  refreshGameView();
  if (!saved) {
    prompts_.showMessage(this, kCaption,
                         QStringLiteral("Kan bestand %1 niet schrijven").arg(fromFileSystemPath(failedPath)),
                         QMessageBox::Warning);
  }
}

void MainWindow::loadGameCommand() {
  if (players_->session().unsaved() &&
      !prompts_.askYesNo(this, kCaption, QStringLiteral("De spelers en hun oplossingen zijn niet bewaard. "
                                                        "Toch een ander spel inladen?"))) {
    return;
  }
  const QString path = prompts_.openFileName(this, lastPath_, openFilter());
  if (path.isEmpty()) return;
  rememberPath(path);
  loadGame(lastPath_);
}

bool MainWindow::loadGame(const QString& path) {
  bool turnsLeftOver = false;
  std::vector<std::string> problems;
  if (const int result = loadGameWithPlayers(game_, players_->session().recordToLoad(),
                                             toFileSystemPath(path), problems, &turnsLeftOver);
      result != 0) {
    // The game stays as it was. The name goes in as the window shows it.
    const QString text = fromLatin1(loadGameMessage(result, "%1")).arg(path);
    prompts_.showMessage(this, kCaption, text, QMessageBox::Warning);
    return false;
  }
  players_->session().loaded(path);
  fillCandidateList();
  refreshGameView();
  if (!problems.empty()) {
    QStringList lines;
    for (const std::string& problem : problems) lines << fromLatin1(problem);
    prompts_.showMessage(this, kCaption, lines.join(QLatin1Char('\n')), QMessageBox::Warning);
  }
  if (turnsLeftOver) {
    prompts_.showMessage(
        this, kCaption,
        QStringLiteral("Spel %1 heeft meer dan %2 beurten; de latere beurten zijn niet ingeladen. "
                       "Start Kwarrel met /maxb=50 om ze te zien.")
            .arg(path)
            .arg(game_.maxTurns),
        QMessageBox::Warning);
  }
  return true;
}

// --- The game flow ----------------------------------------------------------

void MainWindow::fillCandidateList() {
  fillingCandidates_ = true;
  candidates_->clear();
  for (const std::string& line : candidateLines(game_.results, game_.bestOnly)) {
    candidates_->addItem(fromLatin1(line));
  }
  candidates_->setCurrentIndex(-1);
  fillingCandidates_ = false;
}

void MainWindow::showCandidate() {
  if (!kwarrel::showCandidate(game_, candidates_->currentIndex())) return;
  refreshGameView();
}

void MainWindow::showMaximum() {
  if (candidates_->count() == 0) return;
  candidates_->setFocus();
  fillingCandidates_ = true;
  candidates_->setCurrentIndex(0);
  fillingCandidates_ = false;
  showCandidate();
}

void MainWindow::drawNextCommand() {
  QApplication::beep();
  QApplication::beep();
  drawAndSearch(game_);
  if (!game_.currentDraw.empty()) {
    // Several passes leave the last draw's search; the list shows the kept one.
    if (game_.settings.optimisationLoops > 1) recomputeAfresh(game_);
    fillCandidateList();
  }
  refreshGameView();
  if (!game_.currentDraw.empty()) toggleClock();
}

void MainWindow::newGameCommand() {
  if (!prompts_.askYesNo(this, QStringLiteral("WAARSCHUWING!"),
                         QStringLiteral("Alles uitwissen en opnieuw beginnen?"))) {
    return;
  }
  candidates_->clear();
  newGame(game_);
  // A new game of the same evening: the players stay, their answers go.
  players_->session().clearAnswers();
  refreshGameView();
}

void MainWindow::autoGameCommand() {
  QProgressDialog progress(QString(), QStringLiteral("Stop"), 0, game_.maxTurns, this);
  progress.setWindowTitle(QStringLiteral("Automatisch spel"));
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setMinimumDuration(0);
  progress.show();
  autoProgress_ = &progress;
  kwarrel::autoGameCommand(game_);
  autoProgress_ = nullptr;
  refreshGameView();
}

bool MainWindow::continueAutoGame(int turnIndex) {
  if (autoProgress_ == nullptr) return true;
  if (autoProgress_->wasCanceled()) return false;
  // The turn list catches up with the board, and the text names the turn both
  // show: the one just laid (the first before any), not the one the search is
  // about to try.
  refreshGameView();
  autoProgress_->setLabelText(QStringLiteral("Beurt %1 van %2 wordt gespeeld")
                                  .arg(std::max(1, turnIndex))
                                  .arg(game_.maxTurns));
  autoProgress_->setValue(turnIndex);
  QCoreApplication::processEvents();
  return !autoProgress_->wasCanceled();
}

// --- Turn entry -----------------------------------------------------------

bool MainWindow::openTurnEntry(int turnIndex) {
  TurnEntryDialog dialog(game_, turnIndex, entryTitle_, entryPosition_, this);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  refreshGameView();
  return accepted;
}

void MainWindow::enterSelectedTurn() {
  const QList<QTableWidgetItem*> selected = turnList_->selectedItems();
  const int t = selected.isEmpty() ? -1 : selected.front()->row();
  game_.selectedTurn = t;
  if (t >= 0 && t < game_.maxTurns) {
    entryTitle_ = QStringLiteral("Ingave van beurt %1").arg(t + 1);
    if (openTurnEntry(t)) {
      recomputeAfresh(game_);
      fillCandidateList();
      refreshGameView();
    }
  }
  turnList_->setFocus();
}

void MainWindow::enterNextTurn() {
  clearSquareMoves(game_);
  game_.results.clear();
  game_.currentDraw.clear();
  const int t = recomputeGame(game_);
  refreshGameView();
  if (t < 0 || t >= game_.maxTurns) return;
  selectTurnRow(t);
  enterSelectedTurn();
}

void MainWindow::boardClicked(int row, int column, bool rightButton, bool control) {
  if (control) {
    openSquarePossibilities(game_, row - 1, column - 1, this);
    return;
  }
  const int t = game_.selectedTurn;
  if (!aimTurnAt(game_, t, row, column, rightButton)) return;
  entryTitle_ = QStringLiteral("Ingave van beurt %1").arg(t + 1);
  if (!game_.results.empty()) {
    entryTitle_ += QStringLiteral(" (hoogst mogelijke score=%1)").arg(game_.results.front().score);
  }
  if (!openTurnEntry(t)) return;
  recomputeAfresh(game_);
  fillCandidateList();
  refreshGameView();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (clockRunning_) return;
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  const int cw = cellWidthFor(width());
  const int rh = cellHeightFor(height(), fonts_.bottomLineHeight);
  if (cw <= 0 || rh <= 0) return;
  const QPoint at = event->position().toPoint();
  const int row = at.y() / rh;
  const int column = at.x() / cw;
  if (row < 1 || row > 15 || column < 1 || column > 15) return;
  boardClicked(row, column, event->button() == Qt::RightButton,
               (event->modifiers() & Qt::ControlModifier) != 0);
}

// --- Turn list ----------------------------------------------------------

void MainWindow::turnSelectionChanged() {
  const QList<QTableWidgetItem*> selected = turnList_->selectedItems();
  game_.selectedTurn = selected.isEmpty() ? -1 : selected.front()->row();
  update();
  players_->turnSelected(game_.selectedTurn);
}

void MainWindow::selectTurnRow(int turnIndex) {
  if (turnIndex < 0 || turnIndex >= turnList_->rowCount()) return;
  turnList_->setCurrentCell(turnIndex, 0);
  turnList_->selectRow(turnIndex);
  turnList_->setFocus();
}

void MainWindow::deleteSelectedTurn() {
  const int t = game_.selectedTurn;
  if (t < 0 || t >= game_.maxTurns || t > lastUsedTurn(game_)) return;
  if (deleteNeedsConfirmation(game_, t) &&
      !prompts_.askYesNo(nullptr, QStringLiteral("Opgepast"),
                         QStringLiteral("Wil je echt een beurt in het midden van het spel verwijderen?"))) {
    return;
  }
  deleteTurn(game_, t);
  players_->session().turnDeleted(t);
  refreshGameView();
  turnList_->setFocus();
}

void MainWindow::insertBeforeSelectedTurn() {
  const int t = game_.selectedTurn;
  if (!insertTurn(game_, t)) return;
  players_->session().turnInserted(t, game_.maxTurns);
  fillCandidateList();
  refreshGameView();
  entryTitle_ = QStringLiteral("Ingave beurt %1").arg(t + 1);
  if (openTurnEntry(t)) {
    game_.results.clear();
    recomputeGame(game_);
    fillCandidateList();
    refreshGameView();
  }
  turnList_->setFocus();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    // An ambiguous letter only focuses the button; it does not click it.
    const bool withAlt = !shortcut->isAmbiguous() && !shortcut->key().isEmpty() &&
                         (shortcut->key()[0].keyboardModifiers() & Qt::AltModifier) != 0;
    for (int id = 0; id < kButtonCount; ++id) {
      if (watched == buttons_[static_cast<size_t>(id)] && withAlt) altLetterButton_ = id;
    }
    return QWidget::eventFilter(watched, event);
  }
  const bool fromList = watched == turnList_ || watched == turnList_->viewport();
  if (!fromList) return QWidget::eventFilter(watched, event);
  const QEvent::Type type = event->type();
  const bool input = type == QEvent::KeyPress || type == QEvent::MouseButtonPress ||
                     type == QEvent::MouseButtonDblClick || type == QEvent::MouseButtonRelease ||
                     type == QEvent::Wheel;
  // While the clock runs the list ignores the user.
  if (clockRunning_ && input) return true;
  if (type != QEvent::KeyPress || watched != turnList_) return QWidget::eventFilter(watched, event);
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Delete: deleteSelectedTurn(); return true;
    case Qt::Key_Insert: insertBeforeSelectedTurn(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: enterSelectedTurn(); return true;
    default: return QWidget::eventFilter(watched, event);
  }
}

// --- Closing ----------------------------------------------------------------

bool MainWindow::confirmQuit() {
  const QString question = QStringLiteral("Wenst U het programma te verlaten?");
  if (!players_->session().unsaved()) return prompts_.askYesNo(this, kCaption, question);
  return prompts_.askYesNo(
      this, kCaption, QStringLiteral("De spelers en hun oplossingen zijn niet bewaard. ") + question);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (confirmQuit()) {
    event->accept();
    players_->closeAll();
  } else {
    event->ignore();
  }
}

void MainWindow::commitDataRequested(QSessionManager& manager) {
  if (!manager.allowsInteraction()) return;
  const bool quit = confirmQuit();
  manager.release();
  if (!quit) manager.cancel();
}

// --- What the core and the dialogs ask of the window ----------------------------

void MainWindow::boardChanged() { update(); }

void MainWindow::repaintNow() {
  refreshGameView();
  repaint();
}

void MainWindow::setWaitCursor(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void MainWindow::fontChanged(FontRole role) {
  fonts_.rebuild(game_.settings.fonts);
  applyFonts();
  if (role == FontRole::TurnList || role == FontRole::RemainingLetters) layoutControls();
  update();
}

void MainWindow::boardLookChanged() { update(); }

void MainWindow::tileSetChanged() {
  recomputeAfresh(game_);
  fillCandidateList();
  refreshGameView();
}

ColumnPixelWidths MainWindow::turnListColumnWidths() const {
  ColumnPixelWidths widths{};
  for (int column = 0; column < 6; ++column) {
    widths[static_cast<size_t>(column)] = turnList_->columnWidth(column);
  }
  return widths;
}

void MainWindow::openHelp(HelpText text) { help_->open(text); }

QWidget* MainWindow::helpWindow() const { return help_->window(); }

void MainWindow::printHelp() { help_->print(); }

void MainWindow::openSettings() {
  openSettingsDialog(game_, fonts_, *this, prompts_, this);
  // The blank character and the value display show in the board and the lists.
  refreshGameView();
}

void MainWindow::openCheckWord() {
  CheckWordDialog dialog(game_, this);
  dialog.exec();
}

}  // namespace kwarrel::ui

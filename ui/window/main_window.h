// The main window: the board painted from the display grid, the six command
// buttons, the score box, the remaining-letters line, the candidate list and the
// turn list; keys, clicks and list notifications become commands of the game.
#pragma once

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "game/game_state.h"
#include "game/observer.h"
#include "ui/base/prompts.h"
#include "ui/base/ui_fonts.h"
#include "ui/base/window_hooks.h"
#include "ui/players/players_views.h"
#include "ui/window/board_painter.h"
#include "ui/window/candidate_list.h"
#include "ui/window/layout.h"
#include "ui/window/signal_player.h"

class QLabel;
class QProgressDialog;
class QPushButton;
class QSessionManager;
class QTableWidget;

namespace kwarrel::ui {

class HelpWindows;


// Command numbers of the buttons and keys.
enum Command {
  kCmdSave = 0,
  kCmdLoad = 1,
  kCmdAuto = 2,
  kCmdClock = 3,
  kCmdNew = 4,
  kCmdDraw = 5,
  kCmdSettings = 10,
  kCmdCheckWord = 11,
  kCmdClockKey = 12,
  kCmdShowMaximum = 13,
  kCmdEnterSelected = 14,
  kCmdEnterNext = 16,
  kCmdHelp = 18,
  kCmdPlayers = 20,
  kCmdSlips = 21,
  kCmdStandings = 22,
  kCmdPlayersScreen = 23,
};

class MainWindow : public QWidget, public WindowHooks, public kwarrel::GameObserver {
  Q_OBJECT

 public:
  // `programFolder` holds the sound files.
  MainWindow(kwarrel::GameState& game, Prompts& prompts, const QString& programFolder,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // A command of the buttons and keys; `altHeld` shows the draw large (F5, F3).
  // While the clock runs only the clock commands act.
  void runCommand(int command, bool altHeld);
  // Loads a game file as "Inladen" does; false when it could not be read.
  bool loadGame(const QString& path);
  // Asks the close question; true for Yes.
  bool confirmQuit();

  void fillCandidateList();
  void layoutControls();
  // The graph the game's words refer to, which "Woordenlijst..." and
  // "Standaardlijst" replace; until it is given the words stay as they are.
  void setReplaceableWords(kwarrel::WordGraph& words) { replaceableWords_ = &words; }
  void toggleClock();

  // For tests and start-up.
  QPushButton* button(int id) const { return buttons_[static_cast<size_t>(id)]; }
  CandidateList* candidateList() const { return candidates_; }
  QTableWidget* turnList() const { return turnList_; }
  QLabel* scoreBox() const { return scoreBox_; }
  QLabel* remainingLetters() const { return remaining_; }
  bool clockRunning() const { return clockRunning_; }
  int secondsLeft() const { return secondsLeft_; }
  const ControlLayout& controlLayout() const { return layout_; }
  SignalPlayer& signalPlayer() { return signals_; }
  const QString& entryTitle() const { return entryTitle_; }
  void clockTick();
  int layoutCount() const { return layoutCount_; }
  PlayersViews& players() { return *players_; }

  // WindowHooks: the dialogs' changes that act at once.
  void fontChanged(FontRole role) override;
  void boardLookChanged() override;
  void tileSetChanged() override;
  kwarrel::ColumnPixelWidths turnListColumnWidths() const override;
  void openHelp(HelpText text) override;
  QWidget* helpWindow() const override;
  void printHelp() override;
  void playSignal(bool second) override;
  bool replaceWordList(kwarrel::WordGraph words) override;

  // GameObserver: what the game flow asks of the window.
  void boardChanged() override;
  void repaintNow() override;
  void setWaitCursor(bool busy) override;
  void selectTurnRow(int turnIndex) override;
  bool continueAutoGame(int turnIndex) override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void createShortcuts();
  void applyFonts();
  void refreshGameView();
  void refreshRemainingLetters();
  PaintInput paintInput() const;

  // The commands.
  void saveGameCommand();
  void loadGameCommand();
  void autoGameCommand();
  void newGameCommand();
  void drawNextCommand();
  void showMaximum();
  void enterSelectedTurn();
  void enterNextTurn();
  void showCandidate();
  bool openTurnEntry(int turnIndex);
  void boardClicked(int row, int column, bool rightButton, bool control);
  void deleteSelectedTurn();
  void insertBeforeSelectedTurn();
  void turnSelectionChanged();
  void openSettings();
  void openCheckWord();
  void commitDataRequested(QSessionManager& manager);
  // The file dialogs' shared name: offered again, and its folder becomes current.
  void rememberPath(const QString& path);

  kwarrel::GameState& game_;
  Prompts& prompts_;
  UiFonts fonts_;
  PaintTools paintTools_;
  SignalPlayer signals_;
  std::unique_ptr<HelpWindows> help_;

  std::array<QPushButton*, kButtonCount> buttons_{};
  QLabel* scoreBox_ = nullptr;
  QLabel* remaining_ = nullptr;
  CandidateList* candidates_ = nullptr;
  QTableWidget* turnList_ = nullptr;

  QTimer layoutTimer_;
  QTimer clockTimer_;
  ControlLayout layout_;
  int layoutCount_ = 0;
  bool clockRunning_ = false;
  bool showDrawLarge_ = false;
  int altLetterButton_ = -1;  // the button whose Alt letter was pressed, until it clicks
  int secondsLeft_ = 0;
  bool fillingCandidates_ = false;
  QString entryTitle_;
  std::optional<QPoint> entryPosition_;
  QString lastPath_;
  QProgressDialog* autoProgress_ = nullptr;
  kwarrel::GameObserver* previousObserver_ = nullptr;
  kwarrel::WordGraph* replaceableWords_ = nullptr;
  // Last, so that its windows go before the rest of the main window.
  std::unique_ptr<PlayersViews> players_;
};

}  // namespace kwarrel::ui

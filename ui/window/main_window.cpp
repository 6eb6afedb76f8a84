#include "ui/window/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>

#include "game/draw.h"
#include "game/turn_cycle.h"
#include "ui/base/latin1.h"
#include "ui/dialogs/help_window.h"

namespace kwarrel::ui {

namespace {

constexpr int kLayoutDelayMs = 100;
constexpr int kClockPeriodMs = 1000;

const char* const kButtonLabels[kButtonCount] = {"&Bewaren", "&Inladen",  "&Auto",
                                                 "&Klok (F3)", "&Nieuw", "&Trek (F5)"};
const char* const kColumnHeaders[6] = {"#", "Letters", "Woord", "Co", "HV", "Sco"};

}  // namespace

MainWindow::MainWindow(GameState& game, Prompts& prompts, const QString& programFolder,
                       QWidget* parent)
    : QWidget(parent),
      game_(game),
      prompts_(prompts),
      signals_(programFolder),
      help_(std::make_unique<HelpWindows>(prompts)) {
  setWindowTitle(QStringLiteral("Kwarrel"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
  game_.random.seed(static_cast<uint32_t>(QDateTime::currentSecsSinceEpoch()));
  previousObserver_ = game_.observer;
  game_.observer = this;
  fonts_.rebuild(game_.settings.fonts);

  layoutTimer_.setSingleShot(true);
  connect(&layoutTimer_, &QTimer::timeout, this, &MainWindow::layoutControls);
  connect(&clockTimer_, &QTimer::timeout, this, &MainWindow::clockTick);

  players_ = std::make_unique<PlayersViews>(game_, prompts_, *this, [this] {
    return ClockView{clockRunning_, secondsLeft_};
  });
  createControls();
  createShortcuts();
  setMinimumHeight(3 * QFontMetrics(QApplication::font()).height());

  connect(qApp, &QGuiApplication::commitDataRequest, this, &MainWindow::commitDataRequested);

  // The empty game.
  recomputeAfresh(game_);
  refreshGameView();
}

MainWindow::~MainWindow() {
  // The game may outlive the window; it goes back to the observer it had.
  if (game_.observer == this) game_.observer = previousObserver_;
}

void MainWindow::createControls() {
  for (int id = 0; id < kButtonCount; ++id) {
    auto* button = new QPushButton(QString::fromLatin1(kButtonLabels[id]), this);
    button->setFocusPolicy(Qt::NoFocus);
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, id] {
      // The Alt letter clicks the button a moment later, when Alt may be up again.
      const bool altHeld = altLetterButton_ == id ||
                           (QGuiApplication::keyboardModifiers() & Qt::AltModifier) != 0;
      altLetterButton_ = -1;
      runCommand(id, altHeld);
    });
    buttons_[static_cast<size_t>(id)] = button;
  }
  scoreBox_ = new QLabel(QStringLiteral(" "), this);
  scoreBox_->setAlignment(Qt::AlignCenter);
  scoreBox_->setFrameStyle(QFrame::Box | QFrame::Plain);
  remaining_ = new QLabel(this);
  remaining_->setAlignment(Qt::AlignCenter);

  candidates_ = new CandidateList(this);
  connect(candidates_, &QComboBox::currentIndexChanged, this, [this] {
    if (!fillingCandidates_) showCandidate();
  });

  turnList_ = new QTableWidget(game_.maxTurns, 6, this);
  for (int column = 0; column < 6; ++column) {
    turnList_->setHorizontalHeaderItem(column,
                                       new QTableWidgetItem(QString::fromLatin1(kColumnHeaders[column])));
  }
  turnList_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The layout's widths hold also under a large font: the header would otherwise
  // widen every narrow column to fit its text.
  turnList_->horizontalHeader()->setMinimumSectionSize(1);
  turnList_->verticalHeader()->setVisible(false);
  turnList_->setShowGrid(true);
  turnList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  turnList_->setSelectionMode(QAbstractItemView::SingleSelection);
  turnList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  turnList_->setTabKeyNavigation(false);
  turnList_->setWordWrap(false);
  turnList_->setCornerButtonEnabled(false);
  for (int row = 0; row < game_.maxTurns; ++row) {
    for (int column = 0; column < 6; ++column) {
      auto* item = new QTableWidgetItem(column == 0 ? QString::number(row + 1) : QString());
      turnList_->setItem(row, column, item);
    }
  }
  turnList_->installEventFilter(this);
  turnList_->viewport()->installEventFilter(this);
  connect(turnList_, &QTableWidget::itemSelectionChanged, this, &MainWindow::turnSelectionChanged);
  connect(turnList_, &QTableWidget::cellDoubleClicked, this, [this] { enterSelectedTurn(); });
  applyFonts();
}

void MainWindow::createShortcuts() {
  struct Key {
    QKeySequence keys;
    int command;
    bool alt;
  };
  const Key keys[] = {
      {Qt::Key_F2, kCmdSettings, false},      {Qt::Key_2, kCmdSettings, false},
      {Qt::Key_F7, kCmdCheckWord, false},     {Qt::Key_7, kCmdCheckWord, false},
      {Qt::Key_F3, kCmdClockKey, false},      {Qt::Key_3, kCmdClockKey, false},
      {Qt::ALT | Qt::Key_F3, kCmdClockKey, true},
      {Qt::Key_F5, kCmdDraw, false},          {Qt::Key_5, kCmdDraw, false},
      {Qt::ALT | Qt::Key_F5, kCmdDraw, true}, {Qt::CTRL | Qt::Key_F5, kCmdEnterNext, false},
      {Qt::Key_F1, kCmdHelp, false},          {Qt::Key_1, kCmdHelp, false},
      {Qt::Key_F4, kCmdShowMaximum, false},   {Qt::Key_4, kCmdShowMaximum, false},
      {Qt::Key_F10, kCmdEnterSelected, false},
      {Qt::Key_F6, kCmdPlayers, false},       {Qt::Key_6, kCmdPlayers, false},
      {Qt::Key_F8, kCmdSlips, false},         {Qt::Key_8, kCmdSlips, false},
      {Qt::Key_F11, kCmdStandings, false},    {Qt::Key_F12, kCmdPlayersScreen, false},
      // Alt with the upper-case letter; the lower-case one is the button's own mnemonic.
      {Qt::ALT | Qt::SHIFT | Qt::Key_B, kCmdSave, true},
      {Qt::ALT | Qt::SHIFT | Qt::Key_I, kCmdLoad, true},
      {Qt::ALT | Qt::SHIFT | Qt::Key_A, kCmdAuto, true},
      {Qt::ALT | Qt::SHIFT | Qt::Key_K, kCmdClock, true},
      {Qt::ALT | Qt::SHIFT | Qt::Key_N, kCmdNew, true},
      {Qt::ALT | Qt::SHIFT | Qt::Key_T, kCmdDraw, true},
  };
  for (const Key& key : keys) {
    auto* shortcut = new QShortcut(key.keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    const int command = key.command;
    const bool alt = key.alt;
    connect(shortcut, &QShortcut::activated, this, [this, command, alt] { runCommand(command, alt); });
  }
}

void MainWindow::applyFonts() {
  for (QPushButton* button : buttons_) button->setFont(QApplication::font());
  scoreBox_->setFont(fonts_.letters);
  remaining_->setFont(fonts_.remainingLetters);
  candidates_->setFont(fonts_.turnList);
  turnList_->setFont(fonts_.turnList);
  turnList_->horizontalHeader()->setFont(fonts_.turnList);
  turnList_->verticalHeader()->setDefaultSectionSize(QFontMetrics(fonts_.turnList).height() + 4);
}

// Only the digits of the main keyboard are accelerators: a digit of the keypad is
// claimed before the shortcuts see it, and goes to the control with the focus.
bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & Qt::KeypadModifier) != 0 && key->key() >= Qt::Key_0 &&
        key->key() <= Qt::Key_9) {
      event->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

// --- Layout and painting ---------------------------------------------------

void MainWindow::layoutControls() {
  layoutTimer_.stop();
  ++layoutCount_;
  const int borderWidth = 1;
  layout_ = computeLayout(width(), height(), fonts_.bottomLineHeight, clockRunning_, borderWidth,
                          game_.settings.columnWidths);
  for (int id = 0; id < kButtonCount; ++id) buttons_[static_cast<size_t>(id)]->setGeometry(layout_.buttons[static_cast<size_t>(id)]);
  candidates_->setGeometry(layout_.candidateList.x(), layout_.candidateList.y(),
                           layout_.candidateList.width(), std::max(1, layout_.cellHeight));
  candidates_->setPopupHeight(layout_.candidateList.height());
  scoreBox_->setGeometry(layout_.scoreBox);
  remaining_->setGeometry(layout_.remainingLetters);
  applyFonts();
  const int rows = turnList_->rowCount();
  const int fullHeight = turnList_->horizontalHeader()->height() +
                         rows * turnList_->verticalHeader()->defaultSectionSize() +
                         2 * turnList_->frameWidth();
  const int listHeight = std::max(0, turnListHeight(layout_, fullHeight));
  // The columns fill the rows' width, beside the scroll bar when not every row fits.
  int rowsWidth = layout_.turnListWidth - 2 * turnList_->frameWidth();
  if (listHeight < fullHeight) {
    rowsWidth -= turnList_->verticalScrollBar()->sizeHint().width();
  }
  layout_.columnWidths = fitColumnWidths(layout_, game_.settings.columnWidths, rowsWidth);
  for (int column = 0; column < 6; ++column) {
    turnList_->setColumnWidth(column, std::max(0, layout_.columnWidths[static_cast<size_t>(column)]));
  }
  turnList_->setGeometry(layout_.turnListX, 0, std::max(0, layout_.turnListWidth), listHeight);
  update();
}

PaintInput MainWindow::paintInput() const {
  return PaintInput{game_,          fonts_,        paintTools_,       size(),      layout_.gap,
                    game_.selectedTurn, clockRunning_, showDrawLarge_, secondsLeft_};
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::white);
  paintMainWindow(painter, paintInput());
}

void MainWindow::refreshRemainingLetters() {
  remaining_->setText(fromLatin1(remainingLettersLine(game_)));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutTimer_.start(kLayoutDelayMs);
}

// Turn list rows, total and remaining letters from what the recompute wrote.
void MainWindow::refreshGameView() {
  for (int row = 0; row < game_.maxTurns && row < turnList_->rowCount(); ++row) {
    const TurnListRow& texts = game_.turnListRows[static_cast<size_t>(row)];
    for (int column = 1; column < 6; ++column) {
      turnList_->item(row, column)->setText(fromLatin1(texts[static_cast<size_t>(column - 1)]));
    }
  }
  scoreBox_->setText(QString::number(game_.totalScore));
  refreshRemainingLetters();
  update();
  players_->gameChanged();
}

// --- Clock ------------------------------------------------------------------

void MainWindow::toggleClock() {
  if (!clockRunning_ && game_.currentDraw.empty()) return;
  clockRunning_ = !clockRunning_;
  for (const int id : {kSaveButton, kLoadButton, kAutoButton, kNewButton, kDrawButton}) {
    buttons_[static_cast<size_t>(id)]->setVisible(!clockRunning_);
  }
  candidates_->setVisible(!clockRunning_);
  buttons_[kClockButton]->setText(clockRunning_ ? QStringLiteral("Stop &klok (F3)")
                                                : QStringLiteral("&Klok (F3)"));
  if (clockRunning_) {
    clockTimer_.start(kClockPeriodMs);
    secondsLeft_ = game_.settings.thinkTime;
  } else {
    clockTimer_.stop();
  }
  layoutControls();
  update();
  players_->clockChanged();
}

void MainWindow::clockTick() {
  if (!clockRunning_) return;
  --secondsLeft_;
  update(clockRect(paintInput()));
  players_->clockChanged();
  if (secondsLeft_ >= 27 && secondsLeft_ <= 30) {
    playSignal(false);
  } else if (secondsLeft_ >= 1 && secondsLeft_ <= 3) {
    playSignal(true);
  } else if (secondsLeft_ <= 0) {
    QApplication::beep();
    clockTimer_.stop();
    toggleClock();
    turnList_->setFocus();
  }
}

void MainWindow::playSignal(bool second) { signals_.playSignal(second, game_.settings); }

// --- Commands -------------------------------------------------------------

void MainWindow::runCommand(int command, bool altHeld) {
  // The players' windows change no game: they work while the clock runs.
  const bool whileClockRuns = command == kCmdClock || command == kCmdClockKey || command == kCmdSlips ||
                              command == kCmdStandings || command == kCmdPlayersScreen;
  if (clockRunning_ && !whileClockRuns) return;
  switch (command) {
    case kCmdSave: saveGameCommand(); break;
    case kCmdLoad: loadGameCommand(); break;
    case kCmdAuto: autoGameCommand(); break;
    case kCmdClock:
    case kCmdClockKey:
      showDrawLarge_ = altHeld;
      toggleClock();
      break;
    case kCmdNew: newGameCommand(); break;
    case kCmdDraw:
      showDrawLarge_ = altHeld;
      drawNextCommand();
      break;
    case kCmdSettings: openSettings(); break;
    case kCmdCheckWord: openCheckWord(); break;
    case kCmdShowMaximum: showMaximum(); break;
    case kCmdEnterSelected: enterSelectedTurn(); break;
    case kCmdEnterNext: enterNextTurn(); break;
    case kCmdHelp: openHelp(HelpText::Main); break;
    case kCmdPlayers: players_->openPlayersDialog(); break;
    case kCmdSlips: players_->openSlips(slipsTurnFor(game_)); break;
    case kCmdStandings: players_->openStandings(); break;
    case kCmdPlayersScreen: players_->togglePlayersScreen(); break;
    default: break;
  }
}

}  // namespace kwarrel::ui

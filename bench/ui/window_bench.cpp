// The window's costs: a full paint of a mid-game board at 1920x1080, F5 up to a
// filled candidate list, making the window up to its first paint, a slip typed
// up to its judged score shown (40 players, 22 turns), and a full paint of the
// players' screen at 1920x1080. Runs offscreen, so it measures our painting and
// not a display server.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTableWidget>
#include <memory>

#include "game/draw.h"
#include "game/turn_cycle.h"
#include "ui/base/font_record.h"
#include "players/slip_line.h"
#include "ui/players/players_screen.h"
#include "ui/players/slips_window.h"
#include "ui/window/board_painter.h"
#include "ui/window/main_window.h"

namespace kwarrel::ui {
namespace {

class SilentPrompts : public Prompts {
 public:
  bool askYesNo(QWidget*, const QString&, const QString&) override { return true; }
  void showMessage(QWidget*, const QString&, const QString&, QMessageBox::Icon) override {}
  QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return std::nullopt; }
  bool choosePrinter(QWidget*, QPrinter&) override { return false; }
};

// Eight turns played with the best move of seeded draws.
void playMidGame(GameState& game) {
  game.random.seed(2020);
  recomputeAfresh(game);
  for (int t = 0; t < 8; ++t) {
    game.turns[t].rack = drawRack(game);
    recomputeAfresh(game);
    if (game.results.empty()) break;
    game.turns[t].play(game.results.front());
    recomputeAfresh(game);
  }
}

// Turns played with the best move of seeded draws, up to `count` or until the
// bag gives out; returns how many.
int playBestTurns(GameState& game, int count) {
  game.random.seed(2020);
  recomputeAfresh(game);
  int played = 0;
  for (int t = 0; t < count && t < game.maxTurns; ++t) {
    game.turns[t].rack = drawRack(game);
    if (game.turns[t].rack.size() != kRackSize) {
      game.turns[t].clear();
      break;
    }
    recomputeAfresh(game);
    if (game.results.empty()) {
      game.turns[t].clear();
      break;
    }
    game.turns[t].play(game.results.front());
    recomputeAfresh(game);
    ++played;
  }
  return played;
}

// The laid move of a turn as a slip line for player `number`.
QString slipFor(const GameState& game, int turnIndex, int number) {
  const Turn& turn = game.turns[turnIndex];
  const Answer laid = moveAnswer(turn.row - 1, turn.column - 1, turn.horizontal != 0, turn.word);
  return QStringLiteral("%1 %2 %3")
      .arg(number)
      .arg(QString::fromStdString(slipSquareText(laid)), QString::fromStdString(turn.word));
}

// A club evening: 40 players, an answer from each for every turn, every list open.
struct ClubEvening {
  GameState game{builtInWordGraph()};
  SilentPrompts prompts;
  std::unique_ptr<MainWindow> window;
  int turns = 0;

  ClubEvening() {
    game.maxTurns = 22;
    turns = playBestTurns(game, 22);
    window = std::make_unique<MainWindow>(game, prompts, QString());
    window->resize(1920, 1080);
    window->layoutControls();
    PlayersSession& session = window->players().session();
    for (int number = 1; number <= 40; ++number) {
      session.setPlayer(number, "Speler " + std::to_string(number));
      for (int t = 0; t < turns; ++t) {
        PlayersRecord& record = session.recordToLoad();
        setAnswer(record, number, t, number % 3 == 0 ? scoreAnswer(number % 10)
                                                     : moveAnswer(game.turns[t].row - 1,
                                                                  game.turns[t].column - 1,
                                                                  game.turns[t].horizontal != 0,
                                                                  game.turns[t].word));
      }
    }
    session.gameChanged();
    window->players().openStandings();
    window->players().openSlips(turns - 1);
  }
  void typeSlip(const QString& line) {
    QLineEdit* field = window->players().slipsWindow()->slipLine();
    field->setText(line);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &enter);
  }
};

// One slip of the turn whose slips are coming in: Enter up to its score in the
// slips window and the standings window refilled.
void BM_SlipToJudgedScore(benchmark::State& state) {
  ClubEvening evening;
  const int last = evening.turns - 1;
  evening.typeSlip(slipFor(evening.game, last, 1));  // the turn's board is prepared once
  int number = 0;
  int64_t refused = 0;
  for (auto _ : state) {
    number = number % 40 + 1;
    evening.typeSlip(slipFor(evening.game, last, number));
    state.PauseTiming();
    const QTableWidget* table = evening.window->players().slipsWindow()->table();
    if (table->item(number - 1, SlipsWindow::kScore)->text().toInt() != evening.game.turns[last].score) {
      ++refused;
    }
    state.ResumeTiming();
  }
  state.counters["spelers"] = 40;
  state.counters["beurten"] = evening.turns;
  state.counters["punten"] = evening.game.turns[last].score;
  // Every slip is the laid move: none may score otherwise.
  state.counters["afwijkend"] = static_cast<double>(refused);
}
BENCHMARK(BM_SlipToJudgedScore)->Unit(benchmark::kMillisecond);

// The first slip after Page Up or Down: the new turn's board is prepared for it.
void BM_FirstSlipOfATurn(benchmark::State& state) {
  ClubEvening evening;
  SlipsWindow* slips = evening.window->players().slipsWindow();
  int turn = 0;
  for (auto _ : state) {
    turn = (turn + 1) % evening.turns;
    slips->setTurn(turn);
    evening.typeSlip(slipFor(evening.game, turn, turn % 40 + 1));
  }
}
BENCHMARK(BM_FirstSlipOfATurn)->Unit(benchmark::kMillisecond);

void BM_PlayersScreen1920x1080(benchmark::State& state) {
  ClubEvening evening;
  evening.window->players().togglePlayersScreen();
  PlayersScreen* screen = evening.window->players().playersScreen();
  screen->resize(1920, 1080);
  QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    screen->render(&image);
  }
}
BENCHMARK(BM_PlayersScreen1920x1080)->Unit(benchmark::kMillisecond);

void BM_PaintFullWindow1920x1080(benchmark::State& state) {
  GameState game(builtInWordGraph());
  game.settings.fonts = defaultFonts(1920, 1080);
  playMidGame(game);
  UiFonts fonts;
  fonts.rebuild(game.settings.fonts);
  const PaintTools tools;
  QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
  const PaintInput input{game, fonts, tools, image.size(), 4, 3, false, false, 0};
  for (auto _ : state) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    paintMainWindow(painter, input);
  }
}
BENCHMARK(BM_PaintFullWindow1920x1080)->Unit(benchmark::kMillisecond);

// F5 on turn 9 of a game: draw, search, candidate list, clock start; the clock
// is stopped again outside the timing.
void BM_DrawToCandidateList(benchmark::State& state) {
  GameState game(builtInWordGraph());
  playMidGame(game);
  SilentPrompts prompts;
  MainWindow window(game, prompts, QString());
  window.resize(1920, 1080);
  window.layoutControls();
  int64_t candidates = 0;
  for (auto _ : state) {
    window.runCommand(kCmdDraw, false);
    state.PauseTiming();
    candidates += window.candidateList()->count();
    window.toggleClock();
    game.turns[8].rack.clear();
    recomputeAfresh(game);
    state.ResumeTiming();
  }
  state.counters["kandidaten"] =
      benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DrawToCandidateList)->Unit(benchmark::kMillisecond);

void BM_WindowToFirstPaint(benchmark::State& state) {
  SilentPrompts prompts;
  for (auto _ : state) {
    GameState game(builtInWordGraph());
    MainWindow window(game, prompts, QString());
    window.resize(1920, 1080);
    window.layoutControls();
    benchmark::DoNotOptimize(window.grab());
  }
}
BENCHMARK(BM_WindowToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kwarrel::ui

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kwarrel::ui::installFontSubstitutes();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

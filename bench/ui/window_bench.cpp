// The window's costs: a full paint of a mid-game board at 1920x1080, F5 up to a
// filled candidate list, and making the window up to its first paint. Runs
// offscreen, so it measures our painting and not a display server.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <memory>

#include "game/draw.h"
#include "game/turn_cycle.h"
#include "ui/base/font_record.h"
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

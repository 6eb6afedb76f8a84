// Details of the main window a game master notices: the large draw after a
// quick Alt letter, the clock of long thinking times, and the turn list's
// columns after a restart.
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "files/config_file.h"
#include "game/turn_cycle.h"
#include "tests/ui/dialogs/fake_window.h"
#include "ui/window/board_painter.h"
#include "ui/window/layout.h"
#include "ui/window/main_window.h"

namespace kwarrel::ui {
namespace {

int darkPixels(const QImage& image) {
  int dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
  }
  return dark;
}

// The columns end exactly at the right edge of the rows, with nothing to scroll
// sideways; returns the columns' widths.
std::array<int, 6> checkColumnsFill(MainWindow& window) {
  QTableWidget* list = window.turnList();
  QCoreApplication::processEvents();
  std::array<int, 6> widths{};
  int total = 0;
  for (int column = 0; column < 6; ++column) {
    widths[static_cast<size_t>(column)] = list->columnWidth(column);
    total += list->columnWidth(column);
  }
  [&] {
    QCOMPARE(total, list->viewport()->width());
    QVERIFY(!list->horizontalScrollBar()->isVisible());
  }();
  return widths;
}

}  // namespace

class WindowDetailsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<GameState> game_;
  testing::FakePrompts prompts_;
  std::unique_ptr<MainWindow> window_;

  void openWindow(int width, int height) {
    window_ = std::make_unique<MainWindow>(*game_, prompts_, folder_->path());
    window_->resize(width, height);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->layoutControls();
  }

  // The corner square is never painted, so it is white unless the large draw's
  // first tile covers it.
  bool drawShownLarge() {
    const QImage image = window_->grab().toImage();
    return image.pixelColor(3, 3) == QColor(255, 255, 192);
  }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(folder_->path());
    game_ = std::make_unique<GameState>(builtInWordGraph());
    prompts_ = {};
  }
  void cleanup() {
    window_.reset();
    game_.reset();
    QDir::setCurrent(QDir::tempPath());
  }

  void quickAltLetterShowsTheDrawLarge() {
    openWindow(1280, 800);
    game_->random.seed(5);
    // Alt goes down, T is typed, Alt comes up before the button has clicked. (A
    // real Alt release reports no modifiers left; the test's own one still has Alt.)
    QTest::keyClick(window_.get(), Qt::Key_T, Qt::AltModifier);
    QTest::keyRelease(window_.get(), Qt::Key_Alt);
    QCOMPARE(QGuiApplication::keyboardModifiers() & Qt::AltModifier, Qt::NoModifier);
    QTRY_VERIFY(window_->clockRunning());
    QVERIFY(drawShownLarge());

    // Without Alt the draw is shown in the button row; Alt+K shows it large again.
    QTest::keyClick(window_.get(), Qt::Key_F3);
    QTest::keyClick(window_.get(), Qt::Key_3);
    QVERIFY(window_->clockRunning());
    QVERIFY(!drawShownLarge());
    QTest::keyClick(window_.get(), Qt::Key_3);
    QVERIFY(!window_->clockRunning());
    QTest::keyClick(window_.get(), Qt::Key_K, Qt::AltModifier);
    QTest::keyRelease(window_.get(), Qt::Key_Alt);
    QTRY_VERIFY(window_->clockRunning());
    QVERIFY(drawShownLarge());

    // A plain click on the button, Alt up, stops the clock without making it large.
    QTest::mouseClick(window_->button(kClockButton), Qt::LeftButton);
    QVERIFY(!window_->clockRunning());
    QTest::mouseClick(window_->button(kClockButton), Qt::LeftButton);
    QVERIFY(!drawShownLarge());
  }

  void clockShowsMinutesAndSecondsOfLongThinkingTimes() {
    QCOMPARE(clockDigits(180, 180), std::string("3:00"));
    QCOMPARE(clockDigits(59, 180), std::string("0:59"));
    QCOMPARE(clockDigits(725, 725), std::string("12:05"));
    QCOMPARE(clockDigits(599, 725), std::string("09:59"));
    QCOMPARE(clockDigits(999, 999), std::string("16:39"));
    QCOMPARE(clockDigits(0, 600), std::string("00:00"));
    QCOMPARE(clockDigits(-1, 0), std::string("0:00"));

    // Five squares share the four squares' room; with cw = 60 each is 48 wide,
    // so squares with the same character look exactly alike.
    game_->settings.thinkTime = 671;  // 11:11
    openWindow(1460, 900);
    QCOMPARE(cellWidthFor(window_->width()), 60);
    game_->turns[0].rack = "AEIRSTN";
    recomputeAfresh(*game_);
    window_->toggleClock();
    const int top = window_->controlLayout().buttons[0].y();
    const int rh = window_->controlLayout().cellHeight;
    QImage image = window_->grab().toImage();
    const auto square = [&](int i) { return image.copy(480 + 48 * i + 2, top + 2, 46, rh - 3); };
    QVERIFY(darkPixels(square(0)) > 0);
    QCOMPARE(square(1), square(0));
    QCOMPARE(square(3), square(0));
    QCOMPARE(square(4), square(0));
    QVERIFY(square(2) != square(0));  // the colon

    window_->clockTick();  // 11:10
    image = window_->grab().toImage();
    QCOMPARE(square(3), square(0));
    QVERIFY(square(4) != square(0));
    QVERIFY(darkPixels(square(4)) > 0);
  }

  void turnListColumnsFillTheListAfterARestart() {
    openWindow(1280, 800);
    const std::array<int, 6> first = checkColumnsFill(*window_);
    if (QTest::currentTestFailed()) return;
    const std::string bytes = encodeSettings(*game_, window_->turnListColumnWidths());
    window_.reset();

    // A restart reads the widths back as shares; they still fill the list.
    game_ = std::make_unique<GameState>(builtInWordGraph());
    QCOMPARE(decodeSettings(*game_, bytes), 7);
    openWindow(1280, 800);
    const std::array<int, 6> again = checkColumnsFill(*window_);
    if (QTest::currentTestFailed()) return;
    for (size_t column = 0; column < 6; ++column) {
      QVERIFY2(std::abs(again[column] - first[column]) <= 5,
               qPrintable(QStringLiteral("column %1: %2 then %3")
                              .arg(column)
                              .arg(first[column])
                              .arg(again[column])));
    }
    window_.reset();

    // Fifty turns scroll: the columns end at the vertical scroll bar.
    game_ = std::make_unique<GameState>(builtInWordGraph());
    game_->maxTurns = 50;
    QCOMPARE(decodeSettings(*game_, bytes), 7);
    openWindow(1280, 800);
    QVERIFY(window_->turnList()->verticalScrollBar()->isVisible());
    checkColumnsFill(*window_);
  }
};

}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::WindowDetailsTest)
#include "window_details_test.moc"

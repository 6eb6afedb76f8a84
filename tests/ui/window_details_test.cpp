// Details of the main window a game master notices: the large draw after a
// quick Alt letter.
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
};

}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::WindowDetailsTest)
#include "window_details_test.moc"

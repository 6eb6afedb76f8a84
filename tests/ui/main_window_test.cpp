// The main window driven as a game master drives it: keys, clicks on the board
// and in the turn list, the entry dialog, the clock, and what is painted.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

#include "files/save.h"
#include "game/turn_cycle.h"
#include "game/turn_table.h"
#include "tests/report_games.h"
#include "tests/ui/scripted_prompts.h"
#include "ui/base/font_record.h"
#include "ui/window/layout.h"
#include "ui/window/main_window.h"
#include "ui/window/startup.h"
#include "ui/window/turn_entry_dialog.h"

namespace kwarrel::ui {
namespace {

// Runs `action` on the turn entry dialog as soon as it is open; a dialog the
// action left open (a failed check) is cancelled so the test goes on.
void onEntryDialog(const std::function<void(TurnEntryDialog&)>& action) {
  QTimer::singleShot(0, [action] {
    auto* dialog = qobject_cast<TurnEntryDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    const QPointer<TurnEntryDialog> guard(dialog);
    action(*dialog);
    if (guard && guard->isVisible()) guard->reject();
  });
}

QPoint squareCentre(const MainWindow& window, int row, int column) {
  const int cw = cellWidthFor(window.width());
  const int rh = cellHeightFor(window.height(), window.controlLayout().remainingLetters.height());
  return {column * cw + cw / 2, row * rh + rh / 2};
}

// A point inside a square near its top-left corner, clear of letters.
QPoint squareCorner(const MainWindow& window, int row, int column) {
  const int cw = cellWidthFor(window.width());
  const int rh = cellHeightFor(window.height(), window.controlLayout().remainingLetters.height());
  return {column * cw + cw / 7, row * rh + rh / 7};
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(folder->path());
    game = std::make_unique<GameState>(builtInWordGraph());
    prompts = std::make_unique<ScriptedPrompts>();
    window = std::make_unique<MainWindow>(*game, *prompts, folder->path());
    window->resize(1280, 800);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->layoutControls();
  }
  void cleanup() {
    window.reset();
    game.reset();
    QDir::setCurrent(QDir::tempPath());
  }

  void switchesFollowTheirRules() {
    QCOMPARE(parseSwitches({"/maxb=10"}).maxTurns, 22);
    QCOMPARE(parseSwitches({"/maxb=51"}).maxTurns, 22);
    QCOMPARE(parseSwitches({"/maxb=50"}).maxTurns, 50);
    QCOMPARE(parseSwitches({"/maxb=3a"}).maxTurns, 22);
    QCOMPARE(parseSwitches({"/maxb="}).maxTurns, 22);
    QCOMPARE(parseSwitches({"/maxb=30", "/maxb=x", "/maxb=40"}).maxTurns, 40);
    QVERIFY(parseSwitches({"spel.txt/bestenietsanders"}).bestOnly);
    QVERIFY(!parseSwitches({"/best"}).bestOnly);
    QCOMPARE(parseSwitches({"/laad=a.txt", "/maxb=30", "/laad=b c.txt"}).gamesToLoad,
             QStringList({"a.txt", "b c.txt"}));
  }

  void layoutGivesTheFormulasNumbers() {
    const std::array<int32_t, 6> weights = {10, 30, 30, 13, 10, -80};
    ControlLayout a = computeLayout(1600, 900, 18, false, 1, weights);
    QCOMPARE(a.cellHeight, 51);   // (900 - 18 - 3) / 17
    QCOMPARE(a.cellWidth, 65);    // (0.66 * 1600 - 1) / 16
    QCOMPARE(a.gap, 3);           // (900 - 867 - 18) / 4
    QCOMPARE(a.buttons[kLoadButton], QRect(0, 819, 173, 51));
    QCOMPARE(a.buttons[kNewButton].x(), 174);  // trunc(1.01 * 173)
    QCOMPARE(a.buttons[kClockButton], QRect(870, 819, 2 + 1040 - 870, 51));
    QCOMPARE(a.candidateList, QRect(1045, 819, 355, 510));
    QCOMPARE(a.scoreBox, QRect(1045 + 358, 819, 177, 51));
    QCOMPARE(a.remainingLetters, QRect(0, 819 + 51 + 4, 1600, 18));
    QCOMPARE(a.columnWidths[0], 50);  // trunc(0.34 * 1600 * 10 / 107)
    QCOMPARE(a.columnWidths[5], 80);
    QCOMPARE(a.turnListX, 1042);
    QCOMPARE(turnListHeight(a, 400), 400);                    // within 13.1 rows
    QCOMPARE(turnListHeight(a, 700), (900 - 18 - 51) * 13 / 16);

    ControlLayout b = computeLayout(1024, 700, 15, true, 1, weights);
    QCOMPARE(b.cellHeight, 40);
    QCOMPARE(b.cellWidth, 42);
    QCOMPARE(b.gap, 1);
    QCOMPARE(b.buttons[kClockButton], QRect(525, 641, 149, 40));  // 12.5 cw, 2 + 3.5 cw
  }

  void f4LaysTheBestMoveOfALoadedGame() {
    GameState source(builtInWordGraph());
    recomputeAfresh(source);
    report_games::playBestMoves(source, 3);
    source.turns[3].rack = "AEIRSTN";
    const QString path = folder->filePath("spel.txt");
    QVERIFY(saveGame(source, path.toStdString()));

    prompts->fileName = path;
    window->runCommand(kCmdLoad, false);
    QCOMPARE(window->turnList()->item(3, 1)->text(), QString("AEIRSTN"));
    QVERIFY(window->candidateList()->count() > 0);
    const int before = window->scoreBox()->text().toInt();
    const int best = game->results.front().score;

    QTest::keyClick(window.get(), Qt::Key_F4);
    QCOMPARE(window->turnList()->item(3, 2)->text(),
             QString::fromStdString(game->results.front().word));
    QCOMPARE(window->turnList()->item(3, 5)->text().toInt(), best);
    QCOMPARE(window->scoreBox()->text().toInt(), before + best);
    QCOMPARE(QDir::currentPath(), QFileInfo(path).absolutePath());

    // Choosing another line lays that move instead; the digit 4 brings back the best.
    window->candidateList()->setCurrentIndex(1);
    QCOMPARE(window->turnList()->item(3, 2)->text(),
             QString::fromStdString(game->results[1].word));
    QTest::keyClick(window.get(), Qt::Key_4);
    QCOMPARE(window->scoreBox()->text().toInt(), before + best);

    // A file that cannot be read changes nothing.
    prompts->fileName = folder->filePath("bestaat-niet.txt");
    window->runCommand(kCmdLoad, false);
    QCOMPARE(window->scoreBox()->text().toInt(), before + best);
    QVERIFY(prompts->messages.last().startsWith("Kwarrel|Kan bestand"));
  }

  void boardClickAndEntryDialogStoreOnlyValidTurns() {
    game->turns[0].rack = "HUISKAT";
    recomputeAfresh(*game);
    window->fillCandidateList();
    window->turnList()->selectRow(0);

    // A word that is not in the list: its message, nothing stored.
    onEntryDialog([](TurnEntryDialog& dialog) {
      dialog.wordField()->setText("HUISK");
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
      QCOMPARE(dialog.messageLine()->text(),
               QString("Gelegd woord werd niet gevonden in woordenlijst"));
      QCOMPARE(dialog.focusWidget(), dialog.drawField());
      dialog.reject();
    });
    QTest::mouseClick(window.get(), Qt::RightButton, {}, squareCentre(*window, 8, 8));
    QVERIFY(window->entryTitle().startsWith("Ingave van beurt 1 (hoogst mogelijke score="));
    QVERIFY(game->turns[0].word.empty());

    // A listed word through the centre is stored, scored and shown.
    onEntryDialog([](TurnEntryDialog& dialog) {
      QCOMPARE(dialog.columnList()->currentText(), QString("H"));
      QCOMPARE(dialog.directionList()->currentText(), QString("H"));
      QTest::keyClicks(dialog.wordField(), "HUIS");
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(window.get(), Qt::RightButton, {}, squareCentre(*window, 8, 8));
    QCOMPARE(game->turns[0].word, std::string("HUIS"));
    QCOMPARE(window->turnList()->item(0, 5)->text(), QString("22"));
    QCOMPARE(window->scoreBox()->text(), QString("22"));
  }

  void messageOfTheEntryDialogNamesTheMissingDrawLetters() {
    game->turns[0].rack = "HUISKAT";
    recomputeAfresh(*game);
    window->turnList()->selectRow(0);
    onEntryDialog([](TurnEntryDialog& dialog) {
      dialog.drawField()->setText("abc");
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
      QCOMPARE(dialog.messageLine()->text(), QString("Er moeten steeds 7 letters getrokken worden"));
      // Lower case and both blank characters are stored normalised.
      dialog.drawField()->setText("huis+*t");
      dialog.wordField()->setText("HUIS");
      dialog.columnList()->setCurrentIndex(7);
      dialog.rowList()->setCurrentIndex(7);
      QTest::mouseClick(dialog.skipAllButton(), Qt::LeftButton);
    });
    QTest::keyClick(window->turnList(), Qt::Key_Return);
    QCOMPARE(game->turns[0].rack, std::string("HUIS**T"));

    // Ctrl+F5 opens the next turn with the focus on its draw; the dialog comes
    // back where it was last closed. (Closing a dialog does not give the window
    // back its activation offscreen.)
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    onEntryDialog([](TurnEntryDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("Ingave van beurt 2"));
      QCOMPARE(dialog.focusWidget(), dialog.drawField());
      dialog.move(123, 77);
      dialog.reject();
    });
    QTest::keyClick(window.get(), Qt::Key_F5, Qt::ControlModifier);
    QCOMPARE(game->selectedTurn, 1);

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    bool reopened = false;
    onEntryDialog([&reopened](TurnEntryDialog& dialog) {
      reopened = true;
      QCOMPARE(dialog.pos(), QPoint(123, 77));
    });
    QTest::keyClick(window.get(), Qt::Key_F10);
    QVERIFY(reopened);
  }

  void resizingLaysOutOnceAfterTheLastSize() {
    const int before = window->layoutCount();
    for (int step = 0; step < 5; ++step) window->resize(1000 + 20 * step, 700);
    QTest::qWait(50);
    QCOMPARE(window->layoutCount(), before);
    QTRY_COMPARE_WITH_TIMEOUT(window->layoutCount(), before + 1, 1000);
    QTest::qWait(150);
    QCOMPARE(window->layoutCount(), before + 1);
    QCOMPARE(window->controlLayout().remainingLetters.width(), 1080);
  }

  void deleteAndInsertAskWhereTheyMust() {
    report_games::playBestMoves(*game, 4);
    recomputeAfresh(*game);
    window->repaintNow();
    const std::string second = game->turns[1].word;
    const std::string third = game->turns[2].word;

    window->turnList()->selectRow(1);
    prompts->answers = {false};
    QTest::keyClick(window->turnList(), Qt::Key_Delete);
    QCOMPARE(prompts->questions.size(), 1);
    QCOMPARE(prompts->questions[0],
             QString("Opgepast|Wil je echt een beurt in het midden van het spel verwijderen?"));
    QCOMPARE(game->turns[1].word, second);

    prompts->answers = {true};
    QTest::keyClick(window->turnList(), Qt::Key_Delete);
    QCOMPARE(game->turns[1].word, third);
    QCOMPARE(window->turnList()->item(1, 2)->text(), QString::fromStdString(third));

    // The last used turn goes without a question.
    window->turnList()->selectRow(2);
    QTest::keyClick(window->turnList(), Qt::Key_Delete);
    QCOMPARE(prompts->questions.size(), 2);
    QVERIFY(game->turns[2].word.empty());

    // Insert opens the entry dialog on the new empty turn; Cancel leaves it empty.
    window->turnList()->selectRow(0);
    const std::string first = game->turns[0].word;
    onEntryDialog([](TurnEntryDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("Ingave beurt 1"));
      QCOMPARE(dialog.focusWidget(), dialog.drawField());
      dialog.reject();
    });
    QTest::keyClick(window->turnList(), Qt::Key_Insert);
    QVERIFY(game->turns[0].rack.empty());
    QCOMPARE(game->turns[1].word, first);
  }

  void clockAllowsOnlyItselfAndStopsAtZero() {
    game->settings.thinkTime = 2;
    game->random.seed(5);
    QTest::keyClick(window.get(), Qt::Key_F5);
    QVERIFY(window->clockRunning());
    QCOMPARE(game->turns[0].rack.size(), size_t{7});
    QVERIFY(window->button(kDrawButton)->isHidden());
    QVERIFY(window->candidateList()->isHidden());
    QCOMPARE(window->button(kClockButton)->text(), QString("Stop &klok (F3)"));

    // Everything but the clock is ignored.
    QTest::keyClick(window.get(), Qt::Key_F4);
    QTest::keyClick(window.get(), Qt::Key_5);
    QVERIFY(game->turns[0].word.empty());
    QVERIFY(game->turns[1].rack.empty());

    // F3 twice starts again from the full thinking time.
    QTest::keyClick(window.get(), Qt::Key_F3);
    QVERIFY(!window->clockRunning());
    QTest::keyClick(window.get(), Qt::Key_3);
    QCOMPARE(window->secondsLeft(), 2);

    window->clockTick();
    QVERIFY(window->clockRunning());
    window->clockTick();
    QVERIFY(!window->clockRunning());
    QVERIFY(window->button(kDrawButton)->isVisible());
    QCOMPARE(window->button(kClockButton)->text(), QString("&Klok (F3)"));
    QVERIFY(window->turnList()->hasFocus());
  }

  void paintingShowsPremiumsSelectionBlanksAndClock() {
    report_games::setTurn(*game, 0, "HUISKA*", "HUISKAt", 'H', 8, true);
    game->settings.replaceFirstBlank = true;
    game->countTable[letterCode('T')] = 0;  // no T left: the blank stays a blank
    recomputeAfresh(*game);
    window->repaintNow();

    QImage image = window->grab().toImage();
    QCOMPARE(image.pixelColor(squareCorner(*window, 1, 1)), QColor(255, 0, 0));      // A1
    QCOMPARE(image.pixelColor(squareCorner(*window, 2, 2)), QColor(255, 128, 128));  // B2
    QCOMPARE(image.pixelColor(squareCorner(*window, 1, 4)), QColor(0, 255, 255));    // D1
    QCOMPARE(image.pixelColor(squareCorner(*window, 2, 6)), QColor(0, 0, 255));      // F2
    QCOMPARE(image.pixelColor(squareCorner(*window, 1, 2)), QColor(255, 255, 192));
    QCOMPARE(image.pixelColor(squareCorner(*window, 0, 3)), QColor(192, 192, 192));  // label

    // The selected turn's word is highlighted; an unselected one is not.
    QCOMPARE(image.pixelColor(squareCorner(*window, 8, 9)), QColor(255, 255, 192));
    window->turnList()->selectRow(0);
    image = window->grab().toImage();
    QCOMPARE(image.pixelColor(squareCorner(*window, 8, 9)), QColor(112, 255, 112));
    QCOMPARE(game->displayGrid[7][13].shown, 't');
    QCOMPARE(game->displayGrid[7][13].points, 0);

    // The clock squares while it runs.
    game->turns[1].rack = "AEIRSTN";
    recomputeAfresh(*game);
    window->toggleClock();
    image = window->grab().toImage();
    const int cw = cellWidthFor(window->width());
    const QPoint clockSquare(8 * cw + cw / 7, window->controlLayout().buttons[0].y() + 3);
    QCOMPARE(image.pixelColor(clockSquare), QColor(192, 192, 192));
    window->toggleClock();
  }

  void autoGameStopsWhenAskedAndNewGameAsksFirst() {
    game->random.seed(11);
    QTimer stopper;
    connect(&stopper, &QTimer::timeout, [this] {
      auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
      if (progress != nullptr && game->turns[1].hasValidWord()) progress->cancel();
    });
    stopper.start(0);
    QTest::mouseClick(window->button(kAutoButton), Qt::LeftButton);
    QVERIFY(game->turns[1].hasValidWord());
    QVERIFY(!game->turns[game->maxTurns - 1].hasValidWord());
    QCOMPARE(game->activeSlots, kMoveSlots);
    const QString total = window->scoreBox()->text();

    prompts->answers = {false};
    window->runCommand(kCmdNew, false);
    QCOMPARE(window->scoreBox()->text(), total);
    prompts->answers = {true};
    window->runCommand(kCmdNew, false);
    QCOMPARE(window->scoreBox()->text(), QString("0"));
    QCOMPARE(prompts->questions.last(), QString("WAARSCHUWING!|Alles uitwissen en opnieuw beginnen?"));
  }

  void signalsFallThroughToTheBeep() {
    Settings settings;
    const QString sounds = folder->path();
    QCOMPARE(signalSources(true, sounds, settings), QStringList({"piep"}));
    settings.soundDuration = 300;
    QCOMPARE(signalSources(false, sounds, settings), QStringList({"piep"}));  // no pitch
    settings.soundFrequency = 880;
    QCOMPARE(signalSources(false, sounds, settings), QStringList({"toon", "piep"}));
    QFile(folder->filePath("asterisk.wav")).open(QIODevice::WriteOnly);
    QCOMPARE(signalSources(true, sounds, settings), QStringList({"asterisk.wav", "toon", "piep"}));
    QFile(folder->filePath("asterisk2.wav")).open(QIODevice::WriteOnly);
    QCOMPARE(signalSources(true, sounds, settings).first(), QString("asterisk2.wav"));
    QCOMPARE(signalSources(false, sounds, settings).first(), QString("asterisk.wav"));

    // Without a sound device (offscreen) an empty sound file and the tone fall
    // through to the beep, and the signal returns.
    game->settings = settings;
    window->playSignal(true);
    QCOMPARE(window->signalPlayer().lastSignal(), QString("piep"));
  }

  void failedSaveIsReportedAndKeepsTheGame() {
    report_games::playBestMoves(*game, 2);
    prompts->fileName = folder->filePath("geen-map/spel.txt");
    window->runCommand(kCmdSave, false);
    QCOMPARE(prompts->messages.size(), 1);
    QVERIFY(prompts->messages[0].startsWith("Kwarrel|Kan bestand"));
    QVERIFY(game->turns[1].hasValidWord());

    // A page of the chain that cannot be written is the one the message names.
    QVERIFY(QDir(folder->path()).mkdir("ronde2.htm"));
    prompts->fileName = folder->filePath("ronde.htm");
    window->runCommand(kCmdSave, false);
    QCOMPARE(prompts->messages.size(), 2);
    QCOMPARE(prompts->messages[1],
             "Kwarrel|Kan bestand " + folder->filePath("ronde2.htm") + " niet schrijven");
    QVERIFY(!QFileInfo::exists(folder->filePath("ronde.htm")));
    QVERIFY(game->turns[1].hasValidWord());
  }

  void closingAsksFirst() {
    prompts->answers = {false};
    window->close();
    QVERIFY(window->isVisible());
    prompts->answers = {true};
    window->close();
    QVERIFY(!window->isVisible());
    QCOMPARE(prompts->questions.last(), QString("Kwarrel|Wenst U het programma te verlaten?"));
  }

  void screenshotOfAMidGameBoard() {
    report_games::playBestMoves(*game, 8);
    recomputeAfresh(*game);
    window->repaintNow();
    window->turnList()->selectRow(7);
    // Left in the build folder for a person to look at.
    const QString target = QDir(QCoreApplication::applicationDirPath()).filePath("kwarrel-spel.png");
    QVERIFY(window->grab().save(target));
  }

 private:
  std::unique_ptr<QTemporaryDir> folder;
  std::unique_ptr<GameState> game;
  std::unique_ptr<ScriptedPrompts> prompts;
  std::unique_ptr<MainWindow> window;
};

}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::MainWindowTest)
#include "main_window_test.moc"

// The players in the window, driven as a game master drives them: the "Spelers"
// dialog, slips typed one line each (also while the next turn's clock runs), the
// standings window, the players' screen, and the players saved with the game.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

#include "files/players_file.h"
#include "game/turn_cycle.h"
#include "players/judging.h"
#include "tests/report_games.h"
#include "tests/ui/scripted_prompts.h"
#include "ui/players/players_dialog.h"
#include "ui/players/players_screen.h"
#include "ui/players/slips_window.h"
#include "ui/players/standings_window.h"
#include "ui/window/main_window.h"

namespace kwarrel::ui {
namespace {

// Runs `action` on the players dialog as soon as it is open, then closes it.
void onPlayersDialog(const std::function<void(PlayersDialog&)>& action) {
  QTimer::singleShot(0, [action] {
    auto* dialog = qobject_cast<PlayersDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowTitle(), QString("Spelers"));
    const QPointer<PlayersDialog> guard(dialog);
    action(*dialog);
    if (guard && guard->isVisible()) guard->accept();
  });
}

// Types the line into the slips window and presses Enter, as at the keyboard.
void typeSlip(SlipsWindow& slips, const QString& line) {
  QTest::keyClicks(slips.slipLine(), line);
  QTest::keyClick(slips.slipLine(), Qt::Key_Return);
}

QStringList tableTexts(const QTableWidget& table) {
  QStringList texts;
  for (int row = 0; row < table.rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column) cells << table.item(row, column)->text();
    texts << cells.join(QLatin1Char('|'));
  }
  return texts;
}

}  // namespace

class PlayersWindowTest : public QObject {
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

  void playersDialogAddsRenamesRemovesAndTakesOver() {
    // Another evening's players file: its players come over, their answers do not.
    PlayersRecord other;
    QCOMPARE(QString::fromStdString(setPlayer(other, 5, "Karel")), QString());
    QCOMPARE(QString::fromStdString(setPlayer(other, 7, "Wim")), QString());
    QCOMPARE(QString::fromStdString(setAnswer(other, 5, 0, scoreAnswer(10))), QString());
    const QString otherPath = folder->filePath("vorige.spelers.csv");
    QVERIFY(writePlayersFile(otherPath.toStdString(), other));

    onPlayersDialog([&](PlayersDialog& dialog) {
      QCOMPARE(dialog.numberField()->value(), 1);
      QTest::keyClicks(dialog.nameField(), "Anna");
      QTest::keyClick(dialog.nameField(), Qt::Key_Return);
      QTest::keyClicks(dialog.nameField(), "Piet");
      QTest::keyClick(dialog.nameField(), Qt::Key_Return);
      QCOMPARE(dialog.table()->rowCount(), 2);
      QCOMPARE(dialog.numberField()->value(), 3);
      QVERIFY(dialog.nameField()->text().isEmpty());

      // A name the players file could not hold is refused with its message.
      QTest::keyClicks(dialog.nameField(), "A;B");
      QTest::keyClick(dialog.nameField(), Qt::Key_Return);
      QCOMPARE(prompts->messages.last(), QString("Kwarrel|Naam mag geen stuurtekens of ';' bevatten"));
      QCOMPARE(dialog.table()->rowCount(), 2);
      dialog.nameField()->clear();

      // Renamed in place.
      dialog.table()->item(1, 1)->setText("Pieter");
      QCOMPARE(QString::fromStdString(window->players().session().record().find(2)->name),
               QString("Pieter"));

      // Removed only after Yes.
      dialog.table()->selectRow(0);
      prompts->answers = {false};
      QTest::mouseClick(dialog.removeButton(), Qt::LeftButton);
      QCOMPARE(prompts->questions.last(), QString("Kwarrel|Speler 1 (Anna) verwijderen?"));
      QCOMPARE(dialog.table()->rowCount(), 2);
      prompts->answers = {true};
      QTest::keyClick(dialog.table(), Qt::Key_Delete);
      QCOMPARE(dialog.table()->rowCount(), 1);

      prompts->fileName = otherPath;
      QTest::mouseClick(dialog.takeOverButton(), Qt::LeftButton);
      QCOMPARE(dialog.table()->rowCount(), 3);
      QCOMPARE(dialog.table()->item(1, 1)->text(), QString("Karel"));
      QCOMPARE(dialog.numberField()->value(), 8);
    });
    QTest::keyClick(window.get(), Qt::Key_F6);
    const PlayersRecord& record = window->players().session().record();
    QCOMPARE(record.players.size(), size_t{3});
    QVERIFY(record.find(1) == nullptr);
    QVERIFY(record.answers.empty());
    QVERIFY(window->players().session().unsaved());
    QVERIFY(window->confirmQuit() == false);
    QVERIFY(prompts->questions.last().contains("De spelers en hun oplossingen zijn niet bewaard."));
  }

  void slipsLandWithTheirScoresOrMessages() {
    PlayersSession& session = threeTurnsWithPlayers();
    window->turnList()->selectRow(0);
    QTest::keyClick(window.get(), Qt::Key_F8);
    SlipsWindow* slips = window->players().slipsWindow();
    QVERIFY(slips != nullptr);
    QCOMPARE(slips->windowTitle(), QString("Oplossingen van beurt 1"));
    QVERIFY(slips->turnLine()->text().contains("IDNXAET"));
    QTableWidget* table = slips->table();
    QCOMPARE(table->rowCount(), 3);

    typeSlip(*slips, "1 8B TAXIEND");
    QCOMPARE(table->item(0, SlipsWindow::kScore)->text().toInt(), game->turns[0].score);
    QCOMPARE(table->item(0, SlipsWindow::kSquare)->text(), QString("8B"));
    QCOMPARE(table->item(0, SlipsWindow::kDirection)->text(), QString("H"));
    QVERIFY(slips->slipLine()->text().isEmpty());
    QCOMPARE(table->currentRow(), 0);

    typeSlip(*slips, "2 8B TAXIDNE");
    QCOMPARE(table->item(1, SlipsWindow::kScore)->text(), QString("0"));
    QCOMPARE(table->item(1, SlipsWindow::kRemark)->text(),
             QString("Gelegd woord werd niet gevonden in woordenlijst"));
    QCOMPARE(table->currentRow(), 1);
    // The same word down, from the square written column first.
    typeSlip(*slips, "2 H2 TAXIEND");
    QCOMPARE(table->item(1, SlipsWindow::kDirection)->text(), QString("V"));
    QCOMPARE(table->item(1, SlipsWindow::kSquare)->text(), QString("H2"));
    QCOMPARE(table->item(1, SlipsWindow::kRemark)->text(), QString());
    QCOMPARE(table->item(1, SlipsWindow::kScore)->text().toInt(), game->turns[0].score);
    typeSlip(*slips, "2 8B TAXIDNE");

    const int top = session.judged().turns[0].top;
    typeSlip(*slips, QString("3 = %1").arg(top + 1));
    QCOMPARE(table->item(2, SlipsWindow::kScore)->text(), QString("0"));
    QCOMPARE(table->item(2, SlipsWindow::kRemark)->text(), QString("Score hoger dan de top van beurt 1"));
    typeSlip(*slips, QString("3 = %1").arg(top));
    QCOMPARE(table->item(2, SlipsWindow::kScore)->text().toInt(), top);
    QCOMPARE(table->item(2, SlipsWindow::kWord)->text(), QString("= %1").arg(top));

    // A line that cannot be read stays for correcting.
    typeSlip(*slips, "2 8 TAXIEND");
    QCOMPARE(slips->messageLine()->text(), QString("Ongeldig vakje"));
    QCOMPARE(slips->slipLine()->text(), QString("2 8 TAXIEND"));
    slips->slipLine()->clear();

    // A number without a player: added after Yes, with the slip.
    prompts->answers = {true};
    typeSlip(*slips, "9 8B TAXIEND");
    QCOMPARE(prompts->questions.last(), QString("Kwarrel|Speler 9 bestaat niet. Toevoegen?"));
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(table->item(3, SlipsWindow::kScore)->text().toInt(), game->turns[0].score);

    typeSlip(*slips, "1 -");
    QCOMPARE(table->item(0, SlipsWindow::kScore)->text(), QString());
    QVERIFY(session.record().answer(1, 0) == nullptr);

    // Page Down goes to the next turn, whose slips are judged on its own board.
    QTest::keyClick(slips->slipLine(), Qt::Key_PageDown);
    QCOMPARE(slips->windowTitle(), QString("Oplossingen van beurt 2"));
    QCOMPARE(table->item(1, SlipsWindow::kScore)->text(), QString());
    typeSlip(*slips, "2 = 5");
    QCOMPARE(table->item(1, SlipsWindow::kScore)->text(), QString("5"));
    QCOMPARE(session.judged().points(2, 1), 5);
    // The turn list moves the window too.
    window->turnList()->selectRow(2);
    QCOMPARE(slips->windowTitle(), QString("Oplossingen van beurt 3"));

    // What the window showed slip by slip is what judging everything afresh gives.
    const JudgedGame afresh = judgeGame(*game, session.record());
    for (const auto& [key, judgement] : afresh.judgements) {
      QCOMPARE(session.judged().points(key.first, key.second), judgement.points);
    }
  }

  void slipsTypedWhileTheClockRunsLeaveItRunning() {
    report_games::playThreeTurns(*game);
    window->fillCandidateList();
    window->players().session().setPlayer(1, "Anna");
    window->players().session().setPlayer(2, "Bert");
    game->settings.thinkTime = 120;
    game->random.seed(11);
    // Open on the turn just laid; the next draw does not move it.
    window->turnList()->selectRow(2);
    QTest::keyClick(window.get(), Qt::Key_F8);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F5);
    QVERIFY(window->clockRunning());
    QCOMPARE(game->selectedTurn, 3);
    QCOMPARE(window->players().slipsWindow()->windowTitle(), QString("Oplossingen van beurt 3"));
    const std::string draw = game->currentDraw;
    const int candidates = window->candidateList()->count();
    const int before = window->secondsLeft();
    QElapsedTimer elapsed;
    elapsed.start();

    QTest::keyClick(window.get(), Qt::Key_8);
    SlipsWindow* slips = window->players().slipsWindow();
    QVERIFY(slips != nullptr);
    QCOMPARE(slips->windowTitle(), QString("Oplossingen van beurt 3"));
    typeSlip(*slips, "1 11E EEN");
    typeSlip(*slips, "2 = 4");
    QCOMPARE(slips->table()->item(0, SlipsWindow::kScore)->text().toInt(), game->turns[2].score);

    QVERIFY(window->clockRunning());
    QVERIFY(window->secondsLeft() >= before - 1 - static_cast<int>(elapsed.elapsed() / 1000));
    QCOMPARE(game->currentDraw, draw);
    QCOMPARE(window->candidateList()->count(), candidates);
    QVERIFY(game->turns[3].word.empty());
    // The turn being played does not count in the standings before it is laid.
    QCOMPARE(window->players().session().standings().tops.size(), size_t{3});
    // And it keeps counting down.
    const int now = window->secondsLeft();
    QTRY_VERIFY_WITH_TIMEOUT(window->secondsLeft() < now, 3000);
    QVERIFY(window->clockRunning());
  }

  void playersScreenShowsTheDrawThenTheTop() {
    report_games::playThreeTurns(*game);
    window->fillCandidateList();
    game->settings.thinkTime = 120;
    game->random.seed(11);
    QTest::keyClick(window.get(), Qt::Key_F12);
    PlayersScreen* screen = window->players().playersScreen();
    QVERIFY(screen != nullptr);
    QCOMPARE(screen->windowTitle(), QString("Kwarrel spelersscherm"));
    screen->resize(1200, 700);
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    QTest::keyClick(window.get(), Qt::Key_F5);
    QVERIFY(window->clockRunning());
    ScreenTexts texts = screen->texts();
    QCOMPARE(texts.turn, QString("Beurt 4"));
    QCOMPARE(texts.draw, QString::fromStdString(game->turns[3].rack));
    QCOMPARE(texts.clock, QString("2:00"));
    QVERIFY(texts.top.isEmpty());
    // The draw's tiles are painted beside the board, the board at the screen's size.
    const QImage shown = screen->grab().toImage();
    const int side = std::min(screen->height() / 16, screen->width() * 5 / 8 / 16);
    QCOMPARE(shown.pixelColor(16 * side + side / 2 + 3, 2 * side + 3), QColor(255, 255, 192));
    QCOMPARE(shown.pixelColor(side + 2, side + 2), QColor(255, 0, 0));  // A1, triple word

    QTest::keyClick(window.get(), Qt::Key_F3);
    const Move best = game->results.front();
    QTest::keyClick(window.get(), Qt::Key_F4);
    texts = screen->texts();
    QVERIFY(texts.clock.isEmpty());
    QVERIFY(texts.top.startsWith(QString::fromStdString(best.word) + " "));
    QVERIFY(texts.top.endsWith(QString(" %1").arg(best.score)));

    // F12 in the main window and Space in the screen switch to the standings and back.
    QTest::keyClick(window.get(), Qt::Key_F12);
    QVERIFY(screen->showsStandings());
    QTest::keyClick(screen, Qt::Key_Space);
    QVERIFY(!screen->showsStandings());
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    QTest::keyClick(screen, Qt::Key_F11);
    QVERIFY(screen->isFullScreen());
    QTest::keyClick(screen, Qt::Key_F11);
    QVERIFY(!screen->isFullScreen());
    // Closing the screen leaves the game and the main window as they were.
    const int total = game->totalScore;
    screen->close();
    QTRY_VERIFY(window->players().playersScreen() == nullptr);
    QCOMPARE(game->totalScore, total);
    QVERIFY(!window->isHidden());
  }

  void standingsFollowEachSlipAndSave() {
    report_games::playThreeTurns(*game);
    window->fillCandidateList();
    PlayersSession& session = window->players().session();
    session.setPlayer(1, "Anna");
    session.setPlayer(2, "Bert");
    QTest::keyClick(window.get(), Qt::Key_F11);
    StandingsWindow* standings = window->players().standingsWindow();
    QVERIFY(standings != nullptr);
    QCOMPARE(standings->windowTitle(), QString("Uitslag"));
    QCOMPARE(standings->table()->rowCount(), 2);
    QVERIFY(standings->topLine()->text().startsWith("Top van beurt 3: "));

    window->turnList()->selectRow(2);
    QTest::keyClick(window.get(), Qt::Key_F8);
    SlipsWindow* slips = window->players().slipsWindow();
    typeSlip(*slips, "2 11E EEN");
    const QString points = QString::number(game->turns[2].score);
    QCOMPARE(standings->table()->item(0, 1)->text(), QString("2"));
    QCOMPARE(standings->table()->item(0, 3)->text(), points);
    QCOMPARE(standings->table()->item(0, 0)->text(), QString("1"));
    QCOMPARE(standings->table()->item(1, 3)->text(), QString("0"));

    prompts->fileName = folder->filePath("uitslag.csv");
    QTest::mouseClick(standings->saveButton(), Qt::LeftButton);
    QFile csv(prompts->fileName);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray text = csv.readAll();
    QVERIFY(text.startsWith("plaats;nummer;naam;"));
    QVERIFY(text.contains("1;2;Bert;" + points.toLatin1() + ";"));

    // F9 prints the standings.
    prompts->pdfPath = folder->filePath("uitslag.pdf");
    QTest::keyClick(standings->table(), Qt::Key_F9);
    QVERIFY(QFileInfo(prompts->pdfPath).size() > 0);
  }

  void newGameKeepsPlayersAndClearsAnswers() {
    report_games::playThreeTurns(*game);
    PlayersSession& session = window->players().session();
    session.setPlayer(1, "Anna");
    window->turnList()->selectRow(0);
    QTest::keyClick(window.get(), Qt::Key_F8);
    typeSlip(*window->players().slipsWindow(), "1 8B TAXIEND");
    QCOMPARE(session.record().answers.size(), size_t{1});

    prompts->answers = {true};
    QTest::mouseClick(window->button(kNewButton), Qt::LeftButton);
    QCOMPARE(prompts->questions.last(), QString("WAARSCHUWING!|Alles uitwissen en opnieuw beginnen?"));
    QVERIFY(game->turns[0].rack.empty());
    QCOMPARE(session.record().players.size(), size_t{1});
    QVERIFY(session.record().answers.empty());
    QCOMPARE(window->players().slipsWindow()->table()->item(0, SlipsWindow::kScore)->text(), QString());
  }

  void deletedTurnTakesItsAnswersAlong() {
    report_games::playThreeTurns(*game);
    PlayersSession& session = window->players().session();
    session.setPlayer(1, "Anna");
    QVERIFY(setAnswer(session.recordToLoad(), 1, 0, scoreAnswer(5)).empty());
    QVERIFY(setAnswer(session.recordToLoad(), 1, 2, scoreAnswer(2)).empty());
    window->turnList()->selectRow(0);
    prompts->answers = {true};
    QTest::keyClick(window->turnList(), Qt::Key_Delete);
    QVERIFY(session.record().answer(1, 0) == nullptr);
    QCOMPARE(session.record().answer(1, 1)->points, 2);
  }

  void savedAndLoadedGameShowsTheSameStandings() {
    PlayersSession& session = threeTurnsWithPlayers();
    window->turnList()->selectRow(0);
    QTest::keyClick(window.get(), Qt::Key_F8);
    SlipsWindow* slips = window->players().slipsWindow();
    typeSlip(*slips, "1 8B TAXIEND");
    typeSlip(*slips, "2 8B TAXIDNE");
    QTest::keyClick(slips->slipLine(), Qt::Key_PageDown);
    typeSlip(*slips, "3 E4 BEZWIJKE");
    typeSlip(*slips, "1 = 3");
    QTest::keyClick(window.get(), Qt::Key_F11);
    const QStringList before = tableTexts(*window->players().standingsWindow()->table());
    const QString topBefore = window->players().standingsWindow()->topLine()->text();

    prompts->fileName = folder->filePath("spel.txt");
    window->runCommand(kCmdSave, false);
    QVERIFY(QFile::exists(folder->filePath("spel.spelers.csv")));
    QVERIFY(!session.unsaved());
    QVERIFY(!window->confirmQuit());
    QCOMPARE(prompts->questions.last(), QString("Kwarrel|Wenst U het programma te verlaten?"));

    prompts->answers = {true};
    window->runCommand(kCmdNew, false);
    session.removePlayer(3);
    QVERIFY(tableTexts(*window->players().standingsWindow()->table()) != before);
    // Unsaved players are not dropped by loading without a question.
    prompts->answers = {true};
    window->runCommand(kCmdLoad, false);
    QVERIFY(prompts->questions.last().contains("niet bewaard"));
    QCOMPARE(tableTexts(*window->players().standingsWindow()->table()), before);
    QCOMPARE(window->players().standingsWindow()->topLine()->text(), topBefore);
    QVERIFY(!session.unsaved());
  }

 private:
  // Three turns played and laid, with players 1 Anna, 2 Bert, 3 Cor.
  PlayersSession& threeTurnsWithPlayers() {
    report_games::playThreeTurns(*game);
    window->fillCandidateList();
    PlayersSession& session = window->players().session();
    session.setPlayer(1, "Anna");
    session.setPlayer(2, "Bert");
    session.setPlayer(3, "Cor");
    return session;
  }

  std::unique_ptr<QTemporaryDir> folder;
  std::unique_ptr<GameState> game;
  std::unique_ptr<ScriptedPrompts> prompts;
  std::unique_ptr<MainWindow> window;
};

}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::PlayersWindowTest)
#include "players_window_test.moc"

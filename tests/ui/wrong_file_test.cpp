// The window and a file that is no game: "Inladen" and /laad= refuse it with a
// message and keep the game in memory, so the next "Bewaren" writes the real game.
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "files/save.h"
#include "game/turn_cycle.h"
#include "tests/report_games.h"
#include "tests/ui/scripted_prompts.h"
#include "ui/base/prompts.h"
#include "ui/window/main_window.h"

namespace kwarrel::ui {
namespace {

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class WrongFileTest : public QObject {
  Q_OBJECT

 private slots:
  void wrongFileIsRefusedAndTheGameKept() {
    QTemporaryDir folder;
    GameState game(builtInWordGraph());
    ScriptedPrompts prompts;
    MainWindow window(game, prompts, folder.path());
    window.resize(1280, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.layoutControls();

    GameState source(builtInWordGraph());
    recomputeAfresh(source);
    report_games::playBestMoves(source, 3);
    const QString gamePath = folder.filePath("spel.txt");
    const QString reportPath = folder.filePath("spel.html");
    QVERIFY(saveGame(source, gamePath.toStdString()));
    QVERIFY(saveGame(source, reportPath.toStdString()));
    const QByteArray saved = contents(gamePath);
    const QByteArray report = contents(reportPath);

    prompts.fileName = gamePath;
    window.runCommand(kCmdLoad, false);
    QVERIFY(prompts.messages.isEmpty());
    const QString total = window.scoreBox()->text();
    const QString firstWord = window.turnList()->item(0, 2)->text();
    QVERIFY(total.toInt() > 0);

    const QString notes = folder.filePath("notities.txt");
    writeFile(notes, "Spel van dinsdag\n" + saved);
    const QString large = folder.filePath("groot.txt");
    writeFile(large, QByteArray(1 << 20, 'A'));
    const struct {
      QString path;
      QString message;
    } refusals[] = {
        {reportPath, "Bestand %1 is geen spelbestand"},
        {notes, "Bestand %1 is geen spelbestand"},
        {large, "Bestand %1 is te groot voor een spelbestand"},
        {QStringLiteral("/dev/zero"), "Bestand %1 is geen gewoon bestand"},
    };
    for (const auto& refusal : refusals) {
      prompts.messages.clear();
      prompts.fileName = refusal.path;
      window.runCommand(kCmdLoad, false);
      QCOMPARE(prompts.messages, QStringList("Kwarrel|" + refusal.message.arg(refusal.path)));
      QCOMPARE(window.scoreBox()->text(), total);
      QCOMPARE(window.turnList()->item(0, 2)->text(), firstWord);
    }
    QCOMPARE(contents(reportPath), report);

    // /laad= at start-up goes the same way, and must end at once on a device.
    prompts.messages.clear();
    QVERIFY(!window.loadGame(QStringLiteral("/dev/zero")));
    QVERIFY(!window.loadGame(reportPath));
    QCOMPARE(prompts.messages.size(), 2);
    QCOMPARE(window.scoreBox()->text(), total);

    // "Bewaren" afterwards writes the game that was loaded, not an empty one.
    prompts.fileName = gamePath;
    window.runCommand(kCmdSave, false);
    QCOMPARE(contents(gamePath), saved);
  }
};

}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::WrongFileTest)
#include "wrong_file_test.moc"

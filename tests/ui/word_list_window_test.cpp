// The main window played on by other words: its candidate list refilled and its
// picture made again, and no replacement where the words are fixed.
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "files/word_list_file.h"
#include "game/turn_cycle.h"
#include "tests/ui/dialogs/fake_window.h"
#include "ui/window/main_window.h"

namespace kwarrel::ui {
namespace {

QStringList candidateTexts(const MainWindow& window) {
  QStringList texts;
  for (int i = 0; i < window.candidateList()->count(); ++i) {
    texts << window.candidateList()->itemText(i);
  }
  return texts;
}

class WordListWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void replacedWordsRefillTheCandidatesAndNameTheList() {
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    WordGraph words = builtInWordGraph();
    GameState game(words);
    testing::FakePrompts prompts;
    MainWindow window(game, prompts, folder.path());
    window.resize(1280, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.layoutControls();

    // HUIS across from H8, then KWARREL waiting for its move.
    game.turns[0].rack = "HUISKAT";
    game.turns[0].play(Move{"HUIS", 8, 'H', 1, 0});
    game.turns[1].rack = "KWARREL";
    recomputeAfresh(game);
    window.fillCandidateList();
    const QStringList builtIn = candidateTexts(window);
    QVERIFY(builtIn.size() > 2);

    // Without the graph to replace, the words stay.
    OwnWordList own = packWordList("# naam: club.txt\nhuis\nhl\nkwarrel\n", "x.txt");
    QVERIFY(own.graph.has_value());
    QVERIFY(!window.replaceWordList(*own.graph));
    QCOMPARE(candidateTexts(window), builtIn);

    window.setReplaceableWords(words);
    QVERIFY(window.replaceWordList(builtInWordGraph()));
    QCOMPARE(candidateTexts(window), builtIn);
    const QImage before = window.grab().toImage();
    QVERIFY(window.replaceWordList(std::move(*own.graph)));
    QCOMPARE(QString::fromStdString(wordListName(game.words)),
             QStringLiteral("woordenlijst club.txt (3 woorden)"));
    const QStringList club = candidateTexts(window);
    QVERIFY(!club.isEmpty());
    QVERIFY(club != builtIn);
    for (const QString& line : club) {
      QVERIFY2(line.startsWith(QStringLiteral("KWARREL ")) || line.startsWith(QStringLiteral("HL ")),
               qPrintable(line));
    }
    QVERIFY(window.grab().toImage() != before);  // the version text names the list

    QVERIFY(window.replaceWordList(builtInWordGraph()));
    QCOMPARE(candidateTexts(window), builtIn);
    QCOMPARE(window.grab().toImage(), before);
  }
};

}  // namespace
}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::WordListWindowTest)
#include "word_list_window_test.moc"

// "Woordenlijst..." and "Standaardlijst": what the person is shown and asked, the
// copy in the program folder, the game played on by the new words at once, and a
// window that keeps answering while a large list is packed.
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "dict/word_graph.h"
#include "game/turn_cycle.h"
#include "game/word_list_switch.h"
#include "tests/ui/dialogs/fake_window.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/word_list_dialog.h"

namespace kwarrel::ui {
namespace {

// A window whose words can be replaced, as the main window's can.
class WordsHooks : public testing::FakeHooks {
 public:
  bool replaceWordList(WordGraph words) override {
    ++replacements;
    replaceWords(state, active, std::move(words));
    return true;
  }

  WordGraph active = builtInWordGraph();
  GameState state{active};
  int replacements = 0;
};

class AnsweringPrompts : public testing::FakePrompts {
 public:
  QString openFileName(QWidget*, const QString&, const QString&) override { return chosen; }
  bool askYesNo(QWidget*, const QString&, const QString& question) override {
    questions << question;
    return answer;
  }

  QString chosen;
  bool answer = true;
  QStringList questions;
};

std::string readAll(const QString& path) {
  std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class WordListDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  QString home_;
  std::unique_ptr<WordsHooks> hooks_;
  AnsweringPrompts prompts_;

  void writeList(const QString& name, const std::string& bytes) {
    std::ofstream(QFile::encodeName(folder_->filePath(name)).toStdString(), std::ios::binary)
        << bytes;
  }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    home_ = folder_->filePath(QStringLiteral("home"));  // made by the first copy
    qputenv("KWARREL_HOME", QFile::encodeName(home_));
    hooks_ = std::make_unique<WordsHooks>();
    prompts_ = {};
    // HUIS across from H8, then KWARREL waiting for its move.
    Turn& first = hooks_->state.turns[0];
    first.rack = "HUISKAT";
    first.word = "HUIS";
    first.row = 8;
    first.column = 8;
    first.horizontal = 1;
    hooks_->state.turns[1].rack = "KWARREL";
    recomputeAfresh(hooks_->state);
  }

  void cleanup() { qunsetenv("KWARREL_HOME"); }

  void chosenListIsReportedCopiedAndPlayedByAtOnce() {
    const char list[] = "Caf\xE9\r\nhuis\r\nkwarrel\r\nhl\r\nabc1\r\nna\0ar\r\n";
    writeList(QStringLiteral("club.txt"), std::string(list, sizeof list - 1));
    prompts_.chosen = folder_->filePath(QStringLiteral("club.txt"));
    QVERIFY(!hooks_->state.results.empty());
    const std::string builtInTop = hooks_->state.results.front().word;

    QVERIFY(chooseWordList(*hooks_, prompts_, nullptr));
    QCOMPARE(prompts_.questions.size(), 1);
    QCOMPARE(prompts_.questions.front(),
             QStringLiteral("4 woorden gelezen, 2 regels overgeslagen\n"
                            "regel 5: abc1 (teken buiten a-z)\n"
                            "regel 6: na?ar (teken buiten a-z)\n"
                            "\nDeze woordenlijst gebruiken?"));
    QCOMPARE(hooks_->replacements, 1);
    QCOMPARE(QString::fromStdString(wordListName(hooks_->state.words)),
             QStringLiteral("woordenlijst club.txt (4 woorden)"));
    QCOMPARE(readAll(home_ + QStringLiteral("/woordenlijst.txt")).substr(0, 22),
             std::string("# naam: club.txt\nCaf\xE9\r"));
    QVERIFY(QFile::exists(home_ + QStringLiteral("/woordenlijst.kwg")));
    // The turn in progress was searched again, by the club's words only.
    QVERIFY(!hooks_->state.results.empty());
    for (const Move& move : hooks_->state.results) {
      QVERIFY2(move.word == "KWARREL" || move.word == "HL", move.word.c_str());
    }
    QVERIFY(prompts_.messages.isEmpty());

    // "Standaardlijst": the copy and its cache go, the built-in words come back.
    QVERIFY(useBuiltInWordList(*hooks_, prompts_, nullptr));
    QVERIFY(!QFile::exists(home_ + QStringLiteral("/woordenlijst.txt")));
    QVERIFY(!QFile::exists(home_ + QStringLiteral("/woordenlijst.kwg")));
    QVERIFY(hooks_->state.words.origin().isBuiltIn());
    QCOMPARE(hooks_->state.results.front().word, builtInTop);
  }

  void refusedOrUselessListChangesNothing() {
    writeList(QStringLiteral("club.txt"), "huis\nkat\n");
    prompts_.chosen = folder_->filePath(QStringLiteral("club.txt"));
    prompts_.answer = false;
    QVERIFY(!chooseWordList(*hooks_, prompts_, nullptr));
    QCOMPARE(hooks_->replacements, 0);
    QVERIFY(!QFile::exists(home_ + QStringLiteral("/woordenlijst.txt")));

    writeList(QStringLiteral("leeg.txt"), "# niets\n12\n");
    prompts_.chosen = folder_->filePath(QStringLiteral("leeg.txt"));
    prompts_.answer = true;
    QVERIFY(!chooseWordList(*hooks_, prompts_, nullptr));
    QCOMPARE(prompts_.messages.size(), 1);
    QVERIFY(prompts_.messages.front().endsWith(QStringLiteral("Deze lijst bevat geen bruikbaar woord.")));

    prompts_.chosen = folder_->filePath(QStringLiteral("geen.txt"));
    QVERIFY(!chooseWordList(*hooks_, prompts_, nullptr));
    QVERIFY(prompts_.messages.back().startsWith(QStringLiteral("Kwarrel: Kan bestand")));
    prompts_.chosen.clear();  // the chooser cancelled
    QVERIFY(!chooseWordList(*hooks_, prompts_, nullptr));
    QCOMPARE(hooks_->replacements, 0);
    QVERIFY(hooks_->state.words.origin().isBuiltIn());
  }

  void windowKeepsAnsweringWhileALargeListIsPacked() {
    prompts_.chosen = QStringLiteral(KWARREL_SOURCE_DIR "/resources/woordenlijst.txt");
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longestWait = 0;
    int ticks = 0;
    QTimer tick;
    tick.setInterval(10);
    connect(&tick, &QTimer::timeout, this, [&] {
      const qint64 now = clock.elapsed();
      longestWait = std::max(longestWait, now - last);
      last = now;
      ++ticks;
    });
    clock.start();
    tick.start();
    QVERIFY(chooseWordList(*hooks_, prompts_, nullptr));
    tick.stop();
    // The ticks were served while the list was read and packed (not asserted in
    // time: the machine may be busy).
    QVERIFY(ticks > 0);
    qInfo("longest wait of the window: %lld ms over %d ticks", longestWait, ticks);
    QCOMPARE(hooks_->state.words.origin().wordCount, size_t{299609});
  }

  void settingsDialogOffersBothButtons() {
    UiFonts fonts;
    fonts.rebuild(hooks_->state.settings.fonts);
    SettingsDialog dialog(hooks_->state, fonts, *hooks_, prompts_, nullptr);
    dialog.show();
    writeList(QStringLiteral("club.txt"), "huis\nkwarrel\n");
    prompts_.chosen = folder_->filePath(QStringLiteral("club.txt"));
    auto* own = dialog.findChild<QPushButton*>(QStringLiteral("wordList"));
    auto* builtIn = dialog.findChild<QPushButton*>(QStringLiteral("builtInWordList"));
    QVERIFY(own != nullptr && builtIn != nullptr);
    QCOMPARE(own->text(), QStringLiteral("Woordenlijst..."));
    QCOMPARE(builtIn->text(), QStringLiteral("Standaardlijst"));
    QTest::mouseClick(own, Qt::LeftButton);
    QCOMPARE(hooks_->state.words.origin().wordCount, size_t{2});
    QTest::mouseClick(builtIn, Qt::LeftButton);
    QVERIFY(hooks_->state.words.origin().isBuiltIn());
    QCOMPARE(hooks_->replacements, 2);
  }
};

}  // namespace
}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::WordListDialogTest)
#include "word_list_dialog_test.moc"

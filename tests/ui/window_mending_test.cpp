// The main window against what a game master runs into: foreign file names,
// damaged configuration files, names holding markup, a stray mouse wheel, the
// numeric keypad, and the automatic game's progress text.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "files/config_file.h"
#include "files/save.h"
#include "game/turn_cycle.h"
#include "tests/report_games.h"
#include "ui/window/layout.h"
#include "ui/window/main_window.h"

namespace kwarrel::ui {
namespace {

// Answers every file choice with `fileName` and records the messages.
class RecordingPrompts : public Prompts {
 public:
  bool askYesNo(QWidget*, const QString&, const QString&) override { return yes; }
  void showMessage(QWidget*, const QString& caption, const QString& text,
                   QMessageBox::Icon) override {
    messages << caption + QLatin1Char('|') + text;
  }
  QString openFileName(QWidget*, const QString&, const QString&) override { return fileName; }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return fileName;
  }
  std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return std::nullopt; }
  bool choosePrinter(QWidget*, QPrinter&) override { return false; }

  QStringList messages;
  QString fileName;
  bool yes = false;
};

// The names in `folder` as the file system holds them, byte for byte.
std::set<std::string> namesIn(const QString& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(QFile::encodeName(folder).toStdString())) {
    names.insert(entry.path().filename().native());
  }
  return names;
}

}  // namespace

class WindowMendingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(folder->path());
    game = std::make_unique<GameState>(builtInWordGraph());
    prompts = std::make_unique<RecordingPrompts>();
  }
  void cleanup() {
    window.reset();
    game.reset();
    QDir::setCurrent(QDir::tempPath());
  }

  void namesWithAccentsLoadAndSaveUnderTheirOwnBytes() {
    openWindow(*prompts);
    GameState source(builtInWordGraph());
    recomputeAfresh(source);
    report_games::playBestMoves(source, 3);
    const std::string utf8Name = "sp\xC3\xA9l.txt";  // "spél.txt" as the file system holds it
    QVERIFY(saveGame(source, QFile::encodeName(folder->path()).toStdString() + "/" + utf8Name));
    const QString word = QString::fromStdString(source.turns[2].word);

    prompts->fileName = folder->filePath(QString::fromUtf8("sp\xC3\xA9l.txt"));
    window->runCommand(kCmdLoad, false);
    QCOMPARE(prompts->messages, QStringList());
    QCOMPARE(window->turnList()->item(2, 2)->text(), word);

    // Saving through the dialog creates the name the dialog offered.
    prompts->fileName = folder->filePath(QString::fromUtf8("ronde \xC3\xA9\xC3\xA9n.txt"));
    window->runCommand(kCmdSave, false);
    QCOMPARE(prompts->messages, QStringList());
    const std::set<std::string> names = namesIn(folder->path());
    QVERIFY(names.count("ronde \xC3\xA9\xC3\xA9n.txt") == 1);
    QCOMPARE(names.size(), size_t{2});

    // A name no single-byte code page holds, loaded as "/laad=" does.
    QVERIFY(QFile::copy(prompts->fileName, folder->filePath(QString::fromUtf8("ronde \xE2\x82\xAC.txt"))));
    prompts->yes = true;
    window->runCommand(kCmdNew, false);
    QVERIFY(window->turnList()->item(2, 2)->text().isEmpty());
    QVERIFY(window->loadGame(folder->filePath(QString::fromUtf8("ronde \xE2\x82\xAC.txt"))));
    QCOMPARE(window->turnList()->item(2, 2)->text(), word);

    // A name that cannot be read is quoted as the user typed it.
    const QString missing = folder->filePath(QString::fromUtf8("weg \xC3\xA9\xE2\x82\xAC.txt"));
    QVERIFY(!window->loadGame(missing));
    QCOMPARE(prompts->messages, QStringList(QStringLiteral("Kwarrel|Kan bestand %1 niet lezen").arg(missing)));
  }

  void messagesShowNamesAsPlainText() {
    DialogPrompts real;
    openWindow(real);
    const QString name = folder->filePath(QStringLiteral("<img src=\"x.png\"><b>vet</b>.txt"));
    QString shownText;
    Qt::TextFormat boxFormat = Qt::AutoText;
    Qt::TextFormat labelFormat = Qt::AutoText;
    const auto readBox = [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      shownText = box->text();
      boxFormat = box->textFormat();
      const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
      QVERIFY(label != nullptr);
      labelFormat = label->textFormat();
      box->reject();
    };
    QTimer::singleShot(0, readBox);
    QVERIFY(!window->loadGame(name));
    QCOMPARE(shownText, QStringLiteral("Kan bestand %1 niet lezen").arg(name));
    QCOMPARE(boxFormat, Qt::PlainText);
    QCOMPARE(labelFormat, Qt::PlainText);

    // The questions too.
    boxFormat = labelFormat = Qt::AutoText;
    QTimer::singleShot(0, readBox);
    QVERIFY(!window->confirmQuit());
    QCOMPARE(shownText, QStringLiteral("Wenst U het programma te verlaten?"));
    QCOMPARE(boxFormat, Qt::PlainText);
    QCOMPARE(labelFormat, Qt::PlainText);
  }

 private:
  void openWindow(Prompts& windowPrompts) {
    window = std::make_unique<MainWindow>(*game, windowPrompts, folder->path());
    window->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->layoutControls();
  }

  // The first turn drawn and searched, its candidates listed, nothing laid.
  void openWindowWithADraw() {
    openWindow(*prompts);
    game->turns[0].rack = "AEIRSTN";
    recomputeAfresh(*game);
    window->fillCandidateList();
    window->repaintNow();
  }

  std::unique_ptr<QTemporaryDir> folder;
  std::unique_ptr<GameState> game;
  std::unique_ptr<RecordingPrompts> prompts;
  std::unique_ptr<MainWindow> window;
};

}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::WindowMendingTest)
#include "window_mending_test.moc"

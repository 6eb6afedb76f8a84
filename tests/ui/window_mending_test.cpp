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
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <unistd.h>

#include "files/config_file.h"
#include "files/file_writer.h"
#include "files/save.h"
#include "game/turn_cycle.h"
#include "tests/report_games.h"
#include "tests/ui/scripted_prompts.h"
#include "ui/window/layout.h"
#include "ui/window/main_window.h"
#include "ui/window/startup.h"

namespace kwarrel::ui {
namespace {

// The names in `folder` as the file system holds them, byte for byte.
std::set<std::string> namesIn(const QString& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(QFile::encodeName(folder).toStdString())) {
    names.insert(entry.path().filename().native());
  }
  return names;
}

void putInt32(std::string& bytes, size_t offset, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

}  // namespace

class WindowMendingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(folder->path());
    game = std::make_unique<GameState>(builtInWordGraph());
    prompts = std::make_unique<ScriptedPrompts>();
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

  void damagedConfigurationStillShowsBoardButtonsAndList() {
    // A configuration file with absurd font heights and column widths.
    std::string bytes = encodeSettings(*game, nominalColumnWidths(game->settings));
    for (const size_t font : {4, 64, 124, 184, 318}) putInt32(bytes, font, -2000000000);
    putInt32(bytes, 184, 1999999999);  // a cell height, the other form of a font height
    const int32_t widths[6] = {INT32_MIN, INT32_MAX, -5000000, 1, 0, 2000000000};
    for (size_t i = 0; i < 6; ++i) putInt32(bytes, 293 + 4 * i, widths[i]);
    std::ofstream(kConfigFileName, std::ios::binary) << bytes;
    QVERIFY(loadSettings(*game));
    const FontSet stored = game->settings.fonts;

    openWindow(*prompts);
    const ControlLayout& layout = window->controlLayout();
    QVERIFY(layout.cellHeight > 10);
    QVERIFY(layout.remainingLetters.bottom() < window->height());
    for (int id = 0; id < kButtonCount; ++id) {
      const QRect button = window->button(id)->geometry();
      QVERIFY2(button.height() > 10 && window->rect().contains(button), qPrintable(QString::number(id)));
    }
    const int cw = cellWidthFor(window->width());
    const QImage image = window->grab().toImage();
    QCOMPARE(image.pixelColor(cw + 2, layout.cellHeight + 2), QColor(255, 0, 0));  // A1
    int columns = 0;
    for (int column = 0; column < 6; ++column) columns += window->turnList()->columnWidth(column);
    QVERIFY2(columns <= layout.turnListWidth, qPrintable(QString("%1 %2 %3 %4").arg(columns).arg(layout.turnListWidth).arg(window->turnList()->columnWidth(0)).arg(window->turnList()->columnWidth(4))));
    QVERIFY(window->turnList()->rowHeight(0) < window->height() / 5);

    // What the file said is kept for the next save; only the window fits it.
    const FontSet& kept = game->settings.fonts;
    QVERIFY(kept.coordFont == stored.coordFont && kept.wordFont == stored.wordFont &&
            kept.valueFont == stored.valueFont && kept.turnListFont == stored.turnListFont &&
            kept.bagFont == stored.bagFont);
    QCOMPARE(kept.bagFont.height, -2000000000);
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

  // A save into a pipe whose reader went away fails; the program, and the game in
  // its memory, stay.
  void aPipeWithoutReaderFailsTheWriteInsteadOfEndingTheProgram() {
    kwarrel::ui::ignoreBrokenPipes();
    int ends[2];
    QVERIFY(::pipe(ends) == 0);
    ::close(ends[0]);
    const char byte = 'x';
    QCOMPARE(kwarrel::realFileWriter().write(ends[1], &byte, 1), -1L);
    QCOMPARE(errno, EPIPE);
    ::close(ends[1]);
  }

  void wheelOverTheCandidateListLaysNothing() {
    openWindowWithADraw();
    QComboBox* list = window->candidateList();
    QVERIFY(list->count() > 2);
    window->turnList()->setFocus();
    QVERIFY(!list->hasFocus());

    const QPoint centre = list->rect().center();
    for (const int notch : {-120, -120, 120}) {
      QWheelEvent wheel(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, notch), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(list, &wheel);
    }
    QCOMPARE(list->currentIndex(), -1);
    QVERIFY(game->turns[0].word.empty());
    QCOMPARE(window->scoreBox()->text(), QString("0"));

    // Not even with the focus; the keys then choose.
    list->setFocus();
    QWheelEvent wheel(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &wheel);
    QVERIFY(game->turns[0].word.empty());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(game->turns[0].word, game->results.front().word);
  }

  void openCandidateListIsTenRowsHigh() {
    openWindowWithADraw();
    QComboBox* list = window->candidateList();
    const int rh = window->controlLayout().cellHeight;
    list->showPopup();
    QWidget* popup = list->view()->window();
    QVERIFY(popup != window.get() && popup->isVisible());
    QCOMPARE(popup->height(), 10 * rh);
    QCOMPARE(popup->width(), list->width());
    // It opens against the closed list, not over the whole screen.
    const QRect field(list->mapToGlobal(QPoint(0, 0)), list->size());
    QVERIFY(popup->geometry().bottom() + 1 == field.top() || popup->geometry().top() == field.bottom() + 1);
    list->hidePopup();
  }

  void keypadDigitsAreNoCommands() {
    openWindowWithADraw();
    bool dialogOpened = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&dialogOpened] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        dialogOpened = true;
        modal->close();
      }
    });
    watcher.start(0);
    for (const Qt::Key digit : {Qt::Key_4, Qt::Key_2, Qt::Key_7, Qt::Key_1, Qt::Key_5}) {
      QTest::keyClick(window.get(), digit, Qt::KeypadModifier);
      QTest::qWait(20);
    }
    QVERIFY(!dialogOpened);
    QVERIFY(game->turns[0].word.empty());
    QVERIFY(!window->clockRunning());
    QVERIFY(game->turns[1].rack.empty());
    QVERIFY(window->helpWindow() == nullptr);

    // The digit of the main keyboard stays the accelerator.
    QTest::keyClick(window.get(), Qt::Key_4);
    QCOMPARE(game->turns[0].word, game->results.front().word);
  }

  void autoGameProgressNamesTheTurnOnTheBoard() {
    openWindow(*prompts);
    game->random.seed(11);
    QStringList seen;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [this, &seen] {
      auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
      if (progress == nullptr || progress->labelText().isEmpty()) return;
      int laid = 0;
      while (laid < game->maxTurns && !window->turnList()->item(laid, 2)->text().isEmpty()) ++laid;
      const QString entry = progress->labelText() + QStringLiteral(" | %1 gelegd").arg(laid);
      if (seen.isEmpty() || seen.last() != entry) seen << entry;
      if (laid >= 3) progress->cancel();
    });
    watcher.start(0);
    QTest::mouseClick(window->button(kAutoButton), Qt::LeftButton);
    const QRegularExpression form(QStringLiteral("^Beurt (\\d+) van 22 wordt gespeeld \\| (\\d+) gelegd$"));
    QVERIFY(seen.size() >= 3);
    for (const QString& entry : seen) {
      const QRegularExpressionMatch match = form.match(entry);
      QVERIFY2(match.hasMatch(), qPrintable(entry));
      QCOMPARE(match.captured(1).toInt(), std::max(1, match.captured(2).toInt()));
    }
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
  std::unique_ptr<ScriptedPrompts> prompts;
  std::unique_ptr<MainWindow> window;
};

}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::WindowMendingTest)
#include "window_mending_test.moc"

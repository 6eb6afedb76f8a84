// The help window: line layout, paging, scrolling, one window at a time, printing.
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <vector>

#include "ui/base/font_record.h"
#include "ui/base/prompts.h"
#include "ui/dialogs/help_layout.h"
#include "ui/dialogs/help_print.h"
#include "ui/dialogs/help_window.h"

using kwarrel::ui::helpScrollMaximum;
using kwarrel::ui::HelpLine;
using kwarrel::ui::HelpPage;
using kwarrel::ui::HelpText;
using kwarrel::ui::HelpWindow;
using kwarrel::ui::HelpWindows;
using kwarrel::ui::placeHelpLines;

namespace {

// Every character ten pixels wide.
int tenPixels(unsigned char) { return 10; }

std::vector<std::string> lineTexts(const std::string& text, int width) {
  std::vector<std::string> texts;
  for (const HelpLine& line : kwarrel::ui::layoutHelpLines(text, width, tenPixels)) {
    texts.push_back(text.substr(static_cast<size_t>(line.start), static_cast<size_t>(line.length)));
  }
  return texts;
}

// Prints to a PDF file; records the messages it is asked to show.
class PdfPrompts : public kwarrel::ui::Prompts {
 public:
  QString pdfPath;
  bool acceptPrinter = true;
  QStringList messages;

  bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
  void showMessage(QWidget*, const QString& caption, const QString& text,
                   QMessageBox::Icon) override {
    messages << caption + QLatin1Char('|') + text;
  }
  QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return std::nullopt; }
  bool choosePrinter(QWidget*, QPrinter& printer) override {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    return acceptPrinter;
  }
};

int pdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(QString::fromLatin1(file.readAll())
                              .count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { kwarrel::ui::installFontSubstitutes(); }

  void linesWrapAtTheLastSpaceThatFits() {
    using Lines = std::vector<std::string>;
    // "aaa bbb" is 70 pixels: inside 80, not inside 70 (the line must stay narrower).
    QCOMPARE(lineTexts("aaa bbb ccc", 80), (Lines{"aaa bbb", "ccc"}));
    QCOMPARE(lineTexts("aaa bbb ccc", 70), (Lines{"aaa", "bbb", "ccc"}));
    // A word wider than the line stands alone.
    QCOMPARE(lineTexts("aa abcdefghijkl bb", 50), (Lines{"aa", "abcdefghijkl", "bb"}));
    // Leading and trailing spaces are not drawn; empty lines stay; spaces count in between.
    QCOMPARE(lineTexts("  aa   \n\n bb  cc  ", 1000), (Lines{"aa", "", "bb  cc"}));
    QCOMPARE(lineTexts("aa    bb", 80), (Lines{"aa", "bb"}));

    QCOMPARE(kwarrel::ui::helpTextBuffer("een\r\ntwee\r\n"), std::string("een\ntwee"));
    QCOMPARE(kwarrel::ui::helpTextBuffer("een\x1a"), std::string("een"));
  }

  void pagesShowEveryLineOnceBelowTheTop() {
    // Ten lines of 10 pixels, pages of 45: three lines a page, line 0 on the top edge.
    std::vector<int> printed;
    int offset = 0;
    int pages = 0;
    for (;;) {
      const kwarrel::ui::HelpPage page = kwarrel::ui::placeHelpLines(10, 10, 45, offset);
      ++pages;
      QVERIFY(page.drawnLines <= 3);
      QVERIFY(page.top > 0);
      for (int i = 0; i < page.drawnLines; ++i) printed.push_back(page.firstLine + i);
      if (page.continueAt <= 0) break;
      offset = page.continueAt;
    }
    QCOMPARE(pages, 3);
    QCOMPARE(printed, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // A page lower than one line draws nothing and asks for no next page.
    QCOMPARE(kwarrel::ui::placeHelpLines(10, 10, 9, 0).continueAt, -1);
    QCOMPARE(kwarrel::ui::placeHelpLines(10, 10, 9, 0).drawnLines, 0);
  }

  void oneWindowAtATimeAndClosingForgetsIt() {
    PdfPrompts prompts;
    HelpWindows help(prompts);
    QVERIFY(help.window() == nullptr);
    help.open(HelpText::Main);
    HelpWindow* first = help.window();
    QVERIFY(first != nullptr);
    QCOMPARE(first->windowTitle(), QStringLiteral("Kwarrel Help"));
    QVERIFY(first->parentWidget() == nullptr);
    QVERIFY(first->buffer().starts_with("Druk F9 om deze tekst af te drukken\n"));

    help.open(HelpText::Settings);
    QCOMPARE(help.window(), first);
    QCOMPARE(first->text(), HelpText::Main);

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(help.window() == nullptr);
    help.open(HelpText::Settings);
    QVERIFY(help.window() != nullptr);
    QCOMPARE(help.window()->text(), HelpText::Settings);
    QVERIFY(help.window()->buffer().starts_with("Druk F9 om deze tekst af te drukken\n"));
  }

  void keysScrollByLinesAndPagesWithinTheText() {
    HelpWindow window(HelpText::Main);
    window.resize(500, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int lines = static_cast<int>(window.lines().size());
    QVERIFY(lines > 50);
    const int page = window.verticalScrollBar()->pageStep();
    QCOMPARE(page, window.viewport()->height() / window.lineHeight());
    // Scrolling ends with the last line at the bottom, not on an empty page.
    const int last = lines + 1 - page;
    QCOMPARE(window.scrollMaximum(), last);
    const auto shownAt = [&](int position) {
      return placeHelpLines(lines, window.lineHeight(), window.viewport()->height(),
                            (position - 1) * window.lineHeight());
    };
    const HelpPage end = shownAt(last);
    QCOMPARE(end.firstLine + end.drawnLines, lines);
    QCOMPARE(end.drawnLines, page - 1);
    QVERIFY(shownAt(last - 1).firstLine + shownAt(last - 1).drawnLines < lines);
    QCOMPARE(helpScrollMaximum(5, 10, 200), 0);  // a text that fits does not scroll

    QTest::keyClick(&window, Qt::Key_Down);
    QTest::keyClick(&window, Qt::Key_Down);
    QCOMPARE(window.scrollPosition(), 2);
    QTest::keyClick(&window, Qt::Key_PageDown);
    QCOMPARE(window.scrollPosition(), 2 + page);
    QTest::keyClick(&window, Qt::Key_Up);
    QCOMPARE(window.scrollPosition(), 1 + page);
    QTest::keyClick(&window, Qt::Key_PageUp);
    QTest::keyClick(&window, Qt::Key_PageUp);
    QCOMPARE(window.scrollPosition(), 0);
    QTest::keyClick(&window, Qt::Key_Up);
    QCOMPARE(window.scrollPosition(), 0);
    window.verticalScrollBar()->setValue(lines);
    QCOMPARE(window.scrollPosition(), last);
    QTest::keyClick(&window, Qt::Key_PageDown);
    QTest::keyClick(&window, Qt::Key_Down);
    QCOMPARE(window.scrollPosition(), last);
  }

  void printingStartsAfterTheFirstLineAndFillsPages() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    PdfPrompts prompts;
    prompts.pdfPath = folder.filePath(QStringLiteral("hulp.pdf"));
    HelpWindows help(prompts);
    help.open(HelpText::Main);
    QVERIFY(QTest::qWaitForWindowActive(help.window()));

    QTest::keyClick(help.window(), Qt::Key_F9);
    QVERIFY(prompts.messages.isEmpty());
    const int pages = pdfPages(prompts.pdfPath);
    QVERIFY2(pages > 1, qPrintable(QString::number(pages)));

    // The same text on an A4 PDF: what the layout put on the pages.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("direct.pdf")));
    const kwarrel::ui::HelpPrint report = kwarrel::ui::printHelpText(help.window()->buffer(), printer);
    QCOMPARE(report.outcome, kwarrel::ui::PrintOutcome::Printed);
    QCOMPARE(report.firstLine, 1);
    QCOMPARE(report.pages, pdfPages(folder.filePath(QStringLiteral("direct.pdf"))));

    // A printer that cannot be opened, and a cancelled print dialog.
    prompts.pdfPath = folder.filePath(QStringLiteral("geen/map/hulp.pdf"));
    help.print();
    QCOMPARE(prompts.messages,
             QStringList{QStringLiteral("Kwarrel probleem|Cannot obtain Printer DC")});
    QVERIFY(help.window() != nullptr);
    prompts.messages.clear();
    prompts.acceptPrinter = false;
    prompts.pdfPath = folder.filePath(QStringLiteral("afgebroken.pdf"));
    help.print();
    QVERIFY(prompts.messages.isEmpty());
    QVERIFY(!QFile::exists(prompts.pdfPath));
  }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"

// The possibilities dialog: only for a square where a move starts, with both
// lists as the search filed them.
#include <QTreeWidget>
#include <QtTest>

#include "dict/word_graph.h"
#include "game/turn_cycle.h"
#include "tests/report_games.h"
#include "search/square_moves.h"
#include "tests/ui/dialogs/fake_window.h"
#include "ui/base/latin1.h"
#include "ui/dialogs/square_possibilities_dialog.h"

namespace kwarrel::ui {
namespace {

// The rows of a list as the lines they came from: "word \t score".
std::vector<std::string> shownLines(QWidget* dialog, const char* name) {
  std::vector<std::string> lines;
  const auto* list = dialog->findChild<QTreeWidget*>(QString::fromLatin1(name));
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list->topLevelItem(i);
    lines.push_back(toLatin1(item->text(0) + QStringLiteral(" \t ") + item->text(1)));
  }
  return lines;
}

class SquarePossibilitiesTest : public QObject {
  Q_OBJECT

 private slots:
  void opensOnlyWhereMovesStartAndShowsBothLists() {
    GameState state(builtInWordGraph());
    report_games::playThreeTurns(state);
    state.turns[3].rack = "RASTEIN";
    recomputeAfresh(state);
    // A square where words start both ways.
    int found = 0;
    std::optional<SquarePossibilities> both;
    for (; found < kSquareCount && !both; ++found) {
      both = squarePossibilities(state, found / 15, found % 15);
      if (both && (both->horizontal.empty() || both->vertical.empty())) both.reset();
    }
    QVERIFY(both);
    const int row0 = (found - 1) / 15;
    const int column0 = (found - 1) % 15;

    bool opened = false;
    testing::whenModal([&](QWidget*) { opened = true; });
    QVERIFY(!squarePossibilities(state, 0, 0));  // too far from the words for a rack to reach
    QVERIFY(!openSquarePossibilities(state, 0, 0, nullptr));
    QVERIFY(!openSquarePossibilities(state, 7, 15, nullptr));  // off the board
    QCoreApplication::processEvents();
    QVERIFY(!opened);

    QString title;
    std::vector<std::string> horizontal;
    std::vector<std::string> vertical;
    testing::whenModal([&](QWidget* dialog) {
      title = dialog->windowTitle();
      horizontal = shownLines(dialog, "horizontal");
      vertical = shownLines(dialog, "vertical");
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QVERIFY(openSquarePossibilities(state, row0, column0, nullptr));
    QCOMPARE(title, QStringLiteral("Mogelijkheden op %1 %2").arg(QChar(u'A' + column0)).arg(row0 + 1));
    QVERIFY(horizontal == both->horizontal);
    QVERIFY(vertical == both->vertical);
  }
};

}  // namespace
}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::SquarePossibilitiesTest)
#include "square_possibilities_test.moc"

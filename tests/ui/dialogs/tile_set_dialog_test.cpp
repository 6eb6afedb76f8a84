// The tile set dialogs: presets and Cancel, editing one letter by mouse and by
// key, and a changed value reaching the scores of the game.
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "dict/word_graph.h"
#include "tests/report_games.h"
#include "tests/ui/dialogs/fake_window.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/tile_set_dialog.h"

namespace kwarrel::ui {
namespace {

constexpr int kE = 5;

QAbstractButton* buttonWithText(QWidget* dialog, const QString& text) {
  for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
    if (button->text() == text) return button;
  }
  qFatal("no button %s", qPrintable(text));
}

void clickStandard(QWidget* dialog, QDialogButtonBox::StandardButton which) {
  QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

void retype(QWidget* dialog, const char* name, const char* text) {
  auto* field = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, QString::fromLatin1(text));
}

QTableWidget* letterList(QWidget* dialog) {
  return dialog->findChild<QTableWidget*>(QStringLiteral("letters"));
}

class TileSetDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void presetsThenCancelRestoreTheTables() {
    LetterCounts counts = tilePreset(TilePreset::Middel).counts;
    LetterCounts values = tilePreset(TilePreset::Middel).values;
    counts[kE] = 9;
    const LetterCounts openedCounts = counts;
    const LetterCounts openedValues = values;

    TileSetDialog dialog(counts, values, '+', nullptr);
    dialog.show();
    QTableWidget* list = letterList(&dialog);
    QCOMPARE(list->rowCount(), 27);
    QCOMPARE(list->item(0, 0)->text(), QStringLiteral("+"));
    QCOMPARE(list->item(26, 0)->text(), QStringLiteral("Z"));
    QCOMPARE(list->item(kE, 1)->text(), QStringLiteral("9"));

    QTest::mouseClick(buttonWithText(&dialog, QStringLiteral("&Oud")), Qt::LeftButton);
    QVERIFY(counts == tilePreset(TilePreset::Oud).counts);
    QCOMPARE(list->item(7, 1)->text(), QStringLiteral("4"));  // G
    QCOMPARE(list->item(6, 2)->text(), QStringLiteral("5"));  // F
    QTest::mouseClick(buttonWithText(&dialog, QStringLiteral("&Nieuw")), Qt::LeftButton);
    QVERIFY(values == tilePreset(TilePreset::Nieuw).values);
    clickStandard(&dialog, QDialogButtonBox::Cancel);
    QVERIFY(counts == openedCounts);
    QVERIFY(values == openedValues);

    TileSetDialog escaped(counts, values, '*', nullptr);
    escaped.show();
    QTest::mouseClick(buttonWithText(&escaped, QStringLiteral("&Oud")), Qt::LeftButton);
    QTest::keyClick(&escaped, Qt::Key_Escape);
    QVERIFY(counts == openedCounts);
  }

  void oneLetterIsEditedByDoubleClickOrEnter() {
    LetterCounts counts = tilePreset(TilePreset::Nieuw).counts;
    LetterCounts values = tilePreset(TilePreset::Nieuw).values;
    TileSetDialog dialog(counts, values, '*', nullptr);
    dialog.show();
    QTableWidget* list = letterList(&dialog);

    QString title;
    testing::whenModal([&](QWidget* letter) {
      title = letter->windowTitle();
      retype(letter, "count", "");      // an empty field keeps its entry
      retype(letter, "value", "2x34");  // digits only, two at most
      clickStandard(letter, QDialogButtonBox::Ok);
    });
    // A real double click: press and release, then the double click itself.
    const QPoint onE = list->visualItemRect(list->item(kE, 1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onE);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onE);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, onE);
    QCOMPARE(title, QStringLiteral("Aantal en waarde van letter E"));
    QCOMPARE(counts[kE], 18);
    QCOMPARE(values[kE], 23);
    QCOMPARE(list->item(kE, 2)->text(), QStringLiteral("23"));

    bool valueEnabled = true;
    testing::whenModal([&](QWidget* letter) {
      title = letter->windowTitle();
      valueEnabled = letter->findChild<QLineEdit*>(QStringLiteral("value"))->isEnabled();
      retype(letter, "count", "3");
      QTest::keyClick(letter->findChild<QLineEdit*>(QStringLiteral("count")), Qt::Key_Return);
    });
    list->setCurrentCell(0, 1);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(title, QStringLiteral("Aantal blanco's"));
    QVERIFY(!valueEnabled);
    QCOMPARE(counts[0], 3);
    QCOMPARE(values[0], 0);
    QVERIFY(dialog.isVisible());  // Enter in the list does not close the list

    testing::whenModal([&](QWidget* letter) {
      retype(letter, "count", "7");
      clickStandard(letter, QDialogButtonBox::Cancel);
    });
    list->setCurrentCell(17, 1);  // Q
    QTest::keyClick(list, Qt::Key_Enter);
    QCOMPARE(counts[17], 1);
  }

  void changedLetterValueRescoresThePlayedTurns() {
    GameState expected(builtInWordGraph());
    expected.valueTable[kE] = 2;
    report_games::playThreeTurns(expected);

    GameState state(builtInWordGraph());
    report_games::playThreeTurns(state);
    QVERIFY(state.turns[0].score != expected.turns[0].score);

    UiFonts fonts;
    testing::FakeHooks hooks;
    testing::FakePrompts prompts;
    hooks.game = &state;
    SettingsDialog settings(state, fonts, hooks, prompts, nullptr);
    settings.show();
    testing::whenModal([&](QWidget* tiles) {
      testing::whenModal([&](QWidget* letter) {
        retype(letter, "value", "2");
        clickStandard(letter, QDialogButtonBox::Ok);
      });
      letterList(tiles)->setCurrentCell(kE, 0);
      QTest::keyClick(letterList(tiles), Qt::Key_Return);
      clickStandard(tiles, QDialogButtonBox::Ok);
    });
    QTest::mouseClick(settings.findChild<QPushButton*>(QStringLiteral("tileSet")), Qt::LeftButton);

    QCOMPARE(hooks.tileSetChanges, 1);
    for (int i = 0; i < 3; ++i) QCOMPARE(state.turns[i].score, expected.turns[i].score);
    QCOMPARE(state.totalScore, expected.totalScore);
  }
};

}  // namespace
}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::TileSetDialogTest)
#include "tile_set_dialog_test.moc"

// The check-word dialog as the referee uses it: type, Check, read the colour.
#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "dict/word_graph.h"
#include "game/game_state.h"
#include "ui/dialogs/check_word_dialog.h"

using kwarrel::ui::CheckWordDialog;

namespace {

QColor backgroundOf(CheckWordDialog& dialog) { return dialog.grab().toImage().pixelColor(1, 1); }

QPushButton* button(CheckWordDialog& dialog, const QString& text) {
  for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
    if (candidate->text() == text) return candidate;
  }
  return nullptr;
}

// Types `word` into a cleared edit and presses Enter. Keys exist for ASCII only.
void checkTyped(CheckWordDialog& dialog, const QString& word) {
  dialog.wordEdit()->clear();
  if (word.toLatin1().contains('\xE9')) {
    dialog.wordEdit()->setText(word);
  } else {
    QTest::keyClicks(dialog.wordEdit(), word);
  }
  QTest::keyClick(dialog.wordEdit(), Qt::Key_Return);
}

}  // namespace

class CheckWordDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void upperAndLowerCaseGiveTheSameAnswer() {
    kwarrel::GameState state(kwarrel::builtInWordGraph());
    CheckWordDialog dialog(state, nullptr);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Check woord"));
    for (const QString& word : {QStringLiteral("huis"), QStringLiteral("HUIS"),
                                QStringLiteral("HuIs")}) {
      checkTyped(dialog, word);
      QCOMPARE(dialog.lookupResult(), CheckWordDialog::Result::Found);
      QCOMPARE(dialog.resultText(), QStringLiteral("Woord staat in de woordenlijst"));
    }
    for (const QString& word : {QStringLiteral("huisx"), QStringLiteral("QXZ"),
                                QStringLiteral("hu-is"), QStringLiteral("h\u00e9")}) {
      checkTyped(dialog, word);
      QCOMPARE(dialog.lookupResult(), CheckWordDialog::Result::NotFound);
      QCOMPARE(dialog.resultText(), QStringLiteral("Woord staat NIET in de woordenlijst"));
    }
    // The Check button does what Enter does.
    dialog.wordEdit()->setText(QStringLiteral("kwarrel"));
    QTest::mouseClick(button(dialog, QStringLiteral("Check")), Qt::LeftButton);
    QVERIFY(dialog.lookupResult() != CheckWordDialog::Result::None);
  }

  void backgroundColoursWithAndWithoutColourFile() {
    kwarrel::GameState state(kwarrel::builtInWordGraph());
    CheckWordDialog dialog(state, nullptr);
    dialog.show();
    const QColor normal = backgroundOf(dialog);

    checkTyped(dialog, QStringLiteral("water"));
    QCOMPARE(backgroundOf(dialog), QColor(144, 255, 144));
    checkTyped(dialog, QStringLiteral("watrr"));
    QCOMPARE(backgroundOf(dialog), QColor(255, 0, 0));

    // The colour file's line "0 0 255 300 255 0": blue and yellow, 300 taken as 44.
    state.settings.notFoundRed = 0;
    state.settings.notFoundGreen = 0;
    state.settings.notFoundBlue = 255;
    state.settings.foundRed = 300;
    state.settings.foundGreen = 255;
    state.settings.foundBlue = 0;
    checkTyped(dialog, QStringLiteral("watrr"));
    QCOMPARE(backgroundOf(dialog), QColor(0, 0, 255));
    checkTyped(dialog, QStringLiteral("water"));
    QCOMPARE(backgroundOf(dialog), QColor(44, 255, 0));

    // Typing after a result brings the normal background back, and the verdict
    // no longer stands beside a word it was not given for.
    QTest::keyClick(dialog.wordEdit(), Qt::Key_S);
    QCOMPARE(dialog.lookupResult(), CheckWordDialog::Result::None);
    QCOMPARE(backgroundOf(dialog), normal);
    QVERIFY(dialog.resultText().isEmpty());

    // Check on an empty edit only resets.
    checkTyped(dialog, QStringLiteral("water"));
    dialog.wordEdit()->clear();
    QTest::keyClick(dialog.wordEdit(), Qt::Key_Return);
    QCOMPARE(dialog.lookupResult(), CheckWordDialog::Result::None);
    QCOMPARE(backgroundOf(dialog), normal);
  }

  void editTakesFifteenLettersAndEscapeCancels() {
    kwarrel::GameState state(kwarrel::builtInWordGraph());
    CheckWordDialog dialog(state, nullptr);
    dialog.show();
    QTest::keyClicks(dialog.wordEdit(), QStringLiteral("abcdefghijklmnopqrst"));
    QCOMPARE(dialog.wordEdit()->text(), QStringLiteral("abcdefghijklmno"));

    QTest::keyClick(dialog.wordEdit(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.lookupResult(), CheckWordDialog::Result::None);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }
};

QTEST_MAIN(CheckWordDialogTest)
#include "check_word_dialog_test.moc"

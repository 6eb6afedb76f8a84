// The settings dialog driven through its widgets: what "BEWAREN" reads and
// writes, what acts at once, and the help keys.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <memory>

#include "dict/word_graph.h"
#include "files/config_file.h"
#include "tests/ui/dialogs/fake_window.h"
#include "ui/base/font_record.h"
#include "ui/dialogs/settings_dialog.h"

namespace kwarrel::ui {
namespace {

// The real font chooser, run without its own loop: it opens with the offered
// font, the size field is typed into when `newSize` is set, then OK.
class ChooserPrompts : public testing::FakePrompts {
 public:
  std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override {
    QFontDialog chooser(parent);
    chooser.setCurrentFont(initial);
    shown.push_back(chooser.currentFont());
    if (!newSize.isEmpty()) {
      for (QLineEdit* field : chooser.findChildren<QLineEdit*>()) {
        if (field->isReadOnly() || field->validator() == nullptr) continue;  // the size field
        field->selectAll();
        QTest::keyClicks(field, newSize);
      }
    }
    return chooser.currentFont();
  }

  std::vector<QFont> shown;  // what the chooser showed on opening
  QString newSize;
};

class SettingsDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  QString previousFolder_;
  std::unique_ptr<GameState> state_;
  UiFonts fonts_;
  testing::FakeHooks hooks_;
  testing::FakePrompts prompts_;
  std::unique_ptr<SettingsDialog> dialog_;

  template <typename T>
  T* control(const char* name) {
    T* widget = dialog_->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no control %s", name);
    return widget;
  }
  void click(const char* name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
  void retype(const char* name, const char* text) {
    QLineEdit* field = control<QLineEdit>(name);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QString::fromLatin1(text));
  }

 private slots:
  // The window runs with Qt's Dutch texts, which also name the chooser's styles.
  void initTestCase() {
    auto* translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_nl"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(translator);
    }
  }

  void init() {
    previousFolder_ = QDir::currentPath();
    folder_ = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(folder_->path());
    state_ = std::make_unique<GameState>(builtInWordGraph());
    fonts_.rebuild(state_->settings.fonts);
    hooks_ = {};
    prompts_ = {};
    dialog_ = std::make_unique<SettingsDialog>(*state_, fonts_, hooks_, prompts_, nullptr);
    dialog_->show();
  }

  void cleanup() {
    dialog_.reset();
    QDir::setCurrent(previousFolder_);
    folder_.reset();
  }

  void saveReadsEveryFieldAndWritesTheFile() {
    retype("optimisationLoops", "12x345");
    QCOMPARE(control<QLineEdit>("optimisationLoops")->text(), QStringLiteral("1234"));
    retype("thinkTime", "");
    retype("soundDuration", "250");
    retype("soundFrequency", "880");
    click("qNeedsU");
    click("replaceFirstBlank");
    QTest::keyClick(control<QComboBox>("blankChar"), Qt::Key_Down);
    click("save");

    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    const Settings& settings = state_->settings;
    QCOMPARE(settings.optimisationLoops, 1234);
    QCOMPARE(settings.thinkTime, 180);  // emptied field keeps the old value
    QVERIFY(settings.qNeedsU);
    QVERIFY(!settings.replaceFirstBlank);
    QCOMPARE(settings.blankChar, '+');
    QCOMPARE(hooks_.playedSignals, std::vector<bool>{false});
    QVERIFY(prompts_.messages.isEmpty());

    GameState loaded(builtInWordGraph());
    QVERIFY(loadSettings(loaded));
    QCOMPARE(loaded.settings.soundDuration, 250);
    QCOMPARE(loaded.settings.soundFrequency, 880);
    const ColumnPixelWidths widths = hooks_.turnListColumnWidths();
    QVERIFY(encodeSettings(loaded, widths) == encodeSettings(*state_, widths));
    QFile file(QString::fromLatin1(kConfigFileName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(std::string(bytes.constData(), size_t(bytes.size())) == encodeSettings(*state_, widths));
  }

  void temporaryReadsAndWritesNothing() {
    retype("optimisationLoops", "7");
    retype("soundDuration", "250");
    retype("soundFrequency", "880");
    click("qNeedsU");
    click("temporary");

    QCOMPARE(dialog_->result(), int(QDialog::Rejected));
    QCOMPARE(state_->settings.optimisationLoops, 1);
    QCOMPARE(state_->settings.soundDuration, 0);
    QVERIFY(!state_->settings.qNeedsU);
    QVERIFY(hooks_.playedSignals.empty());
    QVERIFY(!QFile::exists(QString::fromLatin1(kConfigFileName)));
  }

  void failedSaveIsToldAndKeepsTheChanges() {
    QVERIFY(QDir().mkdir(QString::fromLatin1(kConfigFileName)));  // cannot become a file
    retype("thinkTime", "90");
    retype("soundDuration", "300");  // no frequency: no test signal
    click("save");

    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    QCOMPARE(state_->settings.thinkTime, 90);
    QCOMPARE(state_->settings.soundDuration, 300);
    QVERIFY(hooks_.playedSignals.empty());
    QCOMPARE(prompts_.messages,
             QStringList{QStringLiteral("Kwarrel: Kan de instellingen niet bewaren in Kwar2002.cfg")});
  }

  void offsetsAndValueDisplayActAtOnce() {
    const Settings before = state_->settings;
    for (int i = 0; i < 5; ++i) click("letterOffsetRight");
    click("labelOffsetUp");
    click("valueOffsetDown");
    QCOMPARE(state_->settings.letterOffset.x, before.letterOffset.x + 0.05);
    QCOMPARE(state_->settings.letterOffset.y, before.letterOffset.y);
    QCOMPARE(state_->settings.labelOffset.y, before.labelOffset.y - 0.01);
    QCOMPARE(state_->settings.valueOffset.y, before.valueOffset.y + 0.01);

    QVERIFY(control<QCheckBox>("showValues")->isChecked());
    click("showValues");
    QCOMPARE(state_->settings.hideValues, uint8_t{1});
    QCOMPARE(hooks_.boardLookChanges, 8);
  }

  void fontChooserChangesOnlyWhenAccepted() {
    const FontSet before = state_->settings.fonts;
    click("lettersFont");
    QCOMPARE(prompts_.offeredFonts.size(), size_t{1});
    QCOMPARE(prompts_.offeredFonts.front().family(), QFontInfo(fonts_.letters).family());
    QVERIFY(state_->settings.fonts.wordFont == before.wordFont);
    QVERIFY(hooks_.changedFonts.empty());

    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPixelSize(30);
    chosen.setBold(true);
    prompts_.fontAnswer = chosen;
    click("lettersFont");
    const FontDescription& record = state_->settings.fonts.wordFont;
    QCOMPARE(record.face(), std::string_view("Liberation Serif"));
    QCOMPARE(record.height, -30);
    QCOMPARE(record.weight, 700);
    QCOMPARE(hooks_.changedFonts, std::vector<FontRole>{FontRole::Letters});
    QVERIFY(state_->settings.fonts.coordFont == before.coordFont);
  }

  void fontChooserOpensAtTheFontInUseAndKeepsWhatIsNotChanged() {
    ChooserPrompts chooser;
    SettingsDialog dialog(*state_, fonts_, hooks_, chooser, nullptr);
    const auto clickFont = [&dialog](const char* name) {
      QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    };
    // The board letters: "Courier New", bold, a cell height; drawn by a stand-in.
    const FontDescription before = state_->settings.fonts.wordFont;
    const QFontInfo drawn(fonts_.letters);
    QVERIFY(drawn.family() != QStringLiteral("Courier New"));

    // Opened and accepted as it is: the chooser shows the font in use, the record stays.
    clickFont("lettersFont");
    const QFont shown = chooser.shown.back();
    QCOMPARE(shown.family(), drawn.family());
    QCOMPARE(shown.weight(), int(QFont::Bold));
    QVERIFY(!shown.italic());
    QCOMPARE(shown.pointSize(), qRound(drawn.pointSizeF()));
    QVERIFY(state_->settings.fonts.wordFont.toRecord() == before.toRecord());

    // Only the size changed in the chooser: face, weight and slant stay.
    chooser.newSize = QStringLiteral("40");
    clickFont("lettersFont");
    const FontDescription& after = state_->settings.fonts.wordFont;
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    QCOMPARE(after.face(), std::string_view("Courier New"));
    QCOMPARE(after.weight, 700);
    QCOMPARE(after.italic, uint8_t{0});
    QCOMPARE(after.height, -qRound(40 * dpi / 72));
    QVERIFY(after.width > before.width);  // as wide for its size as before
    const QFontInfo redrawn(fontFromDescription(after));
    QCOMPARE(redrawn.family(), drawn.family());
    QVERIFY(redrawn.bold());

    // An italic font opens italic and stays italic.
    state_->settings.fonts.valueFont.italic = 1;
    fonts_.rebuild(state_->settings.fonts);
    const FontDescription values = state_->settings.fonts.valueFont;
    chooser.newSize.clear();
    clickFont("valuesFont");
    QVERIFY(chooser.shown.back().italic());
    QCOMPARE(chooser.shown.back().weight(), int(QFont::Normal));
    QVERIFY(state_->settings.fonts.valueFont.toRecord() == values.toRecord());
  }

  void helpKeysOpenAndPrintTheSettingsHelp() {
    QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    QTest::keyClick(control<QLineEdit>("thinkTime"), Qt::Key_F1);
    click("help");
    QCOMPARE(hooks_.openedHelp, (std::vector<HelpText>{HelpText::Settings, HelpText::Settings}));

    QWidget help;
    auto* text = new QLineEdit(&help);
    hooks_.help = &help;
    QTest::keyClick(text, Qt::Key_F9);
    QTest::keyClick(control<QLineEdit>("thinkTime"), Qt::Key_F9);  // not aimed at the help
    QCOMPARE(hooks_.helpPrints, 1);
    dialog_.reset();
    QTest::keyClick(text, Qt::Key_F9);  // the dialog is gone, and its filter with it
    QCOMPARE(hooks_.helpPrints, 1);
  }
};

}  // namespace
}  // namespace kwarrel::ui

QTEST_MAIN(kwarrel::ui::SettingsDialogTest)
#include "settings_dialog_test.moc"

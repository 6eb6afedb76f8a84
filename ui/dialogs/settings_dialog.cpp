#include "ui/dialogs/settings_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "files/config_file.h"
#include "ui/base/font_record.h"
#include "ui/dialogs/number_field.h"
#include "ui/dialogs/tile_set_dialog.h"
#include "ui/dialogs/word_list_dialog.h"

namespace kwarrel::ui {

namespace {

constexpr double kOffsetStep = 0.01;

// While the dialog runs its own loop the main window's shortcuts are out of
// reach, so F9 aimed at the help window is turned into its print command here.
class HelpPrintKey : public QObject {
 public:
  explicit HelpPrintKey(WindowHooks& hooks) : hooks_(hooks) {}

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_F9) return false;
    QWidget* help = hooks_.helpWindow();
    const auto* target = qobject_cast<QWidget*>(receiver);
    if (help == nullptr || target == nullptr) return false;
    if (target != help && !help->isAncestorOf(target)) return false;
    hooks_.printHelp();
    return true;
  }

 private:
  WindowHooks& hooks_;
};

const QFont& fontOf(const UiFonts& fonts, FontRole role) {
  switch (role) {
    case FontRole::Labels: return fonts.labels;
    case FontRole::Letters: return fonts.letters;
    case FontRole::Values: return fonts.values;
    case FontRole::TurnList: return fonts.turnList;
    case FontRole::RemainingLetters: break;
  }
  return fonts.remainingLetters;
}

// Three of the widest characters wide and one and a half lines high, as the
// short number fields have always been.
void sizeNumberField(QLineEdit* field) {
  const QFontMetrics metrics(field->font());
  const int width = std::max(3 * metrics.maxWidth(), field->minimumSizeHint().width());
  field->setFixedSize(width, metrics.height() * 3 / 2);
}

}  // namespace

SettingsDialog::SettingsDialog(GameState& state, const UiFonts& fonts, WindowHooks& hooks,
                               Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      state_(state),
      fonts_(fonts),
      hooks_(hooks),
      prompts_(prompts),
      printKey_(std::make_unique<HelpPrintKey>(hooks)) {
  setWindowTitle(QStringLiteral("Instellingen"));
  qApp->installEventFilter(printKey_.get());

  QPushButton* save = addButton(1, QStringLiteral("BEWAREN"), QStringLiteral("save"));
  save->setDefault(true);
  connect(save, &QPushButton::clicked, this, &QDialog::accept);
  QPushButton* keep = addButton(2, QStringLiteral("TIJDELIJK"), QStringLiteral("temporary"));
  connect(keep, &QPushButton::clicked, this, &QDialog::reject);

  auto* closing = new QHBoxLayout;
  closing->addStretch();
  closing->addWidget(save);
  closing->addWidget(keep);

  auto* columns = new QHBoxLayout;
  columns->addWidget(buildBoardLook());
  columns->addWidget(buildOptions());

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(closing);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] { hooks_.openHelp(HelpText::Settings); });
  orderTabs();
  save->setFocus();
}

SettingsDialog::~SettingsDialog() { qApp->removeEventFilter(printKey_.get()); }

void SettingsDialog::accept() {
  readFields();
  const Settings& settings = state_.settings;
  if (settings.soundDuration > 0 && settings.soundFrequency > 0) hooks_.playSignal(false);
  if (!saveSettings(state_, hooks_.turnListColumnWidths())) {
    prompts_.showMessage(this, QStringLiteral("Kwarrel"),
                         QStringLiteral("Kan de instellingen niet bewaren in %1")
                             .arg(QString::fromLatin1(kConfigFileName)),
                         QMessageBox::Warning);
  }
  QDialog::accept();
}

QPushButton* SettingsDialog::addButton(int id, const QString& text, const QString& name) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(name);
  controls_.emplace_back(id, button);
  return button;
}

QCheckBox* SettingsDialog::addCheckBox(int id, const QString& text, const char* name,
                                       bool ticked) {
  auto* box = new QCheckBox(text, this);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(ticked);
  controls_.emplace_back(id, box);
  return box;
}

QLineEdit* SettingsDialog::addNumberField(int id, int maxDigits, int32_t value, bool showZero,
                                          const char* name) {
  const QString text = value > 0 || showZero ? QString::number(value) : QString();
  QLineEdit* field = makeNumberField(maxDigits, text, this);
  field->setObjectName(QString::fromLatin1(name));
  field->setFont(QApplication::font());
  sizeNumberField(field);
  controls_.emplace_back(id, field);
  return field;
}

void SettingsDialog::addFontButton(int id, const QString& text, const QString& name, FontRole role,
                                   QGridLayout* grid, int row) {
  QPushButton* button = addButton(id, text, name);
  connect(button, &QPushButton::clicked, this, [this, role] { chooseFont(role); });
  grid->addWidget(button, row, 0);
}

void SettingsDialog::addOffsetButtons(int firstId, Offset& offset, const QString& name,
                                      QGridLayout* grid, int row) {
  struct Step {
    const char* text;
    const char* suffix;
    double Offset::*coordinate;
    double delta;
  };
  static constexpr Step kSteps[] = {{"<", "Left", &Offset::x, -kOffsetStep},
                                    {">", "Right", &Offset::x, kOffsetStep},
                                    {"^", "Up", &Offset::y, -kOffsetStep},
                                    {"v", "Down", &Offset::y, kOffsetStep}};
  int column = 1;
  for (const Step& step : kSteps) {
    QPushButton* button = addButton(firstId + column - 1, QString::fromLatin1(step.text),
                                    name + QString::fromLatin1(step.suffix));
    button->setFixedWidth(button->fontMetrics().height() * 2);
    connect(button, &QPushButton::clicked, this, [this, &offset, step] {
      offset.*step.coordinate += step.delta;
      hooks_.boardLookChanged();
    });
    grid->addWidget(button, row, column++);
  }
}

QWidget* SettingsDialog::buildBoardLook() {
  auto* area = new QWidget(this);
  auto* grid = new QGridLayout(area);
  Settings& settings = state_.settings;
  addFontButton(1009, QStringLiteral("&Rij/kolom font"), QStringLiteral("labelsFont"), FontRole::Labels, grid, 0);
  addOffsetButtons(1022, settings.labelOffset, QStringLiteral("labelOffset"), grid, 0);
  addFontButton(1010, QStringLiteral("Woorden &font"), QStringLiteral("lettersFont"), FontRole::Letters, grid, 1);
  addOffsetButtons(1013, settings.letterOffset, QStringLiteral("letterOffset"), grid, 1);
  addFontButton(1011, QStringLiteral("Letter&waarde font"), QStringLiteral("valuesFont"), FontRole::Values, grid, 2);
  addOffsetButtons(1017, settings.valueOffset, QStringLiteral("valueOffset"), grid, 2);

  QCheckBox* showValues =
      addCheckBox(1021, QStringLiteral("&Toon letterwaarde"), "showValues", settings.hideValues == 0);
  connect(showValues, &QCheckBox::toggled, this, [this](bool shown) {
    state_.settings.hideValues = shown ? 0 : 1;
    hooks_.boardLookChanged();
  });
  grid->addWidget(showValues, 3, 0, 1, 5);
  addFontButton(1012, QStringLiteral("&Beurten font"), QStringLiteral("turnListFont"), FontRole::TurnList, grid, 4);
  addFontButton(1026, QStringLiteral("Letter&zakje font"), QStringLiteral("remainingLettersFont"),
                FontRole::RemainingLetters, grid, 5);

  QPushButton* tiles = addButton(1030, QStringLiteral("&Letteraantallen en -waarden"),
                                   QStringLiteral("tileSet"));
  connect(tiles, &QPushButton::clicked, this, &SettingsDialog::editTileSet);
  grid->addWidget(tiles, 6, 0, 1, 5);
  QPushButton* help = addButton(1042, QStringLiteral("&Help (F1)"), QStringLiteral("help"));
  connect(help, &QPushButton::clicked, this, [this] { hooks_.openHelp(HelpText::Settings); });
  grid->addWidget(help, 7, 0, 1, 5);
  QPushButton* ownList = addButton(1043, QStringLiteral("Woordenlijst..."), QStringLiteral("wordList"));
  connect(ownList, &QPushButton::clicked, this, [this] { chooseWordList(hooks_, prompts_, this); });
  grid->addWidget(ownList, 8, 0, 1, 5);
  QPushButton* builtIn = addButton(1044, QStringLiteral("Standaardlijst"), QStringLiteral("builtInWordList"));
  connect(builtIn, &QPushButton::clicked, this, [this] { useBuiltInWordList(hooks_, prompts_, this); });
  grid->addWidget(builtIn, 9, 0, 1, 5);
  grid->setRowStretch(10, 1);
  return area;
}

QWidget* SettingsDialog::buildOptions() {
  auto* area = new QWidget(this);
  auto* form = new QFormLayout(area);
  const Settings& settings = state_.settings;
  optimisationLoops_ = addNumberField(1027, 4, settings.optimisationLoops, true, "optimisationLoops");
  form->addRow(QStringLiteral("Optimalisatielussen"), optimisationLoops_);
  limitBlanks_ = addCheckBox(1028, QStringLiteral("Beperk blanc&o's in optimalisatie"),
                             "limitBlanks", settings.limitBlanks);
  form->addRow(limitBlanks_);
  alphabeticalDraw_ = addCheckBox(1029, QStringLiteral("Trekking &alfabetisch tonen"),
                                  "alphabeticalDraw", settings.alphabeticalDraw != 0);
  form->addRow(alphabeticalDraw_);
  stopAtFirstBonzel_ = addCheckBox(1032, QStringLiteral("Stop bij eerste bonzel"),
                                   "stopAtFirstBonzel", settings.stopAtFirstBonzel);
  form->addRow(stopAtFirstBonzel_);

  blankChar_ = new QComboBox(this);
  blankChar_->setObjectName(QStringLiteral("blankChar"));
  blankChar_->addItems({QStringLiteral("*"), QStringLiteral("+")});  // sorted: '*' before '+'
  blankChar_->setCurrentIndex(settings.blankChar == '+' ? 1 : 0);
  controls_.emplace_back(1031, blankChar_);
  form->addRow(QStringLiteral("Blanco voorstellen door"), blankChar_);

  thinkTime_ = addNumberField(1041, 3, settings.thinkTime, true, "thinkTime");
  form->addRow(QStringLiteral("Denktijd (seconden)"), thinkTime_);
  blankEveryDraw_ = addCheckBox(1045, QStringLiteral("Elke trekking minstens 1 blanco"),
                                "blankEveryDraw", settings.blankEveryDraw);
  form->addRow(blankEveryDraw_);
  qNeedsU_ = addCheckBox(1046, QStringLiteral("Q enkel met U of blanco"), "qNeedsU",
                         settings.qNeedsU);
  form->addRow(qNeedsU_);
  replaceFirstBlank_ = addCheckBox(1057, QStringLiteral("1e blanco vervangen"),
                                   "replaceFirstBlank", settings.replaceFirstBlank);
  form->addRow(replaceFirstBlank_);
  soundDuration_ = addNumberField(1059, 4, settings.soundDuration, false, "soundDuration");
  form->addRow(QStringLiteral("Geluidsduur"), soundDuration_);
  soundFrequency_ = addNumberField(1058, 4, settings.soundFrequency, false, "soundFrequency");
  form->addRow(QStringLiteral("Geluidsfrequentie"), soundFrequency_);
  return area;
}

void SettingsDialog::chooseFont(FontRole role) {
  const QFont offered = chooserFontFor(fontOf(fonts_, role));
  const std::optional<QFont> chosen = prompts_.chooseFont(this, offered);
  if (!chosen) return;
  FontDescription& record = fontRecord(state_.settings.fonts, role);
  record = descriptionFromFont(*chosen, offered, record);
  hooks_.fontChanged(role);
  activateWindow();
}

void SettingsDialog::editTileSet() {
  showTileSetDialog(state_.countTable, state_.valueTable, state_.settings.blankChar, this);
  hooks_.tileSetChanged();
}

void SettingsDialog::readFields() {
  Settings& settings = state_.settings;
  settings.limitBlanks = limitBlanks_->isChecked();
  settings.alphabeticalDraw = alphabeticalDraw_->isChecked() ? 1 : 0;
  settings.stopAtFirstBonzel = stopAtFirstBonzel_->isChecked();
  settings.blankEveryDraw = blankEveryDraw_->isChecked();
  settings.qNeedsU = qNeedsU_->isChecked();
  settings.replaceFirstBlank = replaceFirstBlank_->isChecked();
  settings.blankChar = blankChar_->currentIndex() == 1 ? '+' : '*';
  settings.optimisationLoops = numberFromField(optimisationLoops_->text(), settings.optimisationLoops);
  settings.thinkTime = numberFromField(thinkTime_->text(), settings.thinkTime);
  settings.soundDuration = numberFromField(soundDuration_->text(), settings.soundDuration);
  settings.soundFrequency = numberFromField(soundFrequency_->text(), settings.soundFrequency);
}

void SettingsDialog::orderTabs() {
  std::stable_sort(controls_.begin(), controls_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 1; i < controls_.size(); ++i) {
    setTabOrder(controls_[i - 1].second, controls_[i].second);
  }
}

void openSettingsDialog(GameState& state, const UiFonts& fonts, WindowHooks& hooks,
                        Prompts& prompts, QWidget* parent) {
  SettingsDialog dialog(state, fonts, hooks, prompts, parent);
  dialog.setWindowModality(Qt::WindowModal);
  dialog.exec();
}

}  // namespace kwarrel::ui

#include "ui/dialogs/tile_set_dialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_buttons.h"
#include "ui/dialogs/number_field.h"

namespace kwarrel::ui {

namespace {

constexpr int kLetterDigits = 2;
constexpr int kListWidthUnits = 107;  // column widths are shares of this many units

QTableWidgetItem* readOnlyItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

// Rows 1..26 are A..Z.
QChar letterOfCode(int code) { return QChar::fromLatin1(static_cast<char>('A' + code - 1)); }

}  // namespace

LetterDialog::LetterDialog(int index, int32_t& count, int32_t& value, QWidget* parent)
    : QDialog(parent), count_(count), value_(value) {
  setWindowTitle(index == 0 ? QStringLiteral("Aantal blanco's")
                            : QStringLiteral("Aantal en waarde van letter %1").arg(letterOfCode(index)));
  countField_ = makeNumberField(kLetterDigits, QString::number(count), this);
  countField_->setObjectName(QStringLiteral("count"));
  valueField_ = makeNumberField(kLetterDigits, QString::number(value), this);
  valueField_->setObjectName(QStringLiteral("value"));
  valueField_->setEnabled(index != 0);

  QDialogButtonBox* buttons = okCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Aantal"), this));
  layout->addWidget(countField_);
  layout->addWidget(new QLabel(QStringLiteral("Waarde"), this));
  layout->addWidget(valueField_);
  layout->addWidget(buttons);
  countField_->selectAll();
}

void LetterDialog::accept() {
  count_ = numberFromField(countField_->text(), count_);
  if (valueField_->isEnabled()) value_ = numberFromField(valueField_->text(), value_);
  QDialog::accept();
}

TileSetDialog::TileSetDialog(LetterCounts& countTable, LetterCounts& valueTable, char blankChar,
                             QWidget* parent)
    : QDialog(parent),
      countTable_(countTable),
      valueTable_(valueTable),
      savedCounts_(countTable),
      savedValues_(valueTable),
      list_(new QTableWidget(kLetterCodes, 3, this)) {
  setWindowTitle(QStringLiteral("Letteraantallen en -waarden"));
  list_->setObjectName(QStringLiteral("letters"));
  list_->setHorizontalHeaderLabels(
      {QStringLiteral("Letter"), QStringLiteral("Aantal"), QStringLiteral("Puntenwaarde")});
  list_->verticalHeader()->hide();
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->setShowGrid(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const QFontMetrics metrics = list_->fontMetrics();
  list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  list_->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
  list_->setMinimumSize(metrics.averageCharWidth() * 44, (metrics.height() + 4) * 15);
  for (int index = 0; index < kLetterCodes; ++index) {
    const QChar letter = index == 0 ? QChar::fromLatin1(blankChar) : letterOfCode(index);
    list_->setItem(index, 0, readOnlyItem(letter));
    list_->setItem(index, 1, readOnlyItem(QString()));
    list_->setItem(index, 2, readOnlyItem(QString()));
    showNumbers(index);
  }
  list_->setCurrentCell(0, 0);
  list_->installEventFilter(this);
  connect(list_, &QTableWidget::doubleClicked, this,
          [this](const QModelIndex& cell) { editLetter(cell.row()); });

  auto* doubleClickNote = new QLabel(
      QStringLiteral("Klik dubbel op een rij in de tabel hierboven om een aantal en/of score "
                     "aan te passen."),
      this);
  doubleClickNote->setWordWrap(true);
  auto* presetNote = new QLabel(
      QStringLiteral("De knoppen Oud, Middel en Nieuw laten toe om voorgedefinieerde instellingen "
                     "te gebruiken (oud=eerste letters, middel=vorige, nieuw=huidige met extra F "
                     "en S)"),
      this);
  presetNote->setWordWrap(true);

  auto* presets = new QHBoxLayout;
  addPresetButton(QStringLiteral("&Oud"), TilePreset::Oud, presets);
  addPresetButton(QStringLiteral("&Middel"), TilePreset::Middel, presets);
  addPresetButton(QStringLiteral("&Nieuw"), TilePreset::Nieuw, presets);

  QDialogButtonBox* buttons = okCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(doubleClickNote);
  layout->addLayout(presets);
  layout->addWidget(presetNote);
  layout->addWidget(buttons);
  list_->setFocus();
}

void TileSetDialog::reject() {
  countTable_ = savedCounts_;
  valueTable_ = savedValues_;
  QDialog::reject();
}

bool TileSetDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter opens the letter; it must not also reach the dialog's OK button.
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (list_->currentRow() >= 0) editLetter(list_->currentRow());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TileSetDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  const int width = list_->viewport()->width();
  list_->setColumnWidth(0, width * 30 / kListWidthUnits);
  list_->setColumnWidth(1, width * 30 / kListWidthUnits);
  list_->setColumnWidth(2, width * 40 / kListWidthUnits);
}

void TileSetDialog::addPresetButton(const QString& text, TilePreset preset, QLayout* buttons) {
  auto* button = new QPushButton(text, this);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, preset] { applyTilePreset(preset); });
  buttons->addWidget(button);
}

void TileSetDialog::applyTilePreset(TilePreset preset) {
  applyPreset(preset, countTable_, valueTable_);
  for (int index = 0; index < kLetterCodes; ++index) showNumbers(index);
}

void TileSetDialog::editLetter(int index) {
  if (index < 0 || index >= kLetterCodes) return;
  const auto at = static_cast<size_t>(index);
  LetterDialog dialog(index, countTable_[at], valueTable_[at], this);
  if (dialog.exec() == QDialog::Accepted) showNumbers(index);
}

void TileSetDialog::showNumbers(int index) {
  const auto at = static_cast<size_t>(index);
  list_->item(index, 1)->setText(QString::number(countTable_[at]));
  list_->item(index, 2)->setText(QString::number(valueTable_[at]));
}

void showTileSetDialog(LetterCounts& countTable, LetterCounts& valueTable, char blankChar,
                       QWidget* parent) {
  TileSetDialog dialog(countTable, valueTable, blankChar, parent);
  dialog.exec();
}

}  // namespace kwarrel::ui

#include "ui/players/players_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "files/players_file.h"
#include "ui/base/file_names.h"
#include "ui/base/latin1.h"
#include "ui/base/prompts.h"
#include "ui/players/list_table.h"
#include "ui/players/players_session.h"

namespace kwarrel::ui {

namespace {

const QString kCaption = QStringLiteral("Kwarrel");
constexpr const char* kNotLatin1 = "Naam mag alleen Latijnse tekens bevatten";

QPushButton* plainButton(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  // Enter belongs to the fields: it adds the player typed there.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

PlayersDialog::PlayersDialog(PlayersSession& session, Prompts& prompts, QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts) {
  setWindowTitle(QStringLiteral("Spelers"));

  table_ = makeListTable({"Nummer", "Naam"}, this);
  // Names are changed in place.
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
  table_->installEventFilter(this);
  connect(table_, &QTableWidget::cellChanged, this, &PlayersDialog::nameEdited);

  number_ = new QSpinBox(this);
  number_->setRange(1, kMaxPlayerNumber);
  name_ = new QLineEdit(this);
  name_->setMaxLength(static_cast<int>(kMaxPlayerNameLength));
  auto* add = plainButton(QStringLiteral("&Toevoegen"), this);
  connect(add, &QPushButton::clicked, this, &PlayersDialog::addPlayer);
  connect(name_, &QLineEdit::returnPressed, this, &PlayersDialog::addPlayer);
  connect(number_, &QSpinBox::editingFinished, this, [this] {
    if (number_->hasFocus()) name_->setFocus();
  });

  auto* entry = new QHBoxLayout;
  entry->addWidget(new QLabel(QStringLiteral("Nummer:"), this));
  entry->addWidget(number_);
  entry->addWidget(new QLabel(QStringLiteral("Naam:"), this));
  entry->addWidget(name_, 1);
  entry->addWidget(add);

  remove_ = plainButton(QStringLiteral("&Verwijderen"), this);
  connect(remove_, &QPushButton::clicked, this, &PlayersDialog::removeSelected);
  takeOver_ = plainButton(QStringLiteral("Spelers &overnemen..."), this);
  connect(takeOver_, &QPushButton::clicked, this, &PlayersDialog::takeOverPlayers);
  auto* close = plainButton(QStringLiteral("&Sluiten"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(remove_);
  buttons->addWidget(takeOver_);
  buttons->addStretch(1);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 1);
  layout->addLayout(entry);
  layout->addLayout(buttons);
  resize(480, 520);

  fill();
  name_->setFocus();
}

void PlayersDialog::fill() {
  filling_ = true;
  const PlayersRecord& record = session_.record();
  table_->setRowCount(static_cast<int>(record.players.size()));
  int row = 0;
  for (const Player& player : record.players) {
    auto* number = new QTableWidgetItem(QString::number(player.number));
    number->setFlags(number->flags() & ~Qt::ItemIsEditable);
    number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(row, 0, number);
    table_->setItem(row, 1, new QTableWidgetItem(fromLatin1(player.name)));
    ++row;
  }
  const int next = nextPlayerNumber(record);
  if (next > 0) number_->setValue(next);
  filling_ = false;
}

void PlayersDialog::addPlayer() {
  const QString name = name_->text().trimmed();
  const int number = number_->value();
  if (name.isEmpty()) return;
  std::string message;
  if (!isLatin1Text(name)) {
    message = kNotLatin1;
  } else {
    message = session_.setPlayer(number, toLatin1(name));
  }
  if (!message.empty()) {
    prompts_.showMessage(this, kCaption, fromLatin1(message), QMessageBox::Warning);
    return;
  }
  fill();
  const auto added = table_->findItems(QString::number(number), Qt::MatchExactly);
  for (QTableWidgetItem* item : added) {
    if (item->column() == 0) table_->scrollToItem(item);
  }
  name_->clear();
  name_->setFocus();
}

void PlayersDialog::removeSelected() {
  const int row = table_->currentRow();
  if (row < 0 || row >= static_cast<int>(session_.record().players.size())) return;
  const Player player = session_.record().players[static_cast<size_t>(row)];
  if (!prompts_.askYesNo(this, kCaption,
                         QStringLiteral("Speler %1 (%2) verwijderen?")
                             .arg(player.number)
                             .arg(fromLatin1(player.name)))) {
    return;
  }
  session_.removePlayer(player.number);
  fill();
}

void PlayersDialog::takeOverPlayers() {
  const QString folder = QFileInfo(session_.gamePath()).absolutePath();
  const QString path = prompts_.openFileName(
      this, session_.gamePath().isEmpty() ? QString() : folder,
      QStringLiteral("Spelersbestanden (*.spelers.csv);;Alle bestanden (*)"));
  if (path.isEmpty()) return;
  PlayersRecord from;
  std::vector<std::string> problems;
  if (readPlayersFile(toFileSystemPath(path), from, problems) != PlayersFileStatus::Read) {
    prompts_.showMessage(this, kCaption, QStringLiteral("Kan bestand %1 niet lezen").arg(path),
                         QMessageBox::Warning);
    return;
  }
  session_.takeOver(from);
  fill();
  if (!problems.empty()) {
    QStringList lines;
    for (const std::string& problem : problems) lines << fromLatin1(problem);
    prompts_.showMessage(this, kCaption, lines.join(QLatin1Char('\n')), QMessageBox::Warning);
  }
}

void PlayersDialog::nameEdited(int row, int column) {
  if (filling_ || column != 1) return;
  const PlayersRecord& record = session_.record();
  if (row < 0 || row >= static_cast<int>(record.players.size())) return;
  const Player& player = record.players[static_cast<size_t>(row)];
  const QString name = table_->item(row, 1)->text().trimmed();
  std::string message;
  if (!isLatin1Text(name)) {
    message = kNotLatin1;
  } else if (toLatin1(name) != player.name) {
    message = session_.setPlayer(player.number, toLatin1(name));
  }
  if (!message.empty()) {
    prompts_.showMessage(this, kCaption, fromLatin1(message), QMessageBox::Warning);
  }
  fill();
}

bool PlayersDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    removeSelected();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kwarrel::ui

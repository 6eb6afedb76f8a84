#include "ui/window/turn_entry_dialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/base/latin1.h"

namespace kwarrel::ui {

namespace {

// A field wide enough for `characters` of the dialog's font.
void sizeFor(QWidget* field, int characters) {
  const QFontMetrics metrics(field->font());
  field->setMinimumWidth(metrics.maxWidth() * characters + 12);
}

}  // namespace

TurnEntryDialog::TurnEntryDialog(GameState& game, int turnIndex, const QString& title,
                                 std::optional<QPoint>& savedPosition, QWidget* parent)
    : QDialog(parent),
      game_(game),
      turnIndex_(turnIndex),
      savedPosition_(savedPosition),
      draw_(new QLineEdit(this)),
      word_(new QLineEdit(this)),
      column_(new QComboBox(this)),
      row_(new QComboBox(this)),
      direction_(new QComboBox(this)),
      message_(new QLabel(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      skipWordList_(new QPushButton(QStringLiteral("&Woordenlijstcontrole overslaan"), this)),
      skipAll_(new QPushButton(QStringLiteral("&Alle controles overslaan"), this)) {
  setObjectName(QStringLiteral("BeurtIngave"));
  setWindowTitle(title);
  const Turn& turn = game_.turns[turnIndex_];

  draw_->setMaxLength(7);
  word_->setMaxLength(15);
  sizeFor(draw_, 7);
  sizeFor(word_, 15);
  for (char c = 'A'; c <= 'O'; ++c) column_->addItem(QString(QLatin1Char(c)));
  for (int r = 1; r <= 15; ++r) row_->addItem(QString::number(r));
  direction_->addItems({QStringLiteral("H"), QStringLiteral("V")});
  for (QComboBox* list : {column_, row_, direction_}) sizeFor(list, 4);

  draw_->setText(fromLatin1(turn.rack));
  word_->setText(fromLatin1(turn.word));
  column_->setCurrentIndex(turn.column >= 1 && turn.column <= 15 ? turn.column - 1 : 0);
  row_->setCurrentIndex(turn.row >= 1 && turn.row <= 15 ? turn.row - 1 : 0);
  direction_->setCurrentIndex(turn.horizontal ? 0 : 1);

  auto* fields = new QGridLayout;
  const auto addField = [&](int column, const QString& label, QWidget* field) {
    auto* caption = new QLabel(label, this);
    caption->setBuddy(field);
    fields->addWidget(caption, 0, column);
    fields->addWidget(field, 1, column);
  };
  addField(0, QStringLiteral("Trekking"), draw_);
  addField(1, QStringLiteral("Woord"), word_);
  addField(2, QStringLiteral("Kolom"), column_);
  addField(3, QStringLiteral("Rij"), row_);
  addField(4, QStringLiteral("Richting"), direction_);

  message_->setMinimumHeight(QFontMetrics(message_->font()).height() * 2);
  message_->setWordWrap(true);
  // A message may quote what was typed: shown as typed, never as markup.
  message_->setTextFormat(Qt::PlainText);

  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {ok_, cancel_, skipWordList_, skipAll_}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  ok_->setAutoDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(message_);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, [this] { submit(EntryCheck::Full); });
  connect(skipWordList_, &QPushButton::clicked, this, [this] { submit(EntryCheck::SkipWordList); });
  connect(skipAll_, &QPushButton::clicked, this, [this] { submit(EntryCheck::SkipAll); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  if (savedPosition_) move(*savedPosition_);
  (turn.rack.empty() ? draw_ : word_)->setFocus();
}

void TurnEntryDialog::submit(EntryCheck check) {
  const std::string message =
      enterTurn(game_, turnIndex_, toLatin1(draw_->text()), row_->currentIndex(),
                column_->currentIndex(), direction_->currentIndex() == 0, toLatin1(word_->text()),
                check);
  if (!message.empty()) {
    showError(fromLatin1(message));
    return;
  }
  accept();
}

void TurnEntryDialog::showError(const QString& message) {
  errorShown_ = true;
  message_->setText(message);
  message_->setAutoFillBackground(true);
  QPalette palette = message_->palette();
  palette.setColor(QPalette::Window, Qt::white);
  message_->setPalette(palette);
  draw_->setFocus();
}

void TurnEntryDialog::done(int result) {
  savedPosition_ = pos();
  QDialog::done(result);
}

}  // namespace kwarrel::ui

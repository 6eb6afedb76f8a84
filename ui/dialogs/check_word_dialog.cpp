#include "ui/dialogs/check_word_dialog.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dict/word_graph.h"
#include "files/colour_file.h"
#include "ui/base/latin1.h"

namespace kwarrel::ui {

namespace {

constexpr int kMaxWordCharacters = 15;

// The word edit's font: bold, four and a half times the interface font.
QFont wordFont() {
  const int base = QFontInfo(QApplication::font()).pixelSize();
  QFont font(QApplication::font());
  font.setPixelSize(std::max(1, static_cast<int>(4.5 * base)));
  font.setWeight(QFont::Bold);
  return font;
}

// The widest letter rather than the widest glyph of the face: a font's odd
// wide symbols would make the edit wider than the screen.
int widestLetter(const QFontMetrics& metrics) {
  int widest = 1;
  for (char c = 'A'; c <= 'Z'; ++c) {
    widest = std::max({widest, metrics.horizontalAdvance(QLatin1Char(c)),
                       metrics.horizontalAdvance(QLatin1Char(static_cast<char>(c + 32)))});
  }
  return widest;
}

QColor toQColor(const kwarrel::Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

}  // namespace

CheckWordDialog::CheckWordDialog(const kwarrel::GameState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle(QStringLiteral("Check woord"));

  auto* instruction =
      new QLabel(QStringLiteral("Typ hieronder het woord en druk dan op Check."), this);

  word_ = new QLineEdit(this);
  word_->setFont(wordFont());
  word_->setMaxLength(kMaxWordCharacters);
  const QFontMetrics metrics(word_->font());
  word_->setFixedSize(kMaxWordCharacters * widestLetter(metrics), metrics.height() * 3 / 2);

  resultLabel_ = new QLabel(this);
  resultLabel_->setAlignment(Qt::AlignCenter);
  resultLabel_->setTextFormat(Qt::PlainText);
  QPalette white = resultLabel_->palette();
  white.setColor(QPalette::Window, Qt::white);
  resultLabel_->setPalette(white);

  checkButton_ = new QPushButton(QStringLiteral("Check"), this);
  checkButton_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(checkButton_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(instruction);
  layout->addWidget(word_);
  layout->addWidget(resultLabel_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(word_, &QLineEdit::textChanged, this, &CheckWordDialog::clearResult);
  connect(checkButton_, &QPushButton::clicked, this, &CheckWordDialog::check);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  word_->setFocus();
}

QString CheckWordDialog::resultText() const { return resultLabel_->text(); }

void CheckWordDialog::clearResult() {
  result_ = Result::None;
  // The verdict belongs to the word it was given for; it goes with the colour.
  resultLabel_->clear();
  resultLabel_->setAutoFillBackground(false);
  update();
}

void CheckWordDialog::check() {
  clearResult();
  const QString word = word_->text().left(kMaxWordCharacters);
  if (word.isEmpty()) return;
  const bool found = kwarrel::isListedWord(state_.words, toLatin1(word));
  result_ = found ? Result::Found : Result::NotFound;
  resultLabel_->setText(found ? QStringLiteral("Woord staat in de woordenlijst")
                              : QStringLiteral("Woord staat NIET in de woordenlijst"));
  resultLabel_->setAutoFillBackground(true);
  word_->setFocus();
  update();
}

void CheckWordDialog::paintEvent(QPaintEvent* event) {
  if (result_ == Result::None) {
    QDialog::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.fillRect(rect(), toQColor(kwarrel::checkWordColour(state_.settings,
                                                             result_ == Result::Found)));
}

}  // namespace kwarrel::ui

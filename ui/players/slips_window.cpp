#include "ui/players/slips_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <algorithm>
#include <QTableWidget>
#include <QVBoxLayout>

#include "game/game_state.h"
#include "players/slip_line.h"
#include "ui/base/latin1.h"
#include "ui/base/prompts.h"
#include "ui/players/list_table.h"
#include "ui/players/players_session.h"

namespace kwarrel::ui {

SlipsWindow::SlipsWindow(const GameState& game, PlayersSession& session, Prompts& prompts,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), game_(game), session_(session), prompts_(prompts) {
  turnLine_ = new QLabel(this);
  turnLine_->setTextFormat(Qt::PlainText);
  QFont large = turnLine_->font();
  large.setPointSizeF(large.pointSizeF() * 1.4);
  large.setBold(true);
  turnLine_->setFont(large);

  table_ = makeListTable({"Nr", "Naam", "Vakje", "Richting", "Woord", "Score", "Opmerking"}, this);
  // The typing stays in the slip line.
  table_->setFocusPolicy(Qt::NoFocus);

  line_ = new QLineEdit(this);
  line_->setPlaceholderText(QStringLiteral("12 8H WOORD  (horizontaal)   12 H8 WOORD  (vertikaal)   "
                                           "12 = 34  (score)   12 -  (geen oplossing)"));
  connect(line_, &QLineEdit::returnPressed, this, &SlipsWindow::enterLine);
  message_ = new QLabel(QStringLiteral(" "), this);
  message_->setTextFormat(Qt::PlainText);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(turnLine_);
  layout->addWidget(table_, 1);
  layout->addWidget(line_);
  layout->addWidget(message_);

  // Page Up and Down belong to the slip line, where the typing is.
  line_->installEventFilter(this);

  connect(&session_, &PlayersSession::changed, this, &SlipsWindow::refill);
  connect(&session_, &PlayersSession::slipEntered, this, &SlipsWindow::slipEntered);
  resize(760, 640);
  line_->setFocus();
}

bool SlipsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == line_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
      setTurn(turnIndex_ + (key == Qt::Key_PageUp ? -1 : 1));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SlipsWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
    setTurn(turnIndex_ + (event->key() == Qt::Key_PageUp ? -1 : 1));
    return;
  }
  QWidget::keyPressEvent(event);
}

void SlipsWindow::setTurn(int turnIndex) {
  if (turnIndex < 0 || turnIndex >= game_.maxTurns) return;
  turnIndex_ = turnIndex;
  setWindowTitle(QStringLiteral("Oplossingen van beurt %1").arg(turnIndex + 1));
  refill();
}

int SlipsWindow::rowOf(int number) const {
  const auto& players = session_.record().players;
  const auto found = std::lower_bound(players.begin(), players.end(), number,
                                      [](const Player& player, int n) { return player.number < n; });
  if (found == players.end() || found->number != number) return -1;
  return static_cast<int>(found - players.begin());
}

void SlipsWindow::refill() {
  const PlayersRecord& record = session_.record();
  const JudgedGame& judged = session_.judged();
  const Turn& turn = game_.turns[turnIndex_];
  QString head = QStringLiteral("Beurt %1   Trekking: %2").arg(turnIndex_ + 1).arg(
      turn.rack.empty() ? QStringLiteral("-") : fromLatin1(turn.rack));
  const size_t t = static_cast<size_t>(turnIndex_);
  if (t < judged.turns.size() && judged.turns[t].played) {
    head += QStringLiteral("   Top: %1").arg(judged.turns[t].top);
  }
  turnLine_->setText(head);
  table_->setRowCount(static_cast<int>(record.players.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    for (int column = 0; column < kColumns; ++column) {
      if (table_->item(row, column) == nullptr) table_->setItem(row, column, new QTableWidgetItem);
    }
    fillRow(row);
  }
}

void SlipsWindow::fillRow(int row) {
  const Player& player = session_.record().players[static_cast<size_t>(row)];
  const Answer* answer = session_.record().answer(player.number, turnIndex_);
  const Judgement* judgement = session_.judged().judgement(player.number, turnIndex_);
  QString texts[kColumns];
  texts[kNumber] = QString::number(player.number);
  texts[kName] = fromLatin1(player.name);
  if (answer != nullptr && answer->bareScore) {
    texts[kWord] = QStringLiteral("= %1").arg(answer->points);
  } else if (answer != nullptr) {
    texts[kSquare] = fromLatin1(slipSquareText(*answer));
    texts[kDirection] = answer->horizontal ? QStringLiteral("H") : QStringLiteral("V");
    texts[kWord] = fromLatin1(answer->word);
  }
  if (answer != nullptr && judgement != nullptr) {
    texts[kScore] = QString::number(judgement->points);
    texts[kRemark] = fromLatin1(judgement->message);
  }
  for (int column = 0; column < kColumns; ++column) {
    QTableWidgetItem* item = table_->item(row, column);
    if (item->text() != texts[column]) item->setText(texts[column]);
  }
  const QBrush refused = judgement != nullptr && judgement->refused ? QBrush(QColor(176, 0, 0)) : QBrush();
  table_->item(row, kRemark)->setForeground(refused);
  table_->item(row, kRemark)->setToolTip(texts[kRemark]);
}

void SlipsWindow::slipEntered(int number, int turnIndex) {
  if (turnIndex != turnIndex_) return;
  const int row = rowOf(number);
  if (row < 0 || row >= table_->rowCount()) {
    refill();
    return;
  }
  fillRow(row);
}

void SlipsWindow::enterLine() {
  SlipLine slip;
  std::string message = parseSlipLine(toLatin1(line_->text()), slip);
  if (message.empty() && !isLatin1Text(line_->text())) {
    message = "Ongeldig teken in de oplossing";
  }
  if (!message.empty()) {
    message_->setText(fromLatin1(message));
    return;
  }
  if (session_.record().find(slip.number) == nullptr) {
    if (slip.noAnswer) {
      message_->setText(QStringLiteral("Speler %1 bestaat niet").arg(slip.number));
      return;
    }
    if (!prompts_.askYesNo(this, QStringLiteral("Kwarrel"),
                           QStringLiteral("Speler %1 bestaat niet. Toevoegen?").arg(slip.number))) {
      return;
    }
    session_.setPlayer(slip.number, "Speler " + std::to_string(slip.number));
  }
  message = session_.enterSlip(turnIndex_, slip);
  if (!message.empty()) {
    message_->setText(fromLatin1(message));
    return;
  }
  line_->clear();
  const int row = rowOf(slip.number);
  if (row >= 0) {
    table_->selectRow(row);
    table_->scrollToItem(table_->item(row, 0));
    const Judgement* judgement = session_.judged().judgement(slip.number, turnIndex_);
    const QString name = table_->item(row, kName)->text();
    if (slip.noAnswer || judgement == nullptr) {
      message_->setText(QStringLiteral("%1 (%2): geen oplossing").arg(slip.number).arg(name));
    } else if (judgement->refused) {
      message_->setText(QStringLiteral("%1 (%2): 0 - %3").arg(slip.number).arg(name).arg(
          fromLatin1(judgement->message)));
    } else {
      message_->setText(QStringLiteral("%1 (%2): %3").arg(slip.number).arg(name).arg(judgement->points));
    }
  }
}

}  // namespace kwarrel::ui

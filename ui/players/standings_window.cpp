#include "ui/players/standings_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QKeyEvent>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "files/standings_report.h"
#include "ui/base/file_names.h"
#include "ui/base/latin1.h"
#include "ui/base/prompts.h"
#include "ui/players/list_table.h"
#include "ui/players/players_session.h"

namespace kwarrel::ui {

namespace {

const QString kCaption = QStringLiteral("Kwarrel");

}  // namespace

QString lastTopText(const Klassement& standings) {
  if (standings.tops.empty()) return {};
  const size_t last = standings.tops.size() - 1;
  const int32_t top = standings.tops[last];
  QStringList finders;
  for (const Uitslag& row : standings.rows) {
    if (last < row.turnScores.size() && top > 0 && row.turnScores[last] == top) {
      finders << QStringLiteral("%1 (%2)").arg(row.number).arg(fromLatin1(row.name));
    }
  }
  QString text = QStringLiteral("Top van beurt %1: %2").arg(last + 1).arg(top);
  text += finders.isEmpty() ? QStringLiteral(", door niemand gevonden")
                            : QStringLiteral(", gevonden door ") + finders.join(QStringLiteral(", "));
  return text;
}

StandingsWindow::StandingsWindow(PlayersSession& session, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), prompts_(prompts) {
  setWindowTitle(QStringLiteral("Uitslag"));
  topLine_ = new QLabel(this);
  // Names are the club's own text, never markup.
  topLine_->setTextFormat(Qt::PlainText);
  topLine_->setWordWrap(true);
  table_ = makeListTable({"Plaats", "Nr", "Naam", "Totaal", "Achterstand", "Percentage", "Tops"}, this);

  save_ = new QPushButton(QStringLiteral("&Bewaren"), this);
  save_->setAutoDefault(false);
  connect(save_, &QPushButton::clicked, this, &StandingsWindow::saveStandings);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(new QLabel(QStringLiteral("F9=Afdrukken"), this));
  buttons->addStretch(1);
  buttons->addWidget(save_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(topLine_);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);

  connect(&session_, &PlayersSession::changed, this, &StandingsWindow::refill);
  connect(&session_, &PlayersSession::slipEntered, this, &StandingsWindow::refill);
  resize(640, 600);
  refill();
}

void StandingsWindow::refill() {
  const Klassement& standings = session_.standings();
  topLine_->setText(lastTopText(standings));
  table_->setRowCount(static_cast<int>(standings.rows.size()));
  int row = 0;
  for (const Uitslag& line : standings.rows) {
    const QString texts[7] = {QString::number(line.place),
                              QString::number(line.number),
                              fromLatin1(line.name),
                              QString::number(line.total),
                              QString::number(line.achterstand),
                              fromLatin1(line.percentage),
                              QString::number(line.tops)};
    for (int column = 0; column < 7; ++column) {
      QTableWidgetItem* item = table_->item(row, column);
      if (item == nullptr) {
        item = new QTableWidgetItem;
        if (column != 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, column, item);
      }
      if (item->text() != texts[column]) item->setText(texts[column]);
    }
    ++row;
  }
}

void StandingsWindow::keyPressEvent(QKeyEvent* event) {
  // F9 prints, as in the help window; the table passes it on.
  if (event->key() == Qt::Key_F9) {
    printStandings();
    return;
  }
  QWidget::keyPressEvent(event);
}

QString StandingsWindow::title() const {
  const QString path = session_.gamePath();
  return path.isEmpty() ? QStringLiteral("Kwarrel") : QFileInfo(path).fileName();
}

void StandingsWindow::saveStandings() {
  const QString gamePath = session_.gamePath();
  QString proposed;
  if (!gamePath.isEmpty()) {
    const QFileInfo info(gamePath);
    proposed = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
               QStringLiteral(".uitslag.html");
  }
  const QString path = prompts_.saveFileName(
      this, proposed,
      QStringLiteral("HTML Files (*.HTML *.html);;Text Files (*.TXT *.txt);;CSV Files (*.CSV *.csv)"),
      QStringLiteral("html"));
  if (path.isEmpty()) return;
  if (!writeStandings(toFileSystemPath(path), session_.standings(), toLatin1(title()))) {
    prompts_.showMessage(this, kCaption, QStringLiteral("Kan bestand %1 niet schrijven").arg(path),
                         QMessageBox::Warning);
  }
}

void StandingsWindow::printStandings() {
  QPrinter printer(QPrinter::HighResolution);
  if (!prompts_.choosePrinter(this, printer)) return;
  QTextDocument document;
  document.setHtml(fromLatin1(standingsHtml(session_.standings(), toLatin1(title()))));
  document.print(&printer);
  if (printer.printerState() == QPrinter::Error) {
    prompts_.showMessage(this, QStringLiteral("Kwarrel probleem"), QStringLiteral("Could not print text"),
                         QMessageBox::Warning);
  }
}

}  // namespace kwarrel::ui

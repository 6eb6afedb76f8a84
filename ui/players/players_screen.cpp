#include "ui/players/players_screen.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "game/game_state.h"
#include "game/letters.h"
#include "players/slip_line.h"
#include "ui/base/latin1.h"
#include "ui/players/players_session.h"

namespace kwarrel::ui {

namespace {

QFont sized(QFont font, int pixels, bool bold = false) {
  font.setPixelSize(std::max(1, pixels));
  font.setBold(bold);
  return font;
}

// The turn the room is looking at: the one searched last when it was drawn,
// else the first one not drawn yet.
int shownTurn(const GameState& game) {
  const int searched = game.searchedTurn;
  if (searched >= 0 && searched < game.maxTurns && !game.turns[searched].rack.empty()) {
    return searched;
  }
  for (int t = 0; t < game.maxTurns; ++t) {
    if (game.turns[t].rack.empty()) return t;
  }
  return game.maxTurns - 1;
}

}  // namespace

PlayersScreen::PlayersScreen(const GameState& game, PlayersSession& session,
                             std::function<ClockView()> clock, QWidget* parent)
    : QWidget(parent, Qt::Window), game_(game), session_(session), clock_(std::move(clock)) {
  setWindowTitle(QStringLiteral("Kwarrel spelersscherm"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The game master goes on typing in the main window when it opens.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::StrongFocus);
  connect(&session_, &PlayersSession::changed, this, [this] {
    if (showStandings_) update();
  });
  connect(&session_, &PlayersSession::slipEntered, this, [this] {
    if (showStandings_) update();
  });
  resize(1024, 640);
  makeFonts();
}

void PlayersScreen::toggleStandings() {
  showStandings_ = !showStandings_;
  update();
}

int PlayersScreen::side() const {
  // Sixteen squares high, and room for the draw beside the board.
  return std::max(1, std::min(height() / 16, width() * 5 / 8 / 16));
}

void PlayersScreen::makeFonts() {
  fonts_.rebuild(game_.settings.fonts);
  const int s = side();
  fonts_.labels = sized(fonts_.labels, s * 2 / 5);
  fonts_.letters = sized(fonts_.letters, s * 3 / 5, true);
  fonts_.values = sized(fonts_.values, s * 3 / 10);
  heading_ = sized(font(), s, true);
  tileLetter_ = sized(fonts_.letters, s * 6 / 5, true);
  tileValue_ = sized(fonts_.values, s * 9 / 20);
  clockFont_ = sized(font(), s * 3, true);
  lineFont_ = sized(font(), std::max(12, height() / 22));
}

void PlayersScreen::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  makeFonts();
}

ScreenTexts PlayersScreen::texts() const {
  ScreenTexts texts;
  const int t = shownTurn(game_);
  if (t < 0) return texts;
  const Turn& turn = game_.turns[t];
  texts.turn = QStringLiteral("Beurt %1").arg(t + 1);
  texts.draw = fromLatin1(turn.rack);
  const ClockView clock = clock_ ? clock_() : ClockView{};
  if (clock.running) {
    const int seconds = std::max(0, clock.secondsLeft);
    texts.clock = QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
  }
  if (turn.hasValidWord() && turn.score >= 0) {
    const Answer laid = moveAnswer(turn.row - 1, turn.column - 1, turn.horizontal != 0, turn.word);
    texts.top = QStringLiteral("%1 %2 %3")
                    .arg(fromLatin1(turn.word), fromLatin1(slipSquareText(laid)))
                    .arg(turn.score);
  }
  return texts;
}

void PlayersScreen::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::white);
  if (showStandings_) {
    paintStandings(painter);
  } else {
    paintGame(painter);
  }
}

void PlayersScreen::paintGame(QPainter& painter) {
  const int s = side();
  const PaintInput input{game_, fonts_, tools_, QSize(16 * s, 16 * s), 0, -1, false, false, 0};
  paintBoard(painter, input, s, s);

  const ScreenTexts shown = texts();
  const int left = 16 * s + s / 2;
  const int panel = std::max(1, width() - left - s / 2);
  painter.setPen(Qt::black);
  painter.setFont(heading_);
  painter.drawText(QRect(left, 0, panel, 3 * s / 2), Qt::AlignLeft | Qt::AlignVCenter, shown.turn);

  // The draw: seven tiles in a row as wide as the panel allows.
  const int tile = std::min(2 * s, panel * 10 / 77);
  const int gap = tile / 10;
  const int tilesTop = 2 * s;
  const std::string rack = toLatin1(shown.draw);
  for (size_t i = 0; i < rack.size() && i < static_cast<size_t>(kRackSize); ++i) {
    const QRect square(left + static_cast<int>(i) * (tile + gap), tilesTop, tile, tile);
    painter.setPen(Qt::black);
    painter.setBrush(tools_.plain);
    painter.drawRect(square);
    const char letter = rack[i];
    painter.setFont(tileLetter_);
    painter.drawText(square, Qt::AlignCenter, tools_.characters[static_cast<unsigned char>(letter)]);
    if (game_.settings.hideValues != 0 || !isUpperLetter(letter)) continue;
    const int value = game_.valueTable[letterCode(letter)];
    painter.setFont(tileValue_);
    painter.drawText(square.adjusted(0, 0, -tile / 12, -tile / 20), Qt::AlignRight | Qt::AlignBottom,
                     QString::number(value));
  }

  int y = tilesTop + tile + s;
  if (!shown.clock.isEmpty()) {
    painter.setFont(clockFont_);
    painter.setPen(Qt::black);
    painter.drawText(QRect(left, y, panel, 4 * s), Qt::AlignLeft | Qt::AlignVCenter, shown.clock);
    y += 4 * s;
  }
  if (!shown.top.isEmpty()) {
    painter.setFont(heading_);
    painter.drawText(QRect(left, y, panel, 3 * s / 2), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Top: ") + shown.top);
  }
}

void PlayersScreen::paintStandings(QPainter& painter) {
  const int line = QFontMetrics(lineFont_).height() + 4;
  const int margin = line / 2;
  painter.setPen(Qt::black);
  painter.setFont(sized(lineFont_, lineFont_.pixelSize() * 3 / 2, true));
  const Klassement& standings = session_.standings();
  const QString heading = standings.tops.empty()
                              ? QStringLiteral("Uitslag")
                              : QStringLiteral("Uitslag na beurt %1").arg(standings.tops.size());
  painter.drawText(QRect(margin, margin, width() - 2 * margin, 2 * line), Qt::AlignLeft | Qt::AlignVCenter,
                   heading);
  const int nameWidth = width() * 2 / 5;
  const int numberWidth = (width() - 2 * margin - nameWidth) / 3;
  painter.setFont(lineFont_);
  painter.setPen(Qt::darkGray);
  const QString headings[] = {QStringLiteral("Totaal"), QStringLiteral("Achterstand"), QStringLiteral("%")};
  for (int i = 0; i < 3; ++i) {
    painter.drawText(QRect(margin + nameWidth + i * numberWidth, margin + 2 * line, numberWidth, line),
                     Qt::AlignRight | Qt::AlignVCenter, headings[i]);
  }
  painter.setPen(Qt::black);
  const int top = margin + 3 * line;
  const int fit = std::max(0, (height() - top - margin) / line);
  int y = top;
  for (const Uitslag& row : standings.rows) {
    if ((y - top) / line >= fit) break;
    const QString cells[] = {QString::number(row.total), QString::number(row.achterstand),
                             fromLatin1(row.percentage) + QLatin1Char('%')};
    painter.drawText(QRect(margin, y, nameWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1. %2").arg(row.place).arg(fromLatin1(row.name)));
    for (int i = 0; i < 3; ++i) {
      painter.drawText(QRect(margin + nameWidth + i * numberWidth, y, numberWidth, line),
                       Qt::AlignRight | Qt::AlignVCenter, cells[i]);
    }
    y += line;
  }
}

void PlayersScreen::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_F11:
      setWindowState(windowState() ^ Qt::WindowFullScreen);
      return;
    case Qt::Key_Space:
    case Qt::Key_U:
    case Qt::Key_F12:
      toggleStandings();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace kwarrel::ui

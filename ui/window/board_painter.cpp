#include "ui/window/board_painter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <string>

#include "game/letters.h"
#include "ui/base/font_record.h"
#include "ui/window/layout.h"

namespace kwarrel::ui {

namespace {

int truncated(double value) { return static_cast<int>(std::trunc(value)); }

// Text with its top-centre at (x, y), the way the board places every character.
void drawCentred(QPainter& painter, int x, int y, const QString& text) {
  const QFontMetrics metrics = painter.fontMetrics();
  painter.drawText(x - metrics.horizontalAdvance(text) / 2, y + metrics.ascent(), text);
}

void drawCharacter(QPainter& painter, const PaintTools& tools, int x, int y, char c) {
  drawCentred(painter, x, y, tools.characters[static_cast<unsigned char>(c)]);
}

// Small numbers come from the made texts (shared, not allocated).
QString numberText(const PaintTools& tools, int value) {
  if (value >= 0 && value < static_cast<int>(tools.numbers.size())) {
    return tools.numbers[static_cast<size_t>(value)];
  }
  return QString::number(value);
}

void drawNumber(QPainter& painter, const PaintTools& tools, int x, int y, int value) {
  drawCentred(painter, x, y, numberText(tools, value));
}

// A letter value with its top-centre at (x, y). A two-digit value, which the
// offsets place further left and under the letter, is squeezed sideways where it
// would reach past the inside of its square [left, right], and is ringed with
// the square's own colour so that a letter's tail (the Q's) does not run into it.
void drawValue(QPainter& painter, const PaintTools& tools, int x, int y, int value, int left,
               int right, const QColor& ground) {
  const QString text = numberText(tools, value);
  if (value < 10) {
    drawCentred(painter, x, y, text);
    return;
  }
  const QFontMetrics metrics = painter.fontMetrics();
  const int width = std::max(1, metrics.horizontalAdvance(text));
  const int room = 2 * std::min(x - left, right - x);
  const double squeeze = room > 0 && width > room ? double(room) / width : 1.0;
  const int ring = std::max(1, metrics.height() / 10);
  static constexpr int kAround[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                        {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
  const QPen textPen = painter.pen();
  painter.save();
  painter.translate(x, 0);
  painter.scale(squeeze, 1.0);
  painter.setPen(ground);
  for (const auto& step : kAround) drawCentred(painter, step[0] * ring, y + step[1] * ring, text);
  painter.setPen(textPen);
  drawCentred(painter, 0, y, text);
  painter.restore();
}

struct Span {
  int row = -1;     // 1-based start
  int column = -1;
  int length = 0;
  bool horizontal = true;
  bool covers(int r, int c) const {
    if (length <= 0) return false;
    if (horizontal) return r == row && c >= column && c < column + length;
    return c == column && r >= row && r < row + length;
  }
};

Span selectedSpan(const PaintInput& input) {
  const GameState& game = input.game;
  Span span;
  if (input.selectedTurn < 0 || input.selectedTurn >= game.maxTurns) return span;
  const Turn& turn = game.turns[input.selectedTurn];
  span.row = turn.row;
  span.column = turn.column;
  span.horizontal = turn.horizontal != 0;
  span.length = static_cast<int>(turn.word.size());
  return span;
}

void paintSquares(QPainter& painter, const PaintInput& input, int cw, int rh) {
  const Settings& settings = input.game.settings;
  const Span span = selectedSpan(input);
  const QPen black(Qt::black);
  const QPen white(Qt::white);
  for (int r = 0; r <= 15; ++r) {
    for (int c = 0; c <= 15; ++c) {
      if (r == 0 && c == 0) continue;
      const bool label = r == 0 || c == 0;
      const int premium = label ? 0 : premiumAt(r, c);
      painter.setPen(black);
      painter.setBrush(label ? input.tools.label : input.tools.forPremium(premium));
      painter.drawRect(c * cw, r * rh, cw, rh);
      if (span.covers(r, c)) {
        painter.setBrush(input.tools.selection);
        painter.setPen(white);
        const int left = truncated((c + 0.05) * cw);
        const int top = truncated((r + 0.05) * rh);
        painter.drawRect(left, top, truncated((c + 0.95) * cw) - left, truncated((r + 0.95) * rh) - top);
        painter.setPen(black);
      }
      if (r == 0) {
        painter.setFont(input.fonts.labels);
        drawCharacter(painter, input.tools, truncated((c + settings.labelOffset.x) * cw),
                      truncated(settings.labelOffset.y * rh), static_cast<char>('A' + c - 1));
        continue;
      }
      if (c == 0) {
        painter.setFont(input.fonts.labels);
        drawNumber(painter, input.tools, truncated(settings.labelOffset.x * cw),
                   truncated((r + settings.labelOffset.y) * rh), r);
        continue;
      }
      const DisplaySquare& square = input.game.displayGrid[r - 1][c - 1];
      if (square.shown == '?') continue;
      // White on the dark triple squares; black on the light selection, like on plain squares.
      const bool dark = (premium == 3 || premium == -3) && !span.covers(r, c);
      painter.setPen(dark ? white : black);
      painter.setFont(input.fonts.letters);
      drawCharacter(painter, input.tools, truncated((c + settings.letterOffset.x) * cw),
                    truncated((r + settings.letterOffset.y) * rh), square.shown);
      if (settings.hideValues == 0) {
        painter.setFont(input.fonts.values);
        const double shift = square.points >= 10 ? 0.9 * settings.valueOffset.x : settings.valueOffset.x;
        const QBrush& ground = span.covers(r, c) ? input.tools.selection
                                                 : input.tools.forPremium(premium);
        drawValue(painter, input.tools, truncated((c + shift) * cw),
                  truncated((r + settings.valueOffset.y) * rh), square.points, c * cw + 1,
                  (c + 1) * cw - 1, ground.color());
      }
      painter.setPen(black);
    }
  }
}

// The draw as tiles: in the button row, or three times as large over the board
// in two lines (four tiles, then three).
void paintDraw(QPainter& painter, const PaintInput& input, int cw, int rh) {
  const GameState& game = input.game;
  const Settings& settings = game.settings;
  double p = 1.13 * cw;
  int t = 16 * rh + input.gap;
  double s = 0;
  QFont large;
  if (input.showDrawLarge) {
    FontDescription description;
    description.setFace("Courier New");
    description.weight = 700;
    description.height = truncated(2.5 * rh);
    description.width = truncated(2.5 * cw);
    large = fontFromDescription(description);
    cw *= 3;
    rh *= 3;
    p = 1.13 * cw;
    t = 0;
  }
  const QFont& letterFont = input.showDrawLarge ? large : input.fonts.letters;
  const std::string& draw = game.currentDraw;
  for (int i = 0; i < static_cast<int>(draw.size()) && i < kRackSize; ++i) {
    if (input.showDrawLarge && i == 4) {
      t = truncated(1.2 * rh);
      s = truncated(-4 * p);
    }
    const char letter = draw[i];
    painter.setPen(Qt::black);
    painter.setBrush(input.tools.plain);
    const int left = truncated(s + i * p);
    painter.drawRect(left, t, truncated(s + (1.13 * i + 1) * cw) - left, rh);
    painter.setFont(letterFont);
    drawCharacter(painter, input.tools, truncated((i + settings.letterOffset.x) * p + s + 1),
                  truncated(t + settings.letterOffset.y * rh), letter);
    if (settings.hideValues != 0 || letter == settings.blankChar) continue;
    const int value = isUpperLetter(letter) ? game.valueTable[letterCode(letter)] : 0;
    const double shift = value >= 10 ? 0.9 * settings.valueOffset.x : settings.valueOffset.x;
    painter.setFont(input.fonts.values);
    drawValue(painter, input.tools, truncated(s + shift * cw + 1.13 * i * cw),
              truncated(t + settings.valueOffset.y * rh), value, left + 1,
              truncated(s + (1.13 * i + 1) * cw) - 1, input.tools.plain.color());
  }
}

}  // namespace

PaintTools::PaintTools()
    : tripleWord(QColor(255, 0, 0)),
      doubleWord(QColor(255, 128, 128)),
      plain(QColor(255, 255, 192)),
      doubleLetter(QColor(0, 255, 255)),
      tripleLetter(QColor(0, 0, 255)),
      selection(QColor(112, 255, 112)),
      label(QColor(192, 192, 192)) {
  for (size_t c = 0; c < characters.size(); ++c) {
    characters[c] = QString(QChar(static_cast<char16_t>(c)));
  }
  for (size_t n = 0; n < numbers.size(); ++n) numbers[n] = QString::number(n);
}

const QBrush& PaintTools::forPremium(int premium) const {
  switch (premium) {
    case -3: return tripleWord;
    case -2: return doubleWord;
    case 2: return doubleLetter;
    case 3: return tripleLetter;
    default: return plain;
  }
}

void paintMainWindow(QPainter& painter, const PaintInput& input) {
  const int cw = cellWidthFor(input.client.width());
  const int rh = cellHeightFor(input.client.height(), input.fonts.bottomLineHeight);

  painter.setFont(QApplication::font());
  painter.setPen(Qt::black);
  const int textX = truncated(16.1 * cw);
  const QFontMetrics metrics = painter.fontMetrics();
  painter.drawText(textX, truncated(13.5 * rh) + metrics.ascent(),
                   QStringLiteral("F1=Help F2=Config F4=Max zet F7=Check"));
  painter.drawText(textX, truncated(15.5 * rh) + metrics.ascent(),
                   QStringLiteral("Versie: 1 december 2020, ") +
                       QString::fromLatin1(wordListName(input.game.words)));

  paintSquares(painter, input, cw, rh);
  if (!input.clockRunning) return;
  paintDraw(painter, input, cw, rh);
  paintClock(painter, input);
}

void paintBoard(QPainter& painter, const PaintInput& input, int cellWidth, int cellHeight) {
  paintSquares(painter, input, cellWidth, cellHeight);
}

QRect clockRect(const PaintInput& input) {
  const int cw = cellWidthFor(input.client.width());
  const int rh = cellHeightFor(input.client.height(), input.fonts.bottomLineHeight);
  return QRect(8 * cw + 1, 16 * rh + input.gap, 4 * cw + 1, rh + 1);
}

std::string clockDigits(int secondsLeft, int thinkTime) {
  const int seconds = std::clamp(secondsLeft, 0, kMaxClockSeconds);
  const int minutes = seconds / 60;
  const int inMinute = seconds % 60;
  std::string digits;
  if (std::max(seconds, thinkTime) >= 600) digits.push_back(static_cast<char>('0' + minutes / 10));
  digits.push_back(static_cast<char>('0' + minutes % 10));
  digits.push_back(':');
  digits.push_back(static_cast<char>('0' + inMinute / 10));
  digits.push_back(static_cast<char>('0' + inMinute % 10));
  return digits;
}

// One square a character, over the four squares 9 to 12 of the button row: with
// a second minute digit the five squares are narrower, so that the draw and the
// clock button keep their places.
void paintClock(QPainter& painter, const PaintInput& input) {
  const int cw = cellWidthFor(input.client.width());
  const int rh = cellHeightFor(input.client.height(), input.fonts.bottomLineHeight);
  const std::string digits = clockDigits(input.secondsLeft, input.game.settings.thinkTime);
  const int squares = static_cast<int>(digits.size());
  painter.setFont(input.fonts.letters);
  const int top = 16 * rh + input.gap;
  const int textY = truncated((16 + input.game.settings.letterOffset.y) * rh + input.gap);
  const int left = 8 * cw;
  for (int i = 0; i < squares; ++i) {
    const int from = left + i * 4 * cw / squares;
    const int to = left + (i + 1) * 4 * cw / squares;
    painter.setPen(Qt::black);
    painter.setBrush(input.tools.label);
    painter.drawRect(from + 1, top, to - from, rh);
    drawCharacter(painter, input.tools, truncated(left + (i + 0.5) * 4 * cw / squares), textY,
                  digits[static_cast<size_t>(i)]);
  }
}

}  // namespace kwarrel::ui

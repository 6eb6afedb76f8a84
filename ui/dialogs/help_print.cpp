#include "ui/dialogs/help_print.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QRect>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/base/latin1.h"

namespace kwarrel::ui {

QFont helpFont(int dotsPerInchY) {
  QFont font(QStringLiteral("Times New Roman"));
  // 12 points are a sixth of an inch.
  font.setPixelSize(std::max(1, dotsPerInchY / 6));
  return font;
}

CharacterWidth characterWidthsOf(const QFontMetricsF& metrics) {
  auto widths = std::make_shared<std::array<int, 256>>();
  for (size_t c = 0; c < widths->size(); ++c) {
    const qreal advance = metrics.horizontalAdvance(QChar(static_cast<char16_t>(c)));
    (*widths)[c] = static_cast<int>(std::ceil(advance));
  }
  return [widths](unsigned char c) { return (*widths)[c]; };
}

HelpPrint printHelpText(const std::string& text, QPrinter& printer) {
  HelpPrint report;
  printer.setFullPage(true);
  QPainter painter;
  if (!printer.isValid() || !painter.begin(&printer)) return report;

  const int dpiX = printer.logicalDpiX();
  const int dpiY = printer.logicalDpiY();
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  const QRect page(QPoint(dpiX / 2, dpiY / 2),
                   QPoint(paper.width() - dpiX / 2 - 1, paper.height() - dpiY - 1));

  const QFont font = helpFont(dpiY);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(font, &printer);
  const int lineHeight = metrics.height();
  const std::vector<HelpLine> lines =
      layoutHelpLines(text, page.width(), characterWidthsOf(QFontMetricsF(font, &printer)));
  const std::string_view all(text);

  report.outcome = PrintOutcome::Printed;
  int offset = 0;
  for (;;) {
    const HelpPage placed =
        placeHelpLines(static_cast<int>(lines.size()), lineHeight, page.height(), offset);
    if (report.pages == 0 && placed.drawnLines > 0) report.firstLine = placed.firstLine;
    ++report.pages;
    for (int i = 0; i < placed.drawnLines; ++i) {
      const HelpLine& line = lines[static_cast<size_t>(placed.firstLine + i)];
      const int y = page.top() + placed.top + i * lineHeight;
      painter.drawText(QRect(page.left(), y, page.width(), lineHeight),
                       Qt::AlignLeft | Qt::AlignTop,
                       fromLatin1(all.substr(static_cast<size_t>(line.start),
                                             static_cast<size_t>(line.length))));
    }
    if (placed.continueAt <= 0) break;
    if (!printer.newPage()) {
      report.outcome = PrintOutcome::Failed;
      break;
    }
    offset = placed.continueAt;
  }
  if (!painter.end()) report.outcome = PrintOutcome::Failed;
  return report;
}

}  // namespace kwarrel::ui

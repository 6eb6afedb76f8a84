#include "ui/base/font_record.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <string>

namespace kwarrel::ui {

namespace {

constexpr int kReferencePixels = 100;

// Pixels of the character height for a cell height: the face's own ratio of em
// to ascent plus descent, measured once at a reference size.
int characterPixelsForCell(const QFont& font, int cellHeight) {
  QFont reference(font);
  reference.setPixelSize(kReferencePixels);
  const QFontMetrics metrics(reference);
  const int cell = std::max(1, metrics.ascent() + metrics.descent());
  return std::max(1, static_cast<int>(std::lround(double(cellHeight) * kReferencePixels / cell)));
}

}  // namespace

void installFontSubstitutes() {
  QFont::insertSubstitution("Courier New", "Liberation Mono");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

QFont fontFromDescription(const FontDescription& description) {
  QFont font(QString::fromLatin1(description.face().data(),
                                 static_cast<qsizetype>(description.face().size())));
  const int32_t height = description.height;
  if (height < 0) {
    font.setPixelSize(static_cast<int>(std::min<int64_t>(-int64_t{height}, 2000)));
  } else if (height > 0) {
    font.setPixelSize(characterPixelsForCell(font, std::min(height, 2000)));
  }
  if (description.weight > 0) {
    font.setWeight(static_cast<QFont::Weight>(std::clamp(description.weight, 1, 1000)));
  }
  font.setItalic(description.italic != 0);
  font.setUnderline(description.underline != 0);
  font.setStrikeOut(description.strikeOut != 0);
  if (description.width > 0) {
    const int natural = std::max(1, QFontMetrics(font).averageCharWidth());
    const double stretch = double(std::min(description.width, 20000)) * 100.0 / natural;
    font.setStretch(std::clamp(static_cast<int>(std::lround(stretch)), 1, 4000));
  }
  return font;
}

QFont chooserFontFor(const QFont& inUse) {
  const QFontInfo drawn(inUse);
  QFont offered(drawn.family());
  offered.setWeight(static_cast<QFont::Weight>(drawn.weight()));
  offered.setItalic(drawn.italic());
  // The face's own style name: the chooser would otherwise look for a translated
  // one ("Vet") among the face's styles and fall back to its first.
  offered.setStyleName(drawn.styleName());
  offered.setUnderline(inUse.underline());
  offered.setStrikeOut(inUse.strikeOut());
  offered.setPointSize(std::max(1, static_cast<int>(std::lround(drawn.pointSizeF()))));
  return offered;
}

FontDescription descriptionFromFont(const QFont& chosen, const QFont& offered,
                                    const FontDescription& previous) {
  FontDescription description = previous;
  const bool sameFace = chosen.family() == offered.family();
  if (!sameFace) {
    const QByteArray face = chosen.family().toLatin1();
    description.setFace(std::string_view(face.constData(), static_cast<size_t>(face.size())));
    description.width = 0;  // the new face's own proportions
  }
  const bool sameSize =
      chosen.pixelSize() == offered.pixelSize() && chosen.pointSize() == offered.pointSize();
  if (!sameSize) {
    int pixels = chosen.pixelSize();
    if (pixels <= 0) {
      const QScreen* screen = QGuiApplication::primaryScreen();
      const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
      pixels = static_cast<int>(std::lround(chosen.pointSizeF() * dpi / 72.0));
    }
    pixels = std::max(1, pixels);
    if (sameFace && previous.width > 0) {
      const int oldPixels = std::max(1, fontFromDescription(previous).pixelSize());
      description.width = static_cast<int32_t>(
          std::max<int64_t>(1, int64_t{previous.width} * pixels / oldPixels));
    }
    description.height = -pixels;
  }
  if (chosen.weight() != offered.weight()) description.weight = chosen.weight();
  if (chosen.italic() != offered.italic()) description.italic = chosen.italic() ? 1 : 0;
  description.underline = chosen.underline() ? 1 : 0;
  description.strikeOut = chosen.strikeOut() ? 1 : 0;
  return description;
}

FontDescription systemFontDescription(int height) {
  FontDescription description;
  const QFont system = QApplication::font();
  const QByteArray face = system.family().toLatin1();
  description.setFace(std::string_view(face.constData(), static_cast<size_t>(face.size())));
  description.height = height;
  description.weight = system.weight();
  return description;
}

}  // namespace kwarrel::ui

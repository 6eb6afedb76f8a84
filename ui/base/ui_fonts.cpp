#include "ui/base/ui_fonts.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "ui/base/font_record.h"

namespace kwarrel::ui {

namespace {

// A font taller or wider than this leaves no room for the board and the buttons.
int largestFontPixels() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int screenHeight = screen != nullptr ? screen->geometry().height() : 768;
  return std::max(1, screenHeight / kScreenHeightsPerFont);
}

QFont fittedOnScreen(QFont font, int largest) {
  if (font.pixelSize() > largest) font.setPixelSize(largest);
  const int width = QFontMetrics(font).averageCharWidth();
  if (width > largest && font.stretch() > 0) {
    font.setStretch(std::max(1, static_cast<int>(int64_t{font.stretch()} * largest / width)));
  }
  return font;
}

}  // namespace

void UiFonts::rebuild(const FontSet& fonts) {
  const int largest = largestFontPixels();
  labels = fittedOnScreen(fontFromDescription(fonts.coordFont), largest);
  letters = fittedOnScreen(fontFromDescription(fonts.wordFont), largest);
  values = fittedOnScreen(fontFromDescription(fonts.valueFont), largest);
  turnList = fittedOnScreen(fontFromDescription(fonts.turnListFont), largest);
  remainingLetters = fittedOnScreen(fontFromDescription(fonts.bagFont), largest);
  bottomLineHeight = std::min(bottomLineHeightFor(fonts.bagFont), largest * 3 / 2);
}

FontDescription& fontRecord(FontSet& fonts, FontRole role) {
  switch (role) {
    case FontRole::Labels: return fonts.coordFont;
    case FontRole::Letters: return fonts.wordFont;
    case FontRole::Values: return fonts.valueFont;
    case FontRole::TurnList: return fonts.turnListFont;
    case FontRole::RemainingLetters: break;
  }
  return fonts.bagFont;
}

int bottomLineHeightFor(const FontDescription& remainingLetters) {
  const int64_t height = std::llabs(int64_t{remainingLetters.height});
  return static_cast<int>(std::min<int64_t>(height * 3 / 2, 10000));
}

}  // namespace kwarrel::ui

#include "ui/base/ui_fonts.h"

#include <cstdlib>

#include "ui/base/font_record.h"

namespace kwarrel::ui {

void UiFonts::rebuild(const FontSet& fonts) {
  labels = fontFromDescription(fonts.coordFont);
  letters = fontFromDescription(fonts.wordFont);
  values = fontFromDescription(fonts.valueFont);
  turnList = fontFromDescription(fonts.turnListFont);
  remainingLetters = fontFromDescription(fonts.bagFont);
  bottomLineHeight = bottomLineHeightFor(fonts.bagFont);
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

// The five fonts of the main window, made from the settings' font records.
#pragma once

#include <QFont>

#include "game/settings.h"

namespace kwarrel::ui {

// No font of the window is taller than the screen height divided by this.
constexpr int kScreenHeightsPerFont = 10;

enum class FontRole { Labels, Letters, Values, TurnList, RemainingLetters };

struct UiFonts {
  QFont labels;            // row and column labels
  QFont letters;           // board letters, score box, clock
  QFont values;            // letter values
  QFont turnList;          // turn list and candidate list
  QFont remainingLetters;  // the line under the board
  int bottomLineHeight = 0;

  // Makes every font from `fonts`, replacing the old ones. A record too large for
  // the screen (a damaged or foreign configuration file) gives a font of a tenth
  // of the screen height; the record itself stays as it is.
  void rebuild(const kwarrel::FontSet& fonts);
};

// The stored record of a role.
kwarrel::FontDescription& fontRecord(kwarrel::FontSet& fonts, FontRole role);

// trunc(1.5 x |height of the remaining-letters font|).
int bottomLineHeightFor(const kwarrel::FontDescription& remainingLetters);

}  // namespace kwarrel::ui

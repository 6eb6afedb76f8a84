// The stored font record and the window's fonts: one mapping each way.
#pragma once

#include <QFont>

#include "game/settings.h"

namespace kwarrel::ui {

// Installs the stand-ins for the specified faces (Courier New, Arial, Times New
// Roman) so that the stored names keep working where only Liberation is found.
void installFontSubstitutes();

// The font a stored record describes. A negative height is the character height
// in pixels, a positive one the cell height (character plus leading); a width
// above 0 is the average character width, reached by stretching the face.
QFont fontFromDescription(const kwarrel::FontDescription& description);

// The record for a chosen font. Fields the font does not carry (escapement,
// character set, precision, pitch) keep the values of `previous`.
kwarrel::FontDescription descriptionFromFont(const QFont& font,
                                             const kwarrel::FontDescription& previous);

// The system's interface font as a record, `height` pixels high: the turn list's
// and remaining-letters line's font when no configuration file is read.
kwarrel::FontDescription systemFontDescription(int height);

}  // namespace kwarrel::ui

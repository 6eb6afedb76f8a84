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

// The font the chooser opens with for a font in use: the face that is really
// drawn (a stored face that is not installed shows as its stand-in), with its
// weight and slant, at the size in whole points that the chooser lists.
QFont chooserFontFor(const QFont& inUse);

// The record after the chooser, opened with `offered` (chooserFontFor the font
// made from `previous`), returned `chosen`. Only what the user changed there is
// taken over: an unchanged face keeps the stored name, an unchanged size the
// stored height (either sign) and width, an unchanged weight or slant the stored
// value. A new size is stored as a character height in pixels, with the width
// scaled to it for the same face. Fields the font does not carry (escapement,
// character set, precision, pitch) keep the values of `previous`.
kwarrel::FontDescription descriptionFromFont(const QFont& chosen, const QFont& offered,
                                             const kwarrel::FontDescription& previous);

// The system's interface font as a record, `height` pixels high: the turn list's
// and remaining-letters line's font when no configuration file is read.
kwarrel::FontDescription systemFontDescription(int height);

}  // namespace kwarrel::ui

// Small helpers for the text of report pages and listings.
#pragma once

#include <string>
#include <string_view>

#include "game/turn.h"

namespace kwarrel {

// Appends `text` with '<', '>', '&' and '"' written as entities: racks and words
// in a hand-made game file may hold any character.
void appendHtmlEscaped(std::string& out, std::string_view text);

// Appends a played turn's square as the reports show it: row and column letter for
// a horizontal word, column letter and row for a vertical one.
void appendTurnSquare(std::string& out, const Turn& turn);

// Appends a link to the file `name` beside the page, fit for an attribute with or
// without quotes: characters that would end the attribute or change the meaning
// of the link are written as %XX, and so is every byte beyond ASCII, so the
// browser looks for the file under the very bytes of its name. A name with a
// colon could be read as a scheme ("javascript:"); "./" keeps it a file.
void appendLinkTarget(std::string& out, std::string_view name);

// Appends the printf-style formatted text.
void appendFormat(std::string& out, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

}  // namespace kwarrel

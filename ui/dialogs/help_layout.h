// Word wrapping and paging of the help texts, the same for the screen and the
// printer. Nothing here knows a device: widths come from a function, so the
// layout can be checked on its own.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kwarrel::ui {

// One line of the text: the bytes [start, start + length), trailing spaces cut.
struct HelpLine {
  int start = 0;
  int length = 0;
  bool operator==(const HelpLine&) const = default;
};

// Width in pixels of one ISO-8859-1 character.
using CharacterWidth = std::function<int(unsigned char)>;

// The text as the help window keeps it: every CR removed, and a control
// character just before the end dropped.
std::string helpTextBuffer(std::string_view resource);

// Breaks `text` into lines for a rectangle `width` pixels wide. Leading spaces of
// a line are skipped; words (runs of characters above the space) are added while
// the line, spaces between words included, stays narrower than `width`; a line
// feed or the end of the text ends a line. A word wider than `width` stands
// alone on its line.
std::vector<HelpLine> layoutHelpLines(std::string_view text, int width,
                                      const CharacterWidth& characterWidth);

// The lines one page shows. Line k lies k line heights below the top of the
// text; shifted up by `offset`, it is drawn only when it lies strictly below the
// page's top and ends no lower than its bottom.
struct HelpPage {
  int firstLine = 0;    // first line drawn
  int drawnLines = 0;   // lines drawn from firstLine on
  int top = 0;          // where firstLine is drawn, relative to the page's top
  int continueAt = -1;  // offset of the next page, or -1 when nothing is left
};

HelpPage placeHelpLines(int lineCount, int lineHeight, int pageHeight, int offset);

// The last scroll position of the screen, where the line at the position is drawn
// one line below the top: the one that brings the last line to the bottom of the
// page (0 when the whole text fits).
int helpScrollMaximum(int lineCount, int lineHeight, int pageHeight);

}  // namespace kwarrel::ui

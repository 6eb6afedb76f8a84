#include "ui/dialogs/help_layout.h"

#include <algorithm>
#include <cstddef>

namespace kwarrel::ui {

namespace {

bool isLineFeed(char c) { return c == '\n'; }
// Spaces, tabs and other control characters separate words; a line feed ends a line.
bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && !isLineFeed(c); }

}  // namespace

std::string helpTextBuffer(std::string_view resource) {
  std::string text;
  text.reserve(resource.size());
  for (const char c : resource) {
    if (c != '\r') text.push_back(c);
  }
  if (!text.empty() && static_cast<unsigned char>(text.back()) < ' ') text.pop_back();
  return text;
}

std::vector<HelpLine> layoutHelpLines(std::string_view text, int width,
                                      const CharacterWidth& characterWidth) {
  std::vector<HelpLine> lines;
  const size_t size = text.size();
  const int spaceWidth = characterWidth(' ');
  size_t pos = 0;
  while (pos < size) {
    while (pos < size && isBlank(text[pos])) ++pos;
    const size_t lineStart = pos;
    size_t lineEnd = pos;
    int lineWidth = 0;
    for (;;) {
      size_t wordStart = lineEnd;
      int gapWidth = 0;
      while (wordStart < size && isBlank(text[wordStart])) {
        ++wordStart;
        gapWidth += spaceWidth;
      }
      size_t wordEnd = wordStart;
      int wordWidth = 0;
      while (wordEnd < size && static_cast<unsigned char>(text[wordEnd]) > ' ') {
        wordWidth += characterWidth(static_cast<unsigned char>(text[wordEnd]));
        ++wordEnd;
      }
      if (wordEnd == wordStart) {  // a line feed or the end of the text
        pos = wordStart;
        if (pos < size) ++pos;
        break;
      }
      const bool firstWord = lineEnd == lineStart;
      const int candidate = lineWidth + (firstWord ? 0 : gapWidth) + wordWidth;
      if (!firstWord && candidate >= width) {
        pos = wordStart;
        break;
      }
      lineWidth = candidate;
      lineEnd = wordEnd;
    }
    lines.push_back({static_cast<int>(lineStart), static_cast<int>(lineEnd - lineStart)});
  }
  return lines;
}

HelpPage placeHelpLines(int lineCount, int lineHeight, int pageHeight, int offset) {
  HelpPage page;
  if (lineHeight <= 0) return page;
  int lastDrawnY = -1;
  bool cutOff = false;
  for (int line = 0; line < lineCount; ++line) {
    const int y = line * lineHeight;
    const int shown = y - offset;
    if (shown <= 0) continue;
    if (shown + lineHeight > pageHeight) {
      cutOff = true;
      break;
    }
    if (page.drawnLines == 0) {
      page.firstLine = line;
      page.top = shown;
    }
    ++page.drawnLines;
    lastDrawnY = y;
  }
  // A page that could not show a single line ends the printing too, so that a
  // page smaller than a line cannot make an endless print.
  if (cutOff && page.drawnLines > 0) page.continueAt = lastDrawnY;
  return page;
}

int helpScrollMaximum(int lineCount, int lineHeight, int pageHeight) {
  if (lineHeight <= 0) return 0;
  const int pageLines = pageHeight / lineHeight;
  return std::max(0, lineCount + 1 - pageLines);
}

}  // namespace kwarrel::ui

// Printing a help text page after page.
#pragma once

#include <QFont>
#include <string>

#include "ui/dialogs/help_layout.h"

class QFontMetricsF;
class QPrinter;

namespace kwarrel::ui {

// 12-point "Times New Roman" for a device of `dotsPerInchY` dots per inch.
QFont helpFont(int dotsPerInchY);

// The advance of every character in `metrics`, measured once and rounded up, so
// that a line laid out by these widths never runs past its rectangle.
CharacterWidth characterWidthsOf(const QFontMetricsF& metrics);

enum class PrintOutcome { Printed, NoDevice, Failed };

struct HelpPrint {
  PrintOutcome outcome = PrintOutcome::NoDevice;
  int pages = 0;
  int firstLine = -1;  // index of the first printed line of the text
};

// Prints `text` (the window's buffer, ISO-8859-1) on `printer` in 12-point Times
// New Roman, black, inside margins of half an inch left, right and top and one
// inch at the bottom. The first line of the text lies on the top edge and is
// therefore not printed.
HelpPrint printHelpText(const std::string& text, QPrinter& printer);

}  // namespace kwarrel::ui

// Start-up: the command-line switches, the settings, the fonts and the window.
#pragma once

#include <QString>
#include <QStringList>

namespace kwarrel::ui {

struct StartupOptions {
  int maxTurns = 22;
  bool bestOnly = false;
  QStringList gamesToLoad;  // "/laad=" paths, in argument order
};

// The switches among `arguments` (the program name excluded): "/maxb=" with only
// digits and 11..50 (a later one wins; others are ignored), "/beste" anywhere in
// the command line, even glued to other text, and every "/laad=" path.
StartupOptions parseSwitches(const QStringList& arguments);

// A pipe whose reader goes away in the middle of a save makes the save fail
// instead of ending the program, which would lose the game in memory.
void ignoreBrokenPipes();

// Runs the program until its window closes; returns the exit code.
int runKwarrel(int& argc, char** argv);

}  // namespace kwarrel::ui

// The optional colour file: the check-word dialog's two background colours.
#pragma once

#include <string>
#include <string_view>

#include "game/settings.h"

namespace kwarrel {

// Reads the six colour numbers from the first line of "kleur.txt" in the program
// folder. A missing file changes nothing; numbers missing from the line keep
// their fields as they were.
void loadColourFile(Settings& settings);
void loadColourFile(Settings& settings, const std::string& path);

// The reading part of loadColourFile: the colour numbers from the first line of
// the file's text.
void readColourText(Settings& settings, std::string_view text);

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The check-word dialog's background for a word found or not found in the list.
Rgb checkWordColour(const Settings& settings, bool found);

}  // namespace kwarrel

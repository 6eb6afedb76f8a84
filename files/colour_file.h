// The optional colour file: the check-word dialog's two background colours.
#pragma once

#include <string>

#include "game/settings.h"

namespace kwarrel {

// Reads "kleur.txt" in the program folder; a missing file changes nothing.
void loadColourFile(Settings& settings);
void loadColourFile(Settings& settings, const std::string& path);

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The check-word dialog's background for a word found or not found in the list.
Rgb checkWordColour(const Settings& settings, bool found);

}  // namespace kwarrel

// The program's fixed folder: the colour file and the signal sounds live there.
#pragma once

#include <string>

namespace kwarrel {

// $KWARREL_HOME when set, else ${XDG_CONFIG_HOME:-$HOME/.config}/kwarrel.
std::string programFolder();

}  // namespace kwarrel

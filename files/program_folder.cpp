#include "files/program_folder.h"

#include <cstdlib>

namespace kwarrel {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string programFolder() {
  const std::string home = environment("KWARREL_HOME");
  if (!home.empty()) return home;
  std::string config = environment("XDG_CONFIG_HOME");
  if (config.empty()) config = environment("HOME") + "/.config";
  return config + "/kwarrel";
}

}  // namespace kwarrel

#include <cstdio>

#include "cli/cli.h"

namespace kwarrel::cli {

int runMoves(int, char**) {
  std::fputs("Deze opdracht is nog niet beschikbaar.\n", stderr);
  return kExitUsage;
}

}  // namespace kwarrel::cli

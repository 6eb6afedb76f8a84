#include "cli/cli.h"

namespace kwarrel::cli {

void benchAutoGames(bool) {}

}  // namespace kwarrel::cli

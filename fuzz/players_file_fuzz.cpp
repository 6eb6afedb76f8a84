// The players file: whatever bytes are read, what is kept is written back so that
// it reads again the same and without a damaged line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/players_file.h"
#include "fuzz_check.h"

using kwarrel::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kwarrel::PlayersRecord record;
  std::vector<std::string> problems;
  kwarrel::readPlayersText(text, record, problems);

  kwarrel::PlayersRecord again;
  std::vector<std::string> none;
  kwarrel::readPlayersText(kwarrel::playersFileText(record), again, none);
  require(none.empty(), "a written players file reads back without damaged lines");
  require(again.players.size() == record.players.size(), "every player reads back");
  for (size_t i = 0; i < record.players.size(); ++i) {
    require(again.players[i].number == record.players[i].number, "a player's number reads back");
    require(again.players[i].name == record.players[i].name, "a player's name reads back");
  }
  require(again.answers == record.answers, "every answer reads back");
  return 0;
}

// The players file beside a game ("spel.txt" -> "spel.spelers.csv"): a
// spreadsheet file, ISO-8859-1, ';' between the fields, one record a line:
//   soort;nummer;beurt;vakje;richting;woord       (header, skipped when reading)
//   speler;NUMMER;NAAM
//   oplossing;NUMMER;BEURT;VAKJE;RICHTING;WOORD   (VAKJE "H8", RICHTING "H" or "V")
//   score;NUMMER;BEURT;PUNTEN
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "players/players.h"

namespace kwarrel {

// The players file of the game saved as (or loaded from) `gamePath`: same folder,
// the name's stem plus ".spelers.csv".
std::string playersFilePath(const std::string& gamePath);

// The file as it is written: the header, the players by number, then their answers.
std::string playersFileText(const PlayersRecord& record);

// Reads the text into `record` (replacing what it held). A line that cannot be
// read is skipped and reported in `problems` by its line number; the rest is kept.
void readPlayersText(std::string_view text, PlayersRecord& record,
                     std::vector<std::string>& problems);

enum class PlayersFileStatus { Absent, Read, Unreadable };

// Reads the file at `path` into `record`; an absent or unreadable file leaves it empty.
PlayersFileStatus readPlayersFile(const std::string& path, PlayersRecord& record,
                                  std::vector<std::string>& problems);

// Replaces the file through the atomic save; false (previous file untouched) on failure.
bool writePlayersFile(const std::string& path, const PlayersRecord& record);

}  // namespace kwarrel

// The standings (klassement) of one game, and the season table over several
// games. Derived from the judged answers, never stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "players/judging.h"
#include "players/players.h"

namespace kwarrel {

// One player's result (uitslag) in a game.
struct Uitslag {
  int place = 0;
  int number = 0;
  std::string name;
  int64_t total = 0;
  int64_t achterstand = 0;  // total minus the sum of the tops: 0 or less
  std::string percentage;   // of the sum of the tops, "98,75"
  int tops = 0;             // turns in which the player scored the top
  std::vector<int32_t> turnScores;  // per played turn
  std::vector<std::string> refusals;  // per played turn: why its answer was refused, or ""
};

struct Klassement {
  std::vector<int32_t> tops;  // per played turn
  int64_t topTotal = 0;
  std::vector<Uitslag> rows;  // by place, by number among equals
};

// `part` of `whole` as a percentage with two decimals (rounded half up) and a
// decimal comma: 790 of 800 is "98,75". "0,00" when `whole` is not positive.
std::string percentageText(int64_t part, int64_t whole);

// Places by total, highest first; equal totals share a place (1, 2, 2, 4).
// `rows` must be sorted by total, highest first.
template <typename Row>
void assignPlaces(std::vector<Row>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    rows[i].place = (i > 0 && rows[i].total == rows[i - 1].total) ? rows[i - 1].place
                                                                  : static_cast<int>(i) + 1;
  }
}

Klassement klassement(const PlayersRecord& record, const JudgedGame& judged);

// One player's line of the season table: the players of several games joined by
// name, case and surrounding spaces ignored.
struct SeasonRow {
  int place = 0;
  std::string name;  // as written in the first game that has it
  int games = 0;
  int64_t total = 0;
  int64_t topTotal = 0;  // the sum of the tops of the games played
  std::string percentage;
  std::string averagePercentage;  // the mean of the games' percentages
};

// The name a season joins on: without surrounding spaces, in lower case.
std::string seasonKey(std::string_view name);

// Games without a played turn are left out. Rows by place, by name among equals.
std::vector<SeasonRow> seasonTable(const std::vector<Klassement>& games);

}  // namespace kwarrel

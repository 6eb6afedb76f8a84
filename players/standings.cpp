#include "players/standings.h"

#include <algorithm>
#include <map>

#include "game/letters.h"

namespace kwarrel {

namespace {

std::string hundredthsText(int64_t hundredths) {
  std::string text = std::to_string(hundredths / 100) + ',';
  const int64_t cents = hundredths % 100;
  if (cents < 10) text += '0';
  return text + std::to_string(cents);
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\xA0'; }

std::string_view trimmed(std::string_view name) {
  while (!name.empty() && isSpace(name.front())) name.remove_prefix(1);
  while (!name.empty() && isSpace(name.back())) name.remove_suffix(1);
  return name;
}

// Latin-1 capitals, including the accented ones, in lower case.
char lowerLatin1(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<char>(byte + 0x20);
  return lowerCase(c);
}

}  // namespace

std::string percentageText(int64_t part, int64_t whole) {
  if (whole <= 0 || part <= 0) return "0,00";
  return hundredthsText((part * 20000 + whole) / (2 * whole));
}

Klassement klassement(const PlayersRecord& record, const JudgedGame& judged) {
  Klassement result;
  for (int t = 0; t < judged.turnsCounted; ++t) {
    result.tops.push_back(judged.turns[t].top);
    result.topTotal += judged.turns[t].top;
  }
  for (const Player& player : record.players) {
    Uitslag& row = result.rows.emplace_back();
    row.number = player.number;
    row.name = player.name;
    for (int t = 0; t < judged.turnsCounted; ++t) {
      const int32_t points = judged.points(player.number, t);
      row.turnScores.push_back(points);
      row.total += points;
      const Judgement* judgement = judged.judgement(player.number, t);
      row.refusals.push_back(judgement != nullptr && judgement->refused ? judgement->message : "");
      if (judgement != nullptr && !judgement->refused && points == judged.turns[t].top) ++row.tops;
    }
    row.achterstand = row.total - result.topTotal;
    row.percentage = percentageText(row.total, result.topTotal);
  }
  std::stable_sort(result.rows.begin(), result.rows.end(),
                   [](const Uitslag& a, const Uitslag& b) { return a.total > b.total; });
  assignPlaces(result.rows);
  return result;
}

std::string seasonKey(std::string_view name) {
  std::string key;
  for (const char c : trimmed(name)) key += lowerLatin1(c);
  return key;
}

std::vector<SeasonRow> seasonTable(const std::vector<Klassement>& games) {
  struct Sums {
    SeasonRow row;
    double shareSum = 0;  // of each game's total in its tops, for the mean percentage
  };
  std::map<std::string, Sums> byName;
  std::vector<std::string> order;  // first appearance
  for (const Klassement& game : games) {
    if (game.topTotal <= 0) continue;
    for (const Uitslag& uitslag : game.rows) {
      const std::string key = seasonKey(uitslag.name);
      auto [entry, added] = byName.try_emplace(key);
      Sums& sums = entry->second;
      if (added) {
        sums.row.name = std::string(trimmed(uitslag.name));
        order.push_back(key);
      }
      sums.row.games += 1;
      sums.row.total += uitslag.total;
      sums.row.topTotal += game.topTotal;
      sums.shareSum += static_cast<double>(uitslag.total) / static_cast<double>(game.topTotal);
    }
  }
  std::vector<SeasonRow> rows;
  for (const std::string& key : order) {
    Sums& sums = byName[key];
    SeasonRow row = sums.row;
    row.percentage = percentageText(row.total, row.topTotal);
    // Rounded as percentageText rounds; the small offset keeps a mean that is
    // exactly on a half from falling below it by the double's error.
    const double hundredths = sums.shareSum * 10000 / row.games + 0.5 + 1e-9;
    row.averagePercentage = hundredthsText(static_cast<int64_t>(hundredths));
    rows.push_back(std::move(row));
  }
  std::sort(rows.begin(), rows.end(), [](const SeasonRow& a, const SeasonRow& b) {
    if (a.total != b.total) return a.total > b.total;
    return seasonKey(a.name) < seasonKey(b.name);
  });
  assignPlaces(rows);
  return rows;
}

}  // namespace kwarrel

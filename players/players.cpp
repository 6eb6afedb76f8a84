#include "players/players.h"

#include <algorithm>

#include "game/turn.h"

namespace kwarrel {

const Player* PlayersRecord::find(int number) const {
  const auto found = std::find_if(players.begin(), players.end(),
                                  [number](const Player& player) { return player.number == number; });
  return found == players.end() ? nullptr : &*found;
}

const Answer* PlayersRecord::answer(int number, int turnIndex) const {
  const auto found = answers.find({number, turnIndex});
  return found == answers.end() ? nullptr : &found->second;
}

std::string checkPlayerNumber(int64_t number) {
  if (number < 1 || number > kMaxPlayerNumber) return "Spelernummer moet tussen 1 en 999 liggen";
  return {};
}

std::string checkPlayerName(std::string_view name) {
  if (name.find_first_not_of(' ') == std::string_view::npos) return "Naam van de speler ontbreekt";
  if (name.size() > kMaxPlayerNameLength) return "Naam mag hoogstens 30 tekens lang zijn";
  // Control characters of ISO-8859-1: 0x00..0x1F, 0x7F and 0x80..0x9F. A ';'
  // would split the record in the players file.
  const bool clean = std::none_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || (byte >= 0x7F && byte <= 0x9F) || c == ';';
  });
  if (!clean) return "Naam mag geen stuurtekens of ';' bevatten";
  return {};
}

std::string setPlayer(PlayersRecord& record, int number, std::string_view name) {
  if (std::string message = checkPlayerNumber(number); !message.empty()) return message;
  if (std::string message = checkPlayerName(name); !message.empty()) return message;
  auto place = std::lower_bound(record.players.begin(), record.players.end(), number,
                                [](const Player& player, int n) { return player.number < n; });
  if (place != record.players.end() && place->number == number) {
    place->name = std::string(name);
  } else {
    record.players.insert(place, Player{number, std::string(name)});
  }
  return {};
}

std::string setAnswer(PlayersRecord& record, int number, int turnIndex, const Answer& answer) {
  if (record.find(number) == nullptr) return "Speler " + std::to_string(number) + " bestaat niet";
  if (turnIndex < 0 || turnIndex >= kTurnSlots) {
    return "Beurt " + std::to_string(int64_t{turnIndex} + 1) + " bestaat niet";
  }
  if (answer.bareScore && answer.points < 0) return "Score mag niet negatief zijn";
  if (answer.bareScore && answer.points > kMaxAnswerPoints) return "Ongeldige score";
  if (!answer.bareScore) {
    if (answer.word.empty()) return "Woord ontbreekt";
    // What the players file can hold: a column letter, a row of at most three
    // digits, and a word that does not split its line or its record.
    if (answer.column0 < 0 || answer.column0 >= 26 || answer.row0 < 0 || answer.row0 >= 999) {
      return "Ongeldig vakje";
    }
    const bool writable = std::none_of(answer.word.begin(), answer.word.end(), [](char c) {
      const auto byte = static_cast<unsigned char>(c);
      return byte <= ' ' || byte == 0x7F || c == ';';
    });
    if (!writable) return "Woord mag geen spaties, stuurtekens of ';' bevatten";
  }
  record.answers[{number, turnIndex}] = answer;
  return {};
}

bool removePlayer(PlayersRecord& record, int number) {
  const auto found = std::find_if(record.players.begin(), record.players.end(),
                                  [number](const Player& player) { return player.number == number; });
  if (found == record.players.end()) return false;
  record.players.erase(found);
  std::erase_if(record.answers, [number](const auto& entry) { return entry.first.first == number; });
  return true;
}

void takeOverPlayers(PlayersRecord& record, const PlayersRecord& from) {
  for (const Player& player : from.players) setPlayer(record, player.number, player.name);
}

int nextPlayerNumber(const PlayersRecord& record) {
  // Players are kept by number: the last has the highest.
  if (record.players.empty()) return 1;
  const int last = record.players.back().number;
  if (last < kMaxPlayerNumber) return last + 1;
  for (int number = 1; number <= kMaxPlayerNumber; ++number) {
    if (record.find(number) == nullptr) return number;
  }
  return 0;
}

namespace {

// Rebuilds the answers with each turn index passed through `moved`; a negative
// result drops the answer.
template <typename Move>
void moveAnswers(PlayersRecord& record, Move moved) {
  std::map<std::pair<int, int>, Answer> answers;
  for (auto& [key, answer] : record.answers) {
    const int turnIndex = moved(key.second);
    if (turnIndex >= 0) answers.emplace(std::make_pair(key.first, turnIndex), std::move(answer));
  }
  record.answers = std::move(answers);
}

}  // namespace

void deleteTurnAnswers(PlayersRecord& record, int turnIndex) {
  moveAnswers(record, [turnIndex](int index) {
    if (index == turnIndex) return -1;
    return index > turnIndex ? index - 1 : index;
  });
}

void insertTurnAnswers(PlayersRecord& record, int turnIndex, int turnCount) {
  moveAnswers(record, [turnIndex, turnCount](int index) {
    if (index < turnIndex) return index;
    return index + 1 < turnCount ? index + 1 : -1;
  });
}

}  // namespace kwarrel

// The players of a game and their answers (oplossingen): one slip per player and
// turn, a move as the turn entry takes it or a bare score. The record is kept
// beside the GameState by the front ends; what the answers score is derived
// (players/judging.h), never stored.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kwarrel {

constexpr int kMaxPlayerNumber = 999;
constexpr size_t kMaxPlayerNameLength = 30;
constexpr int32_t kMaxAnswerPoints = 99999;

struct Player {
  int number = 0;  // 1..999, unique in a game
  std::string name;
};

// One slip: a move (0-based square, direction, word; lower case = blank), or a
// bare score for clubs that note only scores.
struct Answer {
  bool bareScore = false;
  int row0 = 0;
  int column0 = 0;
  bool horizontal = true;
  std::string word;
  int32_t points = 0;  // of a bare score

  bool operator==(const Answer&) const = default;
};

inline Answer moveAnswer(int row0, int column0, bool horizontal, std::string_view word) {
  Answer answer;
  answer.row0 = row0;
  answer.column0 = column0;
  answer.horizontal = horizontal;
  answer.word = std::string(word);
  return answer;
}

inline Answer scoreAnswer(int32_t points) {
  Answer answer;
  answer.bareScore = true;
  answer.points = points;
  return answer;
}

struct PlayersRecord {
  std::vector<Player> players;  // by number
  // (player number, 0-based turn index) -> that player's answer for the turn.
  std::map<std::pair<int, int>, Answer> answers;

  bool empty() const { return players.empty(); }
  const Player* find(int number) const;
  const Answer* answer(int number, int turnIndex) const;
};

// Empty text when `number` may be a player's number, else the Dutch message.
std::string checkPlayerNumber(int64_t number);

// Empty text when `name` may be a player's name (1..30 characters, no control
// characters, no ';'), else the Dutch message.
std::string checkPlayerName(std::string_view name);

// Adds the player or renames the one with that number. Returns the message of
// checkPlayerNumber or checkPlayerName and changes nothing when one refuses.
std::string setPlayer(PlayersRecord& record, int number, std::string_view name);

// Stores (or replaces) the player's answer for turn `turnIndex`. Refused with a
// Dutch message for an unknown player, a turn index outside 0..kTurnSlots-1, a
// score outside 0..99999, and a move the players file could not hold (no word,
// a square off the file's grid of A..Z and 1..999, white space or ';' in the word).
// The answer itself is judged later: a refused move is kept with its message.
std::string setAnswer(PlayersRecord& record, int number, int turnIndex, const Answer& answer);

// Takes the player and all of their answers away; false when there is no such player.
bool removePlayer(PlayersRecord& record, int number);

// The players of `from` added to `record` (or renamed there, by number); their
// answers are not taken over.
void takeOverPlayers(PlayersRecord& record, const PlayersRecord& from);

// The next free player number after the highest one; 0 when 999 is taken.
int nextPlayerNumber(const PlayersRecord& record);

// A turn deleted from the game takes its answers with it; the answers of later
// turns move one turn up with their turns.
void deleteTurnAnswers(PlayersRecord& record, int turnIndex);

// A turn inserted into a game of `turnCount` turns: the answers from `turnIndex`
// on move one turn down; those of the last turn are lost with it.
void insertTurnAnswers(PlayersRecord& record, int turnIndex, int turnCount);

}  // namespace kwarrel

// Judging the players' answers: each move on the board as it stands before its
// turn is laid, with that turn's draw, by the turn entry's own checks and the
// replay's scoring; each bare score against the top of its turn. Derived again
// after every change to the game, as the rest of the game is.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/game_state.h"
#include "players/players.h"

namespace kwarrel {

struct Judgement {
  bool refused = false;
  int32_t points = 0;   // 0 when refused
  std::string message;  // why it was refused
};

struct JudgedTurn {
  bool played = false;  // drawn, and every turn before it laid
  int32_t top = 0;      // the maximum of the turn
};

struct JudgedGame {
  std::vector<JudgedTurn> turns;  // one per turn of the game
  int turnsPlayed = 0;            // turns 0..turnsPlayed-1 are played: their answers are judged
  // Turns 0..turnsCounted-1 are laid as well and count in the standings; a turn
  // drawn but not laid yet is still being played, and nobody falls behind on it.
  int turnsCounted = 0;
  // (player number, turn index) -> the judgement of that answer.
  std::map<std::pair<int, int>, Judgement> judgements;

  const Judgement* judgement(int number, int turnIndex) const;
  // The points the player scored in the turn: 0 without an answer.
  int32_t points(int number, int turnIndex) const;
};

// The board of one turn as the players faced it, replayed once for all its
// answers on a scratch game of its own (the game itself is not touched).
class TurnJudge {
 public:
  explicit TurnJudge(const GameState& game);
  ~TurnJudge();
  TurnJudge(const TurnJudge&) = delete;
  TurnJudge& operator=(const TurnJudge&) = delete;

  // Replays the turns before `turnIndex`, gives the scratch game that turn's draw
  // and searches its top. Returns whether the turn is played.
  bool prepare(int turnIndex);
  int32_t top() const { return top_; }
  // Why the prepared turn is not played; empty when it is.
  const std::string& notPlayedMessage() const { return notPlayed_; }

  // How many of the first `count` turns of the game are laid, one after another.
  int laidTurns(int count);

  // Judges one answer for the prepared turn.
  Judgement judge(const Answer& answer);

 private:
  const GameState& game_;
  std::unique_ptr<GameState> scratch_;
  int turnIndex_ = -1;
  int32_t top_ = 0;
  std::string notPlayed_;
};

// Judges every answer of the record: each played turn replayed and searched once.
JudgedGame judgeGame(const GameState& game, const PlayersRecord& record);

}  // namespace kwarrel

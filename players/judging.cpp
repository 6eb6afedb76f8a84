#include "players/judging.h"

#include <algorithm>

#include "game/turn_cycle.h"
#include "game/turn_entry.h"
#include "search/score.h"

namespace kwarrel {

namespace {

std::string turnText(int turnIndex) { return "Beurt " + std::to_string(int64_t{turnIndex} + 1); }

Judgement refusal(std::string message) {
  Judgement judgement;
  judgement.refused = true;
  judgement.message = std::move(message);
  return judgement;
}

}  // namespace

const Judgement* JudgedGame::judgement(int number, int turnIndex) const {
  const auto found = judgements.find({number, turnIndex});
  return found == judgements.end() ? nullptr : &found->second;
}

int32_t JudgedGame::points(int number, int turnIndex) const {
  const Judgement* found = judgement(number, turnIndex);
  return found == nullptr ? 0 : found->points;
}

TurnJudge::TurnJudge(const GameState& game)
    : game_(game), scratch_(std::make_unique<GameState>(game.words)) {
  GameState& scratch = *scratch_;
  scratch.settings = game.settings;
  scratch.countTable = game.countTable;
  scratch.valueTable = game.valueTable;
  scratch.maxTurns = game.maxTurns;
  // Only the top is needed of each search.
  scratch.activeSlots = 1;
}

TurnJudge::~TurnJudge() = default;

bool TurnJudge::prepare(int turnIndex) {
  turnIndex_ = turnIndex;
  top_ = 0;
  notPlayed_.clear();
  if (turnIndex < 0 || turnIndex >= game_.maxTurns) {
    notPlayed_ = turnText(turnIndex) + " bestaat niet";
    return false;
  }
  // A turn counts as played when it and every turn before it were drawn, as the
  // listing lists them.
  for (int i = 0; i <= turnIndex; ++i) {
    if (game_.turns[i].rack.size() != kRackSize) {
      notPlayed_ = turnText(i) + " heeft geen trekking";
      return false;
    }
  }
  GameState& scratch = *scratch_;
  for (int i = 0; i < scratch.maxTurns; ++i) {
    if (i < turnIndex) {
      scratch.turns[i] = game_.turns[i];
    } else {
      scratch.turns[i].clear();
    }
  }
  scratch.turns[turnIndex].rack = game_.turns[turnIndex].rack;
  const int inProgress = recomputeAfresh(scratch);
  if (inProgress != turnIndex) {
    notPlayed_ = turnText(inProgress) + " is nog niet gelegd";
    return false;
  }
  top_ = scratch.results.empty() ? 0 : scratch.results.front().score;
  return true;
}

int TurnJudge::laidTurns(int count) {
  // The scratch game no longer holds a prepared turn.
  turnIndex_ = -1;
  top_ = 0;
  notPlayed_ = "Geen beurt voorbereid";
  GameState& scratch = *scratch_;
  for (int i = 0; i < scratch.maxTurns; ++i) {
    if (i < count) {
      scratch.turns[i] = game_.turns[i];
    } else {
      scratch.turns[i].clear();
    }
  }
  // The replay alone: nothing is searched.
  const int inProgress = replayGame(scratch);
  return inProgress < 0 ? count : std::min(inProgress, count);
}

Judgement TurnJudge::judge(const Answer& answer) {
  if (!notPlayed_.empty()) return refusal(notPlayed_);
  if (answer.bareScore) {
    if (answer.points < 0) return refusal("Score mag niet negatief zijn");
    if (answer.points > top_) {
      return refusal("Score hoger dan de top van beurt " + std::to_string(turnIndex_ + 1));
    }
    Judgement judgement;
    judgement.points = answer.points;
    return judgement;
  }
  if (answer.word.size() < 2) return refusal("Gelegd woord moet minstens 2 letters lang zijn");

  // Entered as the turn itself would be, then scored on the board before it; the
  // board is not replayed, so the turn is put back as it was.
  GameState& scratch = *scratch_;
  const Turn drawn = scratch.turns[turnIndex_];
  std::string message = enterTurn(scratch, turnIndex_, drawn.rack, answer.row0, answer.column0,
                                  answer.horizontal, answer.word, EntryCheck::Full);
  Judgement judgement;
  if (message.empty()) {
    const Turn& entered = scratch.turns[turnIndex_];
    judgement.points = scorePlayedWord(scratch, entered.row, entered.column,
                                       entered.horizontal != 0, entered.word);
  } else {
    judgement = refusal(std::move(message));
  }
  scratch.turns[turnIndex_] = drawn;
  return judgement;
}

JudgedGame judgeGame(const GameState& game, const PlayersRecord& record) {
  JudgedGame judged;
  judged.turns.resize(static_cast<size_t>(game.maxTurns));
  // By turn, so that each board is replayed and searched once for all its answers.
  std::vector<std::vector<std::pair<int, const Answer*>>> byTurn(judged.turns.size());
  for (const auto& [key, answer] : record.answers) {
    const int turnIndex = key.second;
    if (turnIndex < 0 || turnIndex >= game.maxTurns) {
      judged.judgements[key] = refusal(turnText(turnIndex) + " bestaat niet");
    } else {
      byTurn[turnIndex].push_back({key.first, &answer});
    }
  }
  TurnJudge judge(game);
  // Turns are played in order: once one is not, no later one is, for the same reason.
  std::string notPlayed;
  for (int t = 0; t < game.maxTurns; ++t) {
    if (notPlayed.empty()) {
      if (judge.prepare(t)) {
        judged.turns[t] = JudgedTurn{true, judge.top()};
        judged.turnsPlayed = t + 1;
      } else {
        notPlayed = judge.notPlayedMessage();
      }
    }
    for (const auto& [number, answer] : byTurn[t]) {
      judged.judgements[{number, t}] = notPlayed.empty() ? judge.judge(*answer) : refusal(notPlayed);
    }
  }
  judged.turnsCounted = judge.laidTurns(judged.turnsPlayed);
  return judged;
}

}  // namespace kwarrel

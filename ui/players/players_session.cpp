#include "ui/players/players_session.h"

namespace kwarrel::ui {

PlayersSession::PlayersSession(const GameState& game, QObject* parent)
    : QObject(parent), game_(game), turnJudge_(std::make_unique<TurnJudge>(game)) {}

PlayersSession::~PlayersSession() = default;

void PlayersSession::loaded(const QString& gamePath) {
  gamePath_ = gamePath;
  unsaved_ = false;
  gameChanged();
}

void PlayersSession::saved(const QString& gamePath) {
  gamePath_ = gamePath;
  unsaved_ = false;
}

void PlayersSession::gameChanged() {
  judgedStale_ = true;
  standingsStale_ = true;
  preparedTurn_ = -1;
  emit changed();
}

void PlayersSession::recordChanged() {
  unsaved_ = true;
  // The boards are as they were: only the answers need judging again.
  judgedStale_ = true;
  standingsStale_ = true;
  emit changed();
}

std::string PlayersSession::setPlayer(int number, std::string_view name) {
  std::string message = kwarrel::setPlayer(record_, number, name);
  if (message.empty()) recordChanged();
  return message;
}

void PlayersSession::removePlayer(int number) {
  if (kwarrel::removePlayer(record_, number)) recordChanged();
}

void PlayersSession::takeOver(const PlayersRecord& from) {
  if (from.players.empty()) return;
  takeOverPlayers(record_, from);
  recordChanged();
}

void PlayersSession::clearAnswers() {
  // The new game's refresh shows the rest.
  if (record_.answers.empty()) return;
  record_.answers.clear();
  recordChanged();
}

void PlayersSession::turnDeleted(int turnIndex) {
  if (record_.answers.empty()) return;
  deleteTurnAnswers(record_, turnIndex);
  recordChanged();
}

void PlayersSession::turnInserted(int turnIndex, int turnCount) {
  if (record_.answers.empty()) return;
  insertTurnAnswers(record_, turnIndex, turnCount);
  recordChanged();
}

std::string PlayersSession::enterSlip(int turnIndex, const SlipLine& slip) {
  const std::pair<int, int> key{slip.number, turnIndex};
  if (slip.noAnswer) {
    if (record_.find(slip.number) == nullptr) {
      return "Speler " + std::to_string(slip.number) + " bestaat niet";
    }
    record_.answers.erase(key);
    judged_.judgements.erase(key);
  } else {
    std::string message = setAnswer(record_, slip.number, turnIndex, slip.answer);
    if (!message.empty()) return message;
    if (!judgedStale_) {
      if (preparedTurn_ != turnIndex) {
        turnJudge_->prepare(turnIndex);
        preparedTurn_ = turnIndex;
      }
      judged_.judgements[key] = turnJudge_->judge(slip.answer);
    }
  }
  unsaved_ = true;
  standingsStale_ = true;
  emit slipEntered(slip.number, turnIndex);
  return {};
}

const JudgedGame& PlayersSession::judged() {
  if (judgedStale_) {
    judged_ = judgeGame(game_, record_);
    judgedStale_ = false;
    preparedTurn_ = -1;
  }
  return judged_;
}

const Klassement& PlayersSession::standings() {
  if (standingsStale_ || judgedStale_) {
    // A turn drawn but not laid yet counts only once it is laid (the judging
    // says so): its top is not shown before, and nobody falls behind on it while
    // the clock runs.
    standings_ = klassement(record_, judged());
    standingsStale_ = false;
  }
  return standings_;
}

}  // namespace kwarrel::ui

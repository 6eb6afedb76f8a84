// The players of the game in the window: their record held beside the GameState,
// whether it is saved, and its judgements and standings, derived again after
// every change of the game and kept up to date slip by slip in between.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "game/game_state.h"
#include "players/judging.h"
#include "players/players.h"
#include "players/slip_line.h"
#include "players/standings.h"

namespace kwarrel::ui {

class PlayersSession : public QObject {
  Q_OBJECT

 public:
  explicit PlayersSession(const kwarrel::GameState& game, QObject* parent = nullptr);
  ~PlayersSession() override;

  const kwarrel::PlayersRecord& record() const { return record_; }
  // For loading: the record is replaced as a whole; `changedAfterwards` tells the
  // views to show it.
  kwarrel::PlayersRecord& recordToLoad() { return record_; }
  void loaded(const QString& gamePath);
  void saved(const QString& gamePath);
  bool unsaved() const { return unsaved_; }
  // The game file the players belong to; empty before it was saved or loaded.
  const QString& gamePath() const { return gamePath_; }

  // The game changed: everything is judged again when it is next asked for.
  void gameChanged();

  // The record's own operations; each returns the Dutch message of a refusal.
  std::string setPlayer(int number, std::string_view name);
  void removePlayer(int number);
  void takeOver(const kwarrel::PlayersRecord& from);
  // A new game of the same evening: the players stay, their answers go.
  void clearAnswers();
  // A turn deleted from or inserted into the game moves the answers with it.
  void turnDeleted(int turnIndex);
  void turnInserted(int turnIndex, int turnCount);

  // Stores the slip for turn `turnIndex` (or takes the answer away) and judges it
  // on that turn's board, prepared once for all the slips of the turn.
  std::string enterSlip(int turnIndex, const kwarrel::SlipLine& slip);

  const kwarrel::JudgedGame& judged();
  // Over the turns laid: a turn drawn whose move is not laid yet is left out.
  const kwarrel::Klassement& standings();

 signals:
  // Anything changed: players, answers or the game.
  void changed();
  // Only this answer changed (emitted instead of changed()).
  void slipEntered(int number, int turnIndex);

 private:
  void recordChanged();

  const kwarrel::GameState& game_;
  kwarrel::PlayersRecord record_;
  bool unsaved_ = false;
  QString gamePath_;

  bool judgedStale_ = true;
  bool standingsStale_ = true;
  kwarrel::JudgedGame judged_;
  kwarrel::Klassement standings_;
  std::unique_ptr<kwarrel::TurnJudge> turnJudge_;
  int preparedTurn_ = -1;
};

}  // namespace kwarrel::ui

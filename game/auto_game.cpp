#include "game/auto_game.h"

#include <string>

#include "files/results_folder.h"
#include "game/draw.h"
#include "game/turn_cycle.h"

namespace kwarrel {

namespace {

// One kept result per search for the run; the full candidate list comes back and
// the window repaints on every way out.
class SingleSlotRun {
 public:
  explicit SingleSlotRun(GameState& state) : state_(state) { state_.activeSlots = 1; }
  ~SingleSlotRun() {
    state_.activeSlots = kMoveSlots;
    state_.observer->repaintNow();
  }
  SingleSlotRun(const SingleSlotRun&) = delete;
  SingleSlotRun& operator=(const SingleSlotRun&) = delete;

 private:
  GameState& state_;
};

}  // namespace

void autoGameCommand(GameState& state, const std::string& resultsFolder) {
  const SingleSlotRun run(state);
  state.results.clear();
  int t = recomputeGame(state);
  while (t >= 0 && t < state.maxTurns) {
    if (!state.observer->continueAutoGame(t)) return;
    // No pass at all when the setting is 0 or less. A draw that allowed no move is
    // kept only when no draw allowed one, so a stuck turn shows its letters.
    const DrawChoice choice = optimiseDraw(state, t, state.settings.optimisationLoops);
    const std::string& draw = choice.best.empty() ? choice.lastDraw : choice.best;
    const std::string rack = displayRack(state, draw);
    // The last pass may have searched this very rack; its results stand.
    if (draw.empty() || state.turns[t].rack != rack) searchRack(state, t, rack);
    if (state.results.empty()) {
      if (!draw.empty() && t != 0) recordStuckGame(state, t, draw, resultsFolder);
      return;
    }
    state.turns[t].play(state.results.front());
    state.observer->repaintNow();
    const int next = recomputeGame(state);
    // The played turn is replayed, so the turn in progress lies further on; stop
    // rather than play the same turn again should it not.
    if (next <= t) return;
    t = next;
  }
}

void autoGameCommand(GameState& state) { autoGameCommand(state, kResultsFolder); }

}  // namespace kwarrel

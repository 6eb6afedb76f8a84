// Whatever a hand-made file or an entry with every check skipped leaves in the
// turn table, the replay, the search, the entry checks, the automatic game and
// every report run without reading or writing outside anything (the sanitizer
// build checks) and keep their own promises.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "dict/word_graph.h"
#include "files/board_page.h"
#include "files/listing.h"
#include "files/turn_pages.h"
#include "game/auto_game.h"
#include "game/game_state.h"
#include "game/turn_cycle.h"
#include "game/turn_entry.h"
#include "game/validation.h"
#include "tests/report_games.h"

namespace kwarrel {
namespace {

class Garbage {
 public:
  explicit Garbage(uint32_t seed) : random_(seed) {}

  int number(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
  }
  bool coin() { return number(0, 1) == 1; }

  // Mostly letters and blanks, sometimes any byte; now and then far too long.
  std::string text(int maxLength) {
    std::string out(static_cast<size_t>(number(0, coin() ? maxLength : 20)), ' ');
    static const std::string kCommon = "AEIOUNRSTKLMaeiou+*QXYZ";
    for (char& c : out) {
      c = number(0, 9) == 0 ? static_cast<char>(number(0, 255))
                            : kCommon[static_cast<size_t>(number(0, static_cast<int>(kCommon.size()) - 1))];
    }
    return out;
  }

  void fill(GameState& state) {
    state.maxTurns = number(kMinMaxTurns, kTurnSlots);
    const int turns = number(0, state.maxTurns);
    for (int i = 0; i < turns; ++i) {
      Turn& turn = state.turns[i];
      turn.rack = number(0, 4) == 0 ? text(9) : text(20).substr(0, 7);
      if (number(0, 3) != 0) turn.rack.resize(7, 'E');
      turn.word = coin() ? text(18) : "";
      turn.row = number(-2, 17);
      turn.column = number(-2, 17);
      turn.horizontal = static_cast<uint8_t>(number(0, 1));
      turn.score = number(-5, 500);
    }
    if (coin()) {
      for (int code = 0; code <= 26; ++code) {
        state.countTable[code] = number(0, 12);
        state.valueTable[code] = code == 0 ? 0 : number(0, 99);
      }
    }
    state.settings.blankChar = coin() ? '*' : '+';
    state.settings.replaceFirstBlank = coin();
    state.settings.alphabeticalDraw = static_cast<uint8_t>(number(0, 1));
    state.settings.optimisationLoops = number(0, 3);
    state.settings.limitBlanks = coin();
    state.settings.blankEveryDraw = coin();
    state.settings.qNeedsU = coin();
  }

 private:
  std::mt19937 random_;
};

TEST(Robustness, GarbageTurnTablesRunClean) {
  report_games::ScratchFolder folder("garbage");
  for (uint32_t round = 0; round < 60; ++round) {
    Garbage garbage(round);
    auto state = std::make_unique<GameState>(builtInWordGraph());
    garbage.fill(*state);
    state->random.seed(round);

    const int inProgress = recomputeAfresh(*state);
    ASSERT_GE(inProgress, 0) << round;
    ASSERT_LE(inProgress, state->maxTurns) << round;
    // The total is the sum of the replayed turns and never a stray value.
    EXPECT_GE(state->totalScore, 0) << round;
    for (const Move& move : state->results) {
      EXPECT_TRUE(move.row >= 1 && move.row <= kBoardSize) << round;
      EXPECT_TRUE(move.column >= 'A' && move.column <= 'O') << round;
    }

    for (int attempt = 0; attempt < 6; ++attempt) {
      const int turn = garbage.number(-1, state->maxTurns);
      (void)validateTurn(*state, std::max(0, std::min(turn, state->maxTurns - 1)),
                         garbage.number(-3, 17), garbage.number(-3, 17), garbage.coin(),
                         garbage.coin(), garbage.text(8), garbage.text(17));
      const EntryCheck check = static_cast<EntryCheck>(garbage.number(0, 2));
      (void)enterTurn(*state, turn, garbage.text(8), garbage.number(-3, 17),
                      garbage.number(-3, 17), garbage.coin(), garbage.text(17), check);
    }
    recomputeAfresh(*state);

    (void)boardPageText(*state);
    (void)gameListingText(*state, round % 2 == 0);
    if (round % 4 == 0) {
      EXPECT_TRUE(writeTurnPages(*state, 0, "p", folder.file("p.htm"), true)) << round;
    }
    if (round % 3 == 0) {
      autoGameCommand(*state, "");
      EXPECT_LE(recomputeAfresh(*state), state->maxTurns);
    }
  }
}

}  // namespace
}  // namespace kwarrel

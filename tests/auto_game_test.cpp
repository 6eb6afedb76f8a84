// The automatic game: whole games played move by move with the best move of each
// draw, the cases where it stops, and what a stuck game leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "files/board_page.h"
#include "game/auto_game.h"
#include "game/board_ops.h"
#include "game/draw.h"
#include "game/game_state.h"
#include "game/turn_cycle.h"
#include "game/validation.h"

namespace kwarrel {
namespace {

namespace fs = std::filesystem;

// Looks at the game each time the window would repaint.
class WatchingObserver : public GameObserver {
 public:
  explicit WatchingObserver(const GameState& state) : state_(state) {}
  void repaintNow() override {
    ++repaints;
    if (state_.activeSlots != 1) ++repaintsWithFullList;
    for (const auto& moves : state_.squareMoves) {
      if (!moves.empty()) ++repaintsWithFiledMoves;
    }
  }
  int repaints = 0;
  int repaintsWithFullList = 0;
  int repaintsWithFiledMoves = 0;

 private:
  const GameState& state_;
};

class AutoGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder = fs::current_path() / ("auto_game_" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string read(const std::string& name) const {
    std::ifstream in(folder / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void play(GameState& state) { autoGameCommand(state, folder.string()); }

  static int playedTurns(const GameState& state) {
    int played = 0;
    for (int i = 0; i < state.maxTurns; ++i) played += state.turns[i].hasValidWord() ? 1 : 0;
    return played;
  }

  static void expectSameTurns(const GameState& first, const GameState& second) {
    for (int i = 0; i < first.maxTurns; ++i) {
      const Turn& a = first.turns[i];
      const Turn& b = second.turns[i];
      EXPECT_TRUE(a.rack == b.rack && a.word == b.word && a.row == b.row &&
                  a.column == b.column && a.horizontal == b.horizontal)
          << "beurt " << i + 1 << ": " << a.rack << " " << a.word << " / " << b.rack << " "
          << b.word;
    }
    EXPECT_EQ(first.totalScore, second.totalScore);
  }

  // Every played turn passes the full check of a typed-in turn, listed words included.
  static void expectLegalTurns(const GameState& state) {
    for (int i = 0; i < state.maxTurns && state.turns[i].hasValidWord(); ++i) {
      const Turn& turn = state.turns[i];
      ASSERT_EQ(turn.rack.size(), 7u) << i;
      EXPECT_TRUE(isListedWord(state.words, turn.word)) << turn.word;
      EXPECT_EQ(validateTurn(state, i, turn.row - 1, turn.column - 1, turn.horizontal != 0, false,
                             turn.rack, turn.word),
                "")
          << "beurt " << i + 1 << " " << turn.word;
    }
  }

  // Only the letters of HUIS, six Q and a Y: after HUIS at H8 the bag holds
  // QQQQQQY, which has a vowel and a consonant but forms no word anywhere.
  static void stuckAfterHuis(GameState& state) {
    state.countTable.fill(0);
    for (const char c : std::string("HUIS")) state.countTable[letterCode(c)] = 1;
    state.countTable[letterCode('Q')] = 6;
    state.countTable[letterCode('Y')] = 1;
    for (Turn& turn : state.turns) turn.clear();
    state.turns[0] = Turn{"HUISQQY", "HUIS", 8, 8, -1, 1};
  }

  fs::path folder;
};

TEST_F(AutoGameTest, PlaysWholeGameWithOneKeptResultPerSearch) {
  GameState state(builtInWordGraph());
  WatchingObserver observer(state);
  state.observer = &observer;
  state.random.seed(2002);
  play(state);

  const int played = playedTurns(state);
  EXPECT_GE(played, 15);
  EXPECT_EQ(state.activeSlots, kMoveSlots);
  EXPECT_EQ(observer.repaints, played + 1);  // each played turn and the end
  EXPECT_EQ(observer.repaintsWithFullList, 1);  // only the final repaint
  EXPECT_EQ(observer.repaintsWithFiledMoves, 0);
  EXPECT_EQ(state.stuckGameCounter, 0);

  expectLegalTurns(state);
}

TEST_F(AutoGameTest, PlaysLegalTurnsUnderEveryDrawOption) {
  GameState state(builtInWordGraph());
  state.settings.optimisationLoops = 4;
  state.settings.limitBlanks = true;
  state.settings.blankEveryDraw = true;
  state.settings.qNeedsU = true;
  state.settings.stopAtFirstBonzel = true;
  state.settings.blankChar = '+';
  state.random.seed(123456);
  play(state);
  EXPECT_GE(playedTurns(state), 15);
  EXPECT_EQ(state.activeSlots, kMoveSlots);
  expectLegalTurns(state);
}

TEST_F(AutoGameTest, OnePassDrawsOnceAndPlaysTheBestMove) {
  GameState state(builtInWordGraph());
  state.random.seed(31337);
  play(state);

  // The same game by hand: one draw per turn, its best move laid.
  GameState manual(builtInWordGraph());
  manual.random.seed(31337);
  manual.activeSlots = 1;
  for (int t = recomputeGame(manual); t < manual.maxTurns;) {
    const std::string draw = drawRack(manual);
    if (draw.empty()) break;
    manual.turns[t].rack = displayRack(manual, draw);
    manual.results.clear();
    recomputeGame(manual);
    if (manual.results.empty()) break;
    manual.turns[t].play(manual.results.front());
    t = recomputeGame(manual);
  }
  expectSameTurns(state, manual);
}

TEST_F(AutoGameTest, SameSeedPlaysSameGame) {
  GameState first(builtInWordGraph());
  GameState second(builtInWordGraph());
  for (GameState* state : {&first, &second}) {
    state->settings.optimisationLoops = 3;
    state->settings.alphabeticalDraw = 1;
    state->random.seed(4711);
    play(*state);
  }
  EXPECT_GT(playedTurns(first), 0);
  expectSameTurns(first, second);
  // Alphabetical display: the stored racks are sorted, blanks last.
  for (int i = 0; i < first.maxTurns; ++i) {
    const std::string& rack = first.turns[i].rack;
    const auto blanks = std::find(rack.begin(), rack.end(), '*');
    EXPECT_TRUE(std::is_sorted(rack.begin(), blanks)) << rack;
    EXPECT_TRUE(std::all_of(blanks, rack.end(), [](char c) { return c == '*'; })) << rack;
  }
}

TEST_F(AutoGameTest, StartsAtTheTurnInProgressAndKeepsEarlierTurns) {
  GameState state(builtInWordGraph());
  state.turns[0] = Turn{"KATHUIS", "HUIS", 8, 8, -1, 1};
  state.turns[1] = Turn{"BSEERNA", "BUS", 7, 9, -1, 0};
  state.random.seed(65535);
  play(state);

  EXPECT_EQ(state.turns[0].word, "HUIS");
  EXPECT_EQ(state.turns[0].rack, "KATHUIS");
  EXPECT_EQ(state.turns[1].word, "BUS");
  EXPECT_EQ(state.turns[1].row, 7);
  EXPECT_EQ(state.turns[1].column, 9);
  EXPECT_EQ(state.turns[1].horizontal, 0);
  EXPECT_TRUE(state.turns[2].hasValidWord());
  EXPECT_TRUE(isListedWord(state.words, state.turns[2].word)) << state.turns[2].word;
}

TEST_F(AutoGameTest, FullTableOnlyRestoresTheResultSlots) {
  GameState state(builtInWordGraph());
  WatchingObserver observer(state);
  state.observer = &observer;
  state.maxTurns = kMinMaxTurns;
  // Enough A's for every turn: a word the bag cannot supply would end the replay.
  state.countTable[letterCode('A')] = 2 * kMinMaxTurns;
  for (int i = 0; i < state.maxTurns; ++i) state.turns[i] = Turn{"AAAAAAA", "AA", i + 1, 1, -1, 1};
  state.activeSlots = 5;
  const uint32_t randomBefore = state.random.state();
  play(state);

  EXPECT_EQ(state.activeSlots, kMoveSlots);
  EXPECT_EQ(state.random.state(), randomBefore);  // nothing drawn
  EXPECT_EQ(observer.repaints, 1);
  for (int i = 0; i < state.maxTurns; ++i) {
    EXPECT_EQ(state.turns[i].rack, "AAAAAAA");
    EXPECT_EQ(state.turns[i].word, "AA");
  }
}

TEST_F(AutoGameTest, NoDrawEndsTheRunWithAnEmptyRack) {
  const auto noDraw = [&](const LetterCounts& counts, int loops) {
    GameState state(builtInWordGraph());
    state.countTable = counts;
    state.settings.optimisationLoops = loops;
    state.turns[0].rack = "XXXXXXX";  // a drawn turn 0 without a word
    play(state);
    EXPECT_EQ(state.turns[0].rack, "");
    EXPECT_FALSE(state.turns[0].hasValidWord());
    EXPECT_EQ(state.activeSlots, kMoveSlots);
    EXPECT_EQ(state.stuckGameCounter, 0);
  };
  LetterCounts sixTiles{};
  sixTiles[letterCode('A')] = 3;
  sixTiles[letterCode('B')] = 3;
  noDraw(sixTiles, 1);
  LetterCounts consonants{};
  consonants[letterCode('B')] = 10;
  consonants[letterCode('D')] = 10;
  noDraw(consonants, 5);
  noDraw(tilePreset(TilePreset::Nieuw).counts, 0);  // no pass at all

  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(AutoGameTest, StuckFirstTurnRecordsNothing) {
  GameState state(builtInWordGraph());
  state.countTable.fill(0);
  state.countTable[letterCode('Q')] = 6;
  state.countTable[letterCode('Y')] = 1;
  play(state);
  EXPECT_EQ(state.turns[0].rack.size(), 7u);
  EXPECT_FALSE(state.turns[0].hasValidWord());
  EXPECT_EQ(state.stuckGameCounter, 0);
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(AutoGameTest, StuckLaterTurnIsRecordedWithItsDraw) {
  GameState state(builtInWordGraph());
  WatchingObserver observer(state);
  state.observer = &observer;
  state.settings.alphabeticalDraw = 1;
  stuckAfterHuis(state);
  state.random.seed(9);

  // The draw the run will get, in drawn order.
  GameState twin(builtInWordGraph());
  stuckAfterHuis(twin);
  twin.random.seed(9);
  recomputeGame(twin);
  const std::string draw = drawRack(twin);
  ASSERT_EQ(draw.size(), 7u);
  ASSERT_NE(draw, "QQQQQQY");  // so that the log and the rack differ in order

  play(state);
  EXPECT_EQ(state.turns[1].rack, "QQQQQQY");  // display order
  EXPECT_FALSE(state.turns[1].hasValidWord());
  EXPECT_EQ(state.turns[0].word, "HUIS");
  EXPECT_EQ(state.stuckGameCounter, 1);
  EXPECT_EQ(state.activeSlots, kMoveSlots);
  EXPECT_EQ(observer.repaints, 1);
  EXPECT_EQ(read("0trekkingen.txt"), "1\t" + draw + "\n");
  EXPECT_EQ(read("NOBESTE_1.html"), boardPageText(state));
  EXPECT_NE(read("NOBESTE_1.html").find("<td>2.</td><td>QQQQQQY</td>"), std::string::npos);

  // A new game in the same run numbers its page on.
  stuckAfterHuis(state);
  play(state);
  EXPECT_EQ(state.stuckGameCounter, 2);
  EXPECT_TRUE(fs::exists(folder / "NOBESTE_2.html"));
  const std::string log = read("0trekkingen.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
}

}  // namespace
}  // namespace kwarrel

namespace kwarrel {
namespace {

// Stops the run when asked to play a given turn.
class StoppingObserver : public GameObserver {
 public:
  explicit StoppingObserver(int stopAt) : stopAt_(stopAt) {}
  bool continueAutoGame(int turnIndex) override { return turnIndex < stopAt_; }

 private:
  int stopAt_;
};

TEST(AutoGameStopTest, StopEndsTheRunWithTheGameCompleteUpToThere) {
  GameState state(builtInWordGraph());
  StoppingObserver observer(3);
  state.observer = &observer;
  state.random.seed(2002);
  autoGameCommand(state, "");

  for (int i = 0; i < 3; ++i) EXPECT_TRUE(state.turns[i].hasValidWord()) << i;
  EXPECT_TRUE(state.turns[3].rack.empty());
  EXPECT_EQ(state.activeSlots, kMoveSlots);
}

}  // namespace
}  // namespace kwarrel

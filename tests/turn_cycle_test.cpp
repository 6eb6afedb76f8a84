// Rebuilding a game from its turn table and drawing the next rack: which turns are
// replayed, what the turn list shows, when a search runs, and the draw passes.
#include <gtest/gtest.h>

#include "tests/report_games.h"

#include <string>
#include <vector>

#include "dict/word_graph.h"
#include "game/board_ops.h"
#include "game/draw.h"
#include "game/game_state.h"
#include "game/turn_cycle.h"

namespace kwarrel {
namespace {

class RecordingObserver : public GameObserver {
 public:
  void setWaitCursor(bool busy) override { waitCursor.push_back(busy); }
  void selectTurnRow(int turnIndex) override { selectedRows.push_back(turnIndex); }
  std::vector<bool> waitCursor;
  std::vector<int> selectedRows;
};

class TurnCycleTest : public ::testing::Test {
 protected:
  TurnCycleTest() : state(builtInWordGraph()) { state.observer = &observer; }

  void play(int i, const std::string& rack, const std::string& word, int row, int column,
            bool horizontal) {
    report_games::setTurn(state, i, rack, word, static_cast<char>(column + 64), row, horizontal);
  }

  // A result list no search of this game would produce.
  void markResults() {
    Move marker;
    marker.word = "MARKER";
    marker.score = 999;
    state.results = {marker};
  }
  bool resultsMarked() const {
    return state.results.size() == 1 && state.results[0].word == "MARKER";
  }

  RecordingObserver observer;
  GameState state;
};

TEST_F(TurnCycleTest, ReplayScoresTheTurnsAndWritesTheTurnList) {
  play(0, "HUISKAT", "HUIS", 8, 8, true);     // H8 across: H(4) U(4) I(1) S(2), centre x2
  play(1, "KATERSE", "HUISKAT", 8, 8, true);  // extends HUIS with KAT
  play(2, "ONTDEKT", "", -1, -1, true);       // drawn, not played
  const int inProgress = recomputeGame(state);

  EXPECT_EQ(inProgress, 2);
  EXPECT_EQ(state.turns[0].score, (4 + 4 + 1 + 2) * 2);
  EXPECT_EQ(state.turns[1].score, 11 + 3 * 2 + 1 + 2);  // K on a double letter
  EXPECT_EQ(state.totalScore, state.turns[0].score + state.turns[1].score);
  EXPECT_EQ(state.turnListRows[0], (TurnListRow{"HUISKAT", "HUIS", "H8", "H", "22"}));
  EXPECT_EQ(state.turnListRows[1][2], "H8");
  EXPECT_EQ(state.turnListRows[2], (TurnListRow{"ONTDEKT", "", "", "", ""}));
  EXPECT_EQ(state.currentDraw, "ONTDEKT");
  EXPECT_EQ(state.displayGrid[7][7].shown, 'H');
  EXPECT_EQ(state.displayGrid[7][7].turnIndex, 0);
  EXPECT_EQ(state.displayGrid[7][13].shown, 'T');
  EXPECT_EQ(state.displayGrid[7][13].turnIndex, 1);
  EXPECT_EQ(state.pool[letterCode('H')], state.countTable[letterCode('H')] - 1);
  // The drawn turn was searched.
  EXPECT_EQ(state.searchedTurn, 2);
  EXPECT_FALSE(state.results.empty());

  // With the last replayed turn played, nothing is left in progress on the rack.
  state.turns[2].rack.clear();
  recomputeGame(state);
  EXPECT_EQ(state.currentDraw, "");
}

TEST_F(TurnCycleTest, WordRunningPastTheEdgeEndsTheReplay) {
  play(0, "HUISKAT", "HUIS", 8, 8, true);
  play(1, "KATERSE", "KATER", 8, 13, true);  // M8..Q8: past square 15
  play(2, "ONTDEKT", "KAT", 9, 8, true);
  for (int i = 1; i <= 2; ++i) state.turnListRows[i][4] = "old";
  state.turns[1].score = 77;
  state.turns[2].score = 88;
  state.turnListRows[2][1] = "oud";

  EXPECT_EQ(recomputeGame(state), 1);
  EXPECT_EQ(state.totalScore, state.turns[0].score);
  // The stopping turn shows its word, square and direction, not a fresh score.
  EXPECT_EQ(state.turnListRows[1], (TurnListRow{"KATERSE", "KATER", "M8", "H", "old"}));
  EXPECT_EQ(state.turns[1].score, 77);
  // Later turns are not replayed and keep their old texts.
  EXPECT_EQ(state.turnListRows[2][1], "oud");
  EXPECT_EQ(state.turns[2].score, 88);
  EXPECT_EQ(state.displayGrid[8][7].shown, '?');
  EXPECT_EQ(state.searchedTurn, 1);  // its seven letters are searched

  // A word whose square was never set cannot lie on the board either.
  play(1, "KATERSE", "KATER", -1, -1, true);
  EXPECT_EQ(recomputeGame(state), 1);
  EXPECT_EQ(state.totalScore, state.turns[0].score);

  // Nor can a word with a character that is no letter: it is neither scored nor
  // partly laid, so no later word can be put over a square it seemed to cover.
  for (const char* word : {"KAT\xC9R", "KA-ER", "KAT[R", "KAT{R"}) {
    play(1, "KATERSE", word, 9, 8, true);
    EXPECT_EQ(recomputeGame(state), 1) << word;
    EXPECT_EQ(state.totalScore, state.turns[0].score) << word;
    EXPECT_EQ(state.displayGrid[8][7].shown, '?') << word;
  }
}

// A word the pool cannot supply (a tile set without one of its letters, or with
// no blank left) is no more laid than a word off the board: the replay ends there
// unscored, and the board and pool stay those of the turns before it.
TEST_F(TurnCycleTest, WordThePoolCannotSupplyEndsTheReplay) {
  state.countTable[letterCode('K')] = 0;
  play(0, "HUISKAT", "HUIS", 8, 8, true);
  play(1, "KATERSE", "HUISKAT", 8, 8, true);  // its K has no tile
  play(2, "ONTDEKT", "HUIS", 8, 8, true);
  state.turns[1].score = 77;
  state.turnListRows[1][4] = "old";
  state.turns[2].score = 88;

  EXPECT_EQ(recomputeGame(state), 1);
  EXPECT_EQ(state.turns[0].score, 22);
  EXPECT_EQ(state.totalScore, 22);
  EXPECT_EQ(state.turns[1].score, 77);
  EXPECT_EQ(state.turnListRows[1], (TurnListRow{"KATERSE", "HUISKAT", "H8", "H", "old"}));
  EXPECT_EQ(state.turns[2].score, 88);
  for (int column = 12; column <= 14; ++column) {
    EXPECT_TRUE(state.board.at(8, column).empty) << column;
    EXPECT_EQ(state.displayGrid[7][column - 1].shown, '?') << column;
  }
  LetterCounts pool = state.countTable;
  for (const char c : std::string("HUIS")) --pool[letterCode(c)];
  EXPECT_EQ(state.pool, pool);
  EXPECT_EQ(state.searchedTurn, 1);

  // So does a blank the pool no longer holds, even after some tiles of the word
  // were taken: none of them stays on the board.
  state.countTable[letterCode('K')] = 2;
  state.countTable[letterCode('T')] = 0;
  state.countTable[0] = 0;
  play(1, "KATERSE", "HUISKAt", 8, 8, true);
  EXPECT_EQ(recomputeGame(state), 1);
  EXPECT_EQ(state.totalScore, 22);
  EXPECT_TRUE(state.board.at(8, 12).empty);
  EXPECT_TRUE(state.board.at(8, 13).empty);
  pool = state.countTable;
  for (const char c : std::string("HUIS")) --pool[letterCode(c)];
  EXPECT_EQ(state.pool, pool);

  // With the tiles there, the same turns score as usual.
  state.countTable[0] = 2;
  EXPECT_EQ(recomputeGame(state), 3);
  EXPECT_GT(state.turns[1].score, 0);
  EXPECT_EQ(state.turns[2].score, 11);  // no new tile: the letters on the board
}

TEST_F(TurnCycleTest, OnlyASevenLetterRackIsSearched) {
  play(0, "HUISKAT", "HUIS", 8, 8, true);
  state.turns[1].rack = "KATER";
  markResults();
  const int before = state.searchedTurn;
  EXPECT_EQ(recomputeGame(state), 1);
  EXPECT_TRUE(resultsMarked());
  EXPECT_EQ(state.searchedTurn, before);

  state.turns[1].rack = "KATERSE";
  EXPECT_EQ(recomputeGame(state), 1);
  EXPECT_FALSE(resultsMarked());
  EXPECT_FALSE(state.results.empty());
  EXPECT_EQ(state.searchedTurn, 1);
}

TEST_F(TurnCycleTest, PlayedWordWithoutRackIsReplayedAndInProgress) {
  play(0, "", "HUIS", 8, 8, true);
  play(1, "KATERSE", "", -1, -1, true);
  EXPECT_EQ(recomputeGame(state), 0);
  EXPECT_EQ(state.turns[0].score, 22);
  EXPECT_EQ(state.displayGrid[7][8].shown, 'U');
  EXPECT_EQ(state.currentDraw, "KATERSE");
}

TEST_F(TurnCycleTest, FullTableIsNotSearched) {
  state.maxTurns = kMinMaxTurns;
  // The same word over and over lays no new tile after the first time.
  for (int i = 0; i < state.maxTurns; ++i) play(i, "HUISKAT", "HUIS", 8, 8, true);
  markResults();
  EXPECT_EQ(recomputeGame(state), state.maxTurns);
  EXPECT_TRUE(resultsMarked());
  EXPECT_EQ(state.currentDraw, "");
}

TEST_F(TurnCycleTest, DrawAndSearchChangesNothingWhenThePoolAllowsNoDraw) {
  play(0, "HUISKAT", "HUIS", 8, 8, true);
  state.countTable.fill(0);
  state.countTable[letterCode('H')] = 1;
  state.countTable[letterCode('U')] = 1;
  state.countTable[letterCode('I')] = 1;
  state.countTable[letterCode('S')] = 1;
  state.countTable[letterCode('E')] = 5;  // after HUIS: five vowels only
  drawAndSearch(state);
  EXPECT_EQ(state.turns[1].rack, "");
  EXPECT_EQ(state.currentDraw, "");
  EXPECT_TRUE(observer.selectedRows.empty());
  EXPECT_EQ(observer.waitCursor, (std::vector<bool>{true, false}));

  state.countTable.fill(0);  // an empty pool
  drawAndSearch(state);
  EXPECT_EQ(state.turns[1].rack, "");
  EXPECT_TRUE(observer.selectedRows.empty());
}

TEST_F(TurnCycleTest, DrawAndSearchStoresTheDrawAndItsSearch) {
  state.random.seed(7);
  state.settings.alphabeticalDraw = 1;
  drawAndSearch(state);
  const std::string rack = state.turns[0].rack;
  ASSERT_EQ(rack.size(), 7u);
  EXPECT_EQ(state.currentDraw, rack);
  EXPECT_EQ(displayRack(state, rack), rack);  // stored in alphabetical order
  EXPECT_EQ(state.searchedTurn, 0);
  EXPECT_EQ(observer.selectedRows, (std::vector<int>{0}));
  EXPECT_EQ(observer.waitCursor, (std::vector<bool>{true, false}));

  // A full table draws nothing.
  state.maxTurns = kMinMaxTurns;
  for (int i = 0; i < state.maxTurns; ++i) play(i, "HUISKAT", "HUIS", 8, 8, true);
  drawAndSearch(state);
  EXPECT_EQ(observer.selectedRows.size(), 1u);
}

TEST_F(TurnCycleTest, MorePassesKeepTheRicherDraw) {
  play(0, "HUISKAT", "HUIS", 8, 8, true);
  GameState single(builtInWordGraph());
  single.turns = state.turns;
  single.random.seed(3);
  drawAndSearch(single);
  const int singleBest = single.results.empty() ? 0 : single.results.front().score;

  state.random.seed(3);  // the first pass draws the same rack
  state.settings.optimisationLoops = 20;
  drawAndSearch(state);
  recomputeAfresh(state);
  ASSERT_FALSE(state.results.empty());
  EXPECT_GE(state.results.front().score, singleBest);
}

TEST_F(TurnCycleTest, StopAtFirstBonzelEndsThePasses) {
  // The bag holds exactly HUISKAT: every pass draws it whole with seven random numbers,
  // and its best first move lays all seven.
  state.countTable.fill(0);
  for (const char c : std::string("HUISKAT")) ++state.countTable[letterCode(c)];
  state.settings.optimisationLoops = 5;
  const uint32_t seed = state.random.state();

  state.settings.stopAtFirstBonzel = true;
  drawAndSearch(state);
  CRandom onePass(seed);
  for (int i = 0; i < 7; ++i) onePass.next();
  EXPECT_EQ(state.random.state(), onePass.state());
  EXPECT_NE(state.bonusFlag, 0);

  state.turns[0].rack.clear();
  state.random.seed(seed);
  state.settings.stopAtFirstBonzel = false;
  drawAndSearch(state);
  CRandom fivePasses(seed);
  for (int i = 0; i < 35; ++i) fivePasses.next();
  EXPECT_EQ(state.random.state(), fivePasses.state());
}

TEST_F(TurnCycleTest, BlankLimitingSwapsUsedBlanksForLettersInTheBag) {
  state.settings.blankChar = '*';
  recomputeGame(state);
  Move move;
  move.word = "hUiS";
  move.row = 8;
  move.column = 'H';
  move.horizontal = 1;

  std::string best = "*U*SKAT";
  EXPECT_TRUE(limitDrawnBlanks(state, best, move));
  EXPECT_EQ(best, "HUISKAT");

  // No H left in the bag: the h stays a blank letter, so the first drawn blank
  // becomes the I and the second finds nothing more.
  state.pool[letterCode('H')] = 0;
  best = "*U*SKAT";
  EXPECT_TRUE(limitDrawnBlanks(state, best, move));
  EXPECT_EQ(best, "IU*SKAT");

  // A move without blank letters replaces nothing.
  move.word = "HUIS";
  best = "*U*SKAT";
  EXPECT_FALSE(limitDrawnBlanks(state, best, move));
  EXPECT_EQ(best, "*U*SKAT");
}

TEST_F(TurnCycleTest, BlankLimitingIgnoresBlanksAlreadyOnTheBoard) {
  state.settings.blankChar = '*';
  state.countTable[letterCode('S')] = 0;  // so the S of HUIs stays a blank on K8
  play(0, "HUIKA**", "HUIs", 8, 8, true);
  recomputeGame(state);
  ASSERT_EQ(state.displayGrid[7][10].shown, 's');
  state.pool[letterCode('S')] = 3;  // as if S tiles were still in the bag

  // HUIsKAT across: only K, A and T are new.
  Move move;
  move.word = "HUIskaT";
  move.row = 8;
  move.column = 'H';
  move.horizontal = 1;
  std::string best = "*T*EEEE";
  EXPECT_TRUE(limitDrawnBlanks(state, best, move));
  // The board's blank s is passed over: the drawn blanks were the k and the a.
  EXPECT_EQ(best, "KTAEEEE");
}

// The draw passes as they would run with every draw searched in full.
DrawChoice everyDrawInFull(GameState& state, int turnIndex, int passes) {
  DrawChoice choice;
  int32_t bestScore = -1;
  for (int pass = 0; pass < passes; ++pass) {
    const std::string draw = drawRack(state);
    if (draw.empty()) break;
    choice.lastDraw = draw;
    searchRack(state, turnIndex, draw);
    if (state.results.empty() || state.results.front().score <= bestScore) continue;
    choice.best = draw;
    bestScore = state.results.front().score;
    if (state.settings.limitBlanks &&
        limitDrawnBlanks(state, choice.best, state.results.front())) {
      searchRack(state, turnIndex, choice.best);
      if (!state.results.empty()) bestScore = state.results.front().score;
    }
    if (state.settings.stopAtFirstBonzel && !state.results.empty() && state.bonusFlag != 0) break;
  }
  return choice;
}

// A game of best moves, the same for every seed.
int playBestMoves(GameState& state, uint32_t seed, int turns, int32_t blanksInBag) {
  state.random.seed(seed);
  state.activeSlots = 1;
  int turn = recomputeGame(state);
  while (turn < turns) {
    const std::string draw = drawRack(state);
    if (draw.empty()) break;
    searchRack(state, turn, draw);
    if (state.results.empty()) break;
    state.turns[turn].play(state.results.front());
    turn = recomputeGame(state);
  }
  state.countTable[0] = blanksInBag;
  return recomputeGame(state);
}

// Draws that cannot beat the best so far are ruled out without a full search;
// what the passes keep, and the search they leave, stay as though every draw had
// been searched in full.
TEST(DrawPassesTest, KeepWhatSearchingEveryDrawInFullKeeps) {
  struct Case {
    uint32_t seed;
    int turns;
    int32_t blanks;
    bool limitBlanks;
    bool stopAtFirstBonzel;
    int32_t slots;
  };
  const Case cases[] = {
      {1, 6, 2, false, false, 1}, {2, 9, 2, true, false, 1},   {3, 12, 0, false, false, 80},
      {4, 7, 2, false, true, 1},  {5, 10, 2, true, true, 80}, {6, 4, 1, false, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("seed " + std::to_string(c.seed));
    GameState bounded(builtInWordGraph());
    GameState full(builtInWordGraph());
    for (GameState* state : {&bounded, &full}) {
      state->settings.limitBlanks = c.limitBlanks;
      state->settings.stopAtFirstBonzel = c.stopAtFirstBonzel;
    }
    const int turn = playBestMoves(bounded, c.seed, c.turns, c.blanks);
    ASSERT_EQ(playBestMoves(full, c.seed, c.turns, c.blanks), turn);
    ASSERT_GT(turn, 0);
    bounded.activeSlots = full.activeSlots = c.slots;
    bounded.random.seed(c.seed + 100);
    full.random.seed(c.seed + 100);

    const DrawChoice got = optimiseDraw(bounded, turn, 60);
    const DrawChoice expected = everyDrawInFull(full, turn, 60);
    EXPECT_EQ(got.best, expected.best);
    EXPECT_EQ(got.lastDraw, expected.lastDraw);
    EXPECT_EQ(bounded.random.state(), full.random.state());
    EXPECT_EQ(bounded.turns[turn].rack, full.turns[turn].rack);
    EXPECT_EQ(bounded.bonusFlag, full.bonusFlag);
    ASSERT_EQ(bounded.results.size(), full.results.size());
    for (size_t i = 0; i < full.results.size(); ++i) {
      EXPECT_EQ(bounded.results[i].word, full.results[i].word);
      EXPECT_EQ(bounded.results[i].score, full.results[i].score);
    }
    for (int square = 0; square < kSquareCount; ++square) {
      EXPECT_EQ(bounded.squareMoves[square].size(), full.squareMoves[square].size());
    }
  }
}

}  // namespace
}  // namespace kwarrel

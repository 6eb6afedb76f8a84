// The best-move search: every legal placement found, scored exactly, kept and listed
// in the order a game master sees in the candidate list.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dict/graph_packer.h"
#include "game/board_ops.h"
#include "game/game_state.h"
#include "search/move_bounds.h"
#include "search/search.h"
#include "search/search_variants.h"
#include "search/square_moves.h"
#include "tests/move_reference.h"

namespace kwarrel {
namespace {

using testing::describe;
using testing::ReferenceMove;

class SearchTest : public ::testing::Test {
 protected:
  SearchTest() : state(builtInWordGraph()) { resetBoard(state); }

  void setRack(std::string_view letters) {
    state.rackCounts.fill(0);
    for (const char c : letters) ++state.rackCounts[c == '*' ? 0 : letterCode(c)];
  }
  // Lays a word of real tiles, column 1..15.
  void lay(int row, int column, bool horizontal, std::string_view word) {
    ASSERT_EQ(placeMove(state, row, column, horizontal, word), word);
  }
  std::vector<Move> search() {
    std::vector<Move> results;
    clearSquareMoves(state);
    computeCrossChecks(state);
    searchBoard(state, results);
    return results;
  }
  std::vector<Move> searchFirst() {
    std::vector<Move> results;
    clearSquareMoves(state);
    searchFirstMove(state, results);
    return results;
  }
  std::vector<Move> allFiled() const {
    std::vector<Move> all;
    for (const auto& moves : state.squareMoves) all.insert(all.end(), moves.begin(), moves.end());
    return all;
  }
  static std::vector<std::string> texts(const std::vector<Move>& moves) {
    std::vector<std::string> out;
    for (const Move& move : moves) out.push_back(describe(move));
    return out;
  }

  GameState state;
};

TEST_F(SearchTest, EmptyBoardOffersNoAnchorAndFirstMovesOnlyInRowEight) {
  setRack("KWARREL");
  EXPECT_TRUE(search().empty());
  EXPECT_TRUE(allFiled().empty());

  const std::vector<Move> results = searchFirst();
  ASSERT_FALSE(results.empty());
  // Every word of length d lies in row 8 in exactly d placements that cover H8.
  std::map<std::string, std::set<int>> starts;
  for (const Move& move : allFiled()) {
    EXPECT_EQ(move.row, 8) << describe(move);
    EXPECT_EQ(move.horizontal, 1) << describe(move);
    EXPECT_TRUE(starts[move.word].insert(move.column - 'A' + 1).second) << describe(move);
  }
  for (const auto& [word, columns] : starts) {
    const int d = static_cast<int>(word.size());
    ASSERT_EQ(static_cast<int>(columns.size()), d) << word;
    EXPECT_EQ(*columns.begin(), 8 - d + 1) << word;
    EXPECT_EQ(*columns.rbegin(), 8) << word;
  }
  EXPECT_EQ(starts.count("KWARREL"), 1u);
}

// With the board A on H8 and G9 and an L on the rack, the L can make LA or AL in
// eight ways; on G8 and H9 it makes a word both ways at once.
TEST_F(SearchTest, SlotsKeepTheFirstOfEqualScoresAndListThemInVisitingOrder) {
  ASSERT_TRUE(isListedWord(state.words, "LA"));
  ASSERT_TRUE(isListedWord(state.words, "AL"));
  lay(8, 8, true, "A");
  lay(9, 7, true, "A");
  setRack("L");

  EXPECT_EQ(texts(search()),
            (std::vector<std::string>{"LA G8h 8", "AL G9h 8", "LA G8v 8", "AL H8v 8", "AL H8h 4",
                                      "LA F9h 4", "AL G9v 4", "LA H7v 4"}));

  // Two slots: LA F9 (4) does not push out AL H8 (4); AL G9 (8) replaces it.
  state.activeSlots = 2;
  EXPECT_EQ(texts(search()), (std::vector<std::string>{"LA G8h 8", "AL G9h 8"}));
  state.activeSlots = 1;
  EXPECT_EQ(texts(search()), (std::vector<std::string>{"LA G8h 8"}));
  EXPECT_TRUE(allFiled().empty()) << "one slot files nothing per square";
}

TEST_F(SearchTest, BlankAndRealLetterAreSeparateCandidates) {
  lay(8, 8, true, "D");
  setRack("E*");
  search();
  const std::vector<std::string> found = texts(state.squareMoves[7 * kBoardSize + 7]);
  EXPECT_NE(std::find(found.begin(), found.end(), "DE H8h 3"), found.end());
  EXPECT_NE(std::find(found.begin(), found.end(), "De H8h 2"), found.end());
}

TEST_F(SearchTest, MovesWorthNothingAreFiledButNeverListed) {
  // A blank D on the board and only a blank on the rack: every move scores 0.
  Cell& centre = state.board.at(8, 8);
  centre.empty = 0;
  centre.letter = static_cast<uint8_t>(letterCode('D'));
  centre.points = 0;
  setRack("*");
  EXPECT_TRUE(search().empty());
  const std::vector<Move> filed = allFiled();
  ASSERT_FALSE(filed.empty());
  for (const Move& move : filed) EXPECT_EQ(move.score, 0) << describe(move);
  // Slots hold their old words between searches; only fresh scores are listed.
  setRack("E");
  EXPECT_FALSE(search().empty());
  setRack("*");
  EXPECT_TRUE(search().empty());
}

TEST_F(SearchTest, SearchLeavesRackAndBlankFlagsAsItFoundThem) {
  lay(8, 6, true, "WOORD");
  setRack("EE**RST");
  const LetterCounts rack = state.rackCounts;
  state.blankFlags.fill(0);
  state.blankFlags[3] = 1;
  const auto flags = state.blankFlags;
  EXPECT_FALSE(search().empty());
  EXPECT_EQ(state.rackCounts, rack);
  EXPECT_EQ(state.blankFlags, flags);
}

TEST_F(SearchTest, CrossChecksAllowExactlyTheLettersThatMakeAWord) {
  lay(8, 8, true, "A");
  lay(10, 8, true, "N");
  lay(8, 2, false, "KA");  // B8, B9
  computeCrossChecks(state);
  const auto expectSet = [&](uint32_t set, const std::string& before, const std::string& after) {
    for (int k = 1; k <= 26; ++k) {
      const std::string word = before + static_cast<char>('A' + k - 1) + after;
      EXPECT_EQ((set >> k) & 1u, isListedWord(state.words, word) ? 1u : 0u) << word;
    }
    EXPECT_EQ(set & 0xF8000001u, 0xF8000001u) << "bits without a letter stay set";
  };
  expectSet(state.board.at(9, 8).downCheck, "A", "N");  // between two tiles
  expectSet(state.board.at(7, 8).downCheck, "", "A");   // before a tile
  expectSet(state.board.at(8, 9).acrossCheck, "A", "");
  expectSet(state.board.at(10, 2).downCheck, "KA", "");
  // A square that touches nothing in one direction stays open in that direction.
  EXPECT_EQ(state.board.at(9, 8).acrossCheck, kAllLetters);
  EXPECT_EQ(state.board.at(1, 1).downCheck, kAllLetters);
}

// The heart of it: on positions reached by seeded self-play, with racks of no, one
// and two blanks, the search must find exactly what a brute-force enumerator finds
// (every start, direction, length and letter assignment, each word looked up), with
// the same scores, and keep and list them as the slot rules say.
TEST_F(SearchTest, FindsEveryLegalPlacementLikeBruteForce) {
  struct Case {
    unsigned seed;
    int turns;
    int blanks;
  };
  const Case cases[] = {
      {1, 0, 0},  {2, 0, 1},  {3, 0, 2},  {4, 1, 0},  {5, 2, 0},  {6, 3, 1},  {7, 4, 0},
      {8, 5, 0},  {9, 6, 1},  {10, 7, 0}, {11, 8, 0}, {12, 9, 1}, {13, 10, 0}, {14, 12, 0},
      {15, 14, 1}, {16, 16, 0}, {17, 3, 2}, {18, 9, 2}, {19, 18, 0}, {20, 20, 1},
      {21, 22, 0},
  };
  int crowded = 0;  // positions with more candidates than slots
  for (const Case& c : cases) {
    SCOPED_TRACE("seed " + std::to_string(c.seed) + ", " + std::to_string(c.turns) +
                 " turns, " + std::to_string(c.blanks) + " blanks");
    testing::playSeededTurns(state, c.seed, c.turns);
    const bool first = c.turns == 0;
    const LetterCounts rack = testing::randomRack(state, c.blanks);
    const std::vector<ReferenceMove> expected = testing::enumerateMoves(state, rack, first);

    state.rackCounts = rack;
    state.activeSlots = kMoveSlots;
    const std::vector<Move> results = first ? searchFirst() : search();

    // Best score and the set of best moves.
    int best = 0;
    for (const ReferenceMove& move : expected) best = std::max(best, move.score);
    std::set<std::string> bestExpected;
    for (const ReferenceMove& move : expected) {
      if (move.score == best && best > 0) bestExpected.insert(describe(move));
    }
    // Ties for the best may outnumber the slots; the per-square lists hold them all.
    std::set<std::string> bestFound;
    for (const Move& move : allFiled()) {
      if (move.score == best) bestFound.insert(describe(move));
    }
    ASSERT_EQ(bestFound, bestExpected);
    if (best > 0) {
      ASSERT_FALSE(results.empty());
      EXPECT_EQ(results.front().score, best);
    }

    // Every candidate, filed under its first square in visiting order.
    std::vector<std::vector<std::string>> expectedBySquare(kSquareCount);
    for (const ReferenceMove& move : expected) {
      expectedBySquare[(move.row - 1) * kBoardSize + move.column - 1].push_back(describe(move));
    }
    for (int square = 0; square < kSquareCount; ++square) {
      ASSERT_EQ(texts(state.squareMoves[square]), expectedBySquare[square])
          << "square " << static_cast<char>('A' + square % kBoardSize) << square / kBoardSize + 1;
    }

    // The result list: what 80 slots keep, in emitting order.
    std::vector<std::string> kept;
    for (const ReferenceMove& move : testing::keptResults(expected, kMoveSlots)) {
      kept.push_back(describe(move));
    }
    EXPECT_EQ(texts(results), kept);
    if (expected.size() > static_cast<size_t>(kMoveSlots)) ++crowded;

    // One slot: the first move found with the best score.
    state.activeSlots = 1;
    const std::vector<Move> single = first ? searchFirst() : search();
    std::vector<std::string> keptOne;
    for (const ReferenceMove& move : testing::keptResults(expected, 1)) {
      keptOne.push_back(describe(move));
    }
    EXPECT_EQ(texts(single), keptOne);
    EXPECT_EQ(state.rackCounts, rack);
    state.activeSlots = kMoveSlots;
  }
  EXPECT_GE(crowded, 10) << "the slot replacement rule needs full slot tables";
}

// A blank given a value (a hand-made configuration file) scores it when it is
// laid; a blank on the board counts nothing. The search, its score bounds and the
// brute-force reference agree on it, the first move included.
TEST_F(SearchTest, BlankWithAValueScoresItWhenLaidAndNothingOnTheBoard) {
  int blankMoves = 0;
  for (unsigned seed = 70; seed < 80; ++seed) {
    const int turns = seed % 5 == 0 ? 0 : static_cast<int>(seed % 11);
    SCOPED_TRACE("seed " + std::to_string(seed));
    state.valueTable[0] = 0;
    testing::playSeededTurns(state, seed, turns);
    state.valueTable[0] = 3;
    const LetterCounts rack = testing::randomRack(state, 1 + static_cast<int>(seed % 2));
    const bool first = turns == 0;
    const std::vector<ReferenceMove> expected = testing::enumerateMoves(state, rack, first);
    state.rackCounts = rack;
    state.activeSlots = kMoveSlots;
    const std::vector<Move> results = first ? searchFirst() : search();
    std::vector<std::vector<std::string>> expectedBySquare(kSquareCount);
    for (const ReferenceMove& move : expected) {
      expectedBySquare[(move.row - 1) * kBoardSize + move.column - 1].push_back(describe(move));
      blankMoves += std::any_of(move.word.begin(), move.word.end(), isLowerLetter) ? 1 : 0;
    }
    for (int square = 0; square < kSquareCount; ++square) {
      ASSERT_EQ(texts(state.squareMoves[square]), expectedBySquare[square]) << "square " << square;
    }
    ASSERT_FALSE(results.empty());
    if (first) continue;
    // The bounds still hold: just below the best, its anchor is searched.
    const MoveBounds bounds(state.board);
    AnchorDepths depths{};
    ASSERT_TRUE(bounds.movesAbove(rack, state.valueTable, results.front().score - 1, depths));
    clearSquareMoves(state);
    std::vector<Move> within;
    searchBoardWithin(state, depths, within);
    ASSERT_FALSE(within.empty());
    EXPECT_EQ(within.front().score, results.front().score);
  }
  EXPECT_GT(blankMoves, 100);

  // On an empty board with the rack KWAERS and a blank: the blank as K on G8 adds
  // 3 to the word, doubled on H8.
  resetBoard(state);
  setRack("KWAERS*");
  state.valueTable[0] = 0;
  searchFirst();
  const std::vector<Move> plain = allFiled();
  state.valueTable[0] = 3;
  searchFirst();
  const std::vector<Move> valued = allFiled();
  const auto scoreOf = [](const std::vector<Move>& moves, const std::string& word, char column) {
    for (const Move& move : moves) {
      if (move.word == word && move.column == column) return move.score;
    }
    return -1;
  };
  ASSERT_GT(scoreOf(plain, "KWAkERS", 'D'), 0);
  EXPECT_EQ(scoreOf(valued, "KWAkERS", 'D'), scoreOf(plain, "KWAkERS", 'D') + 6);
}

// The search built for any processor and the one built for processors with a
// bit-count instruction find the same moves, in the same order, in every list.
TEST_F(SearchTest, BothBuildsOfTheSearchFindTheSameMovesInTheSameOrder) {
  if (!processorCountsBits()) GTEST_SKIP() << "this processor runs only the generic build";
  using SearchFunction = void (*)(GameState&, std::vector<Move>&);
  const auto run = [&](SearchFunction function, bool first, int slots) {
    state.activeSlots = slots;
    clearSquareMoves(state);
    if (!first) computeCrossChecks(state);
    std::vector<Move> results;
    function(state, results);
    std::vector<std::string> all = texts(results);
    for (const auto& moves : state.squareMoves) {
      const std::vector<std::string> filed = texts(moves);
      all.insert(all.end(), filed.begin(), filed.end());
    }
    return all;
  };
  for (unsigned seed = 30; seed < 42; ++seed) {
    const int turns = static_cast<int>(seed % 4 == 0 ? 0 : seed % 13);
    const int blanks = static_cast<int>(seed % 3);
    SCOPED_TRACE("seed " + std::to_string(seed));
    testing::playSeededTurns(state, seed, turns);
    state.rackCounts = testing::randomRack(state, blanks);
    const bool first = turns == 0;
    for (const int slots : {kMoveSlots, 1}) {
      const auto generic =
          run(first ? generic::searchFirstMove : generic::searchBoard, first, slots);
      const auto counting =
          run(first ? popcount::searchFirstMove : popcount::searchBoard, first, slots);
      ASSERT_FALSE(generic.empty());
      EXPECT_EQ(counting, generic);
    }
  }
}

// A search kept to the anchors where bounds say a move may score more than a
// threshold finds every move above it that the full search finds, and nothing the
// full search does not; at high thresholds it leaves most of the board out.
TEST_F(SearchTest, SearchWithinBoundsFindsEveryMoveAboveTheThreshold) {
  const auto filedAbove = [&](int32_t threshold) {
    std::multiset<std::string> above;
    for (const Move& move : allFiled()) {
      if (move.score > threshold) above.insert(describe(move));
    }
    return above;
  };
  size_t fullMoves = 0;
  size_t withinMoves = 0;
  for (unsigned seed = 50; seed < 66; ++seed) {
    const int turns = 1 + static_cast<int>(seed % 12);
    const int blanks = static_cast<int>(seed % 3);
    SCOPED_TRACE("seed " + std::to_string(seed));
    testing::playSeededTurns(state, seed, turns);
    const LetterCounts rack = testing::randomRack(state, blanks);
    state.rackCounts = rack;
    state.activeSlots = kMoveSlots;
    const std::vector<Move> full = search();
    ASSERT_FALSE(full.empty());
    const std::multiset<std::string> all = filedAbove(0);
    const MoveBounds bounds(state.board);
    for (const int32_t threshold :
         {0, full.back().score, full[full.size() / 2].score, full.front().score - 1,
          full.front().score}) {
      SCOPED_TRACE("threshold " + std::to_string(threshold));
      const std::multiset<std::string> expected = filedAbove(threshold);
      AnchorDepths depths{};
      const bool any = bounds.movesAbove(rack, state.valueTable, threshold, depths);
      EXPECT_TRUE(any || expected.empty());
      clearSquareMoves(state);
      std::vector<Move> within;
      searchBoardWithin(state, depths, within);
      EXPECT_EQ(filedAbove(threshold), expected);
      const std::multiset<std::string> filed = filedAbove(0);
      EXPECT_TRUE(std::includes(all.begin(), all.end(), filed.begin(), filed.end()));
      if (threshold == full.front().score - 1) {
        fullMoves += all.size();
        withinMoves += filed.size();
      }
      EXPECT_EQ(state.rackCounts, rack);
    }
  }
  EXPECT_LT(withinMoves * 4, fullMoves) << "just below the best, most moves are left out";
}

// Racks of many blanks have more left parts than the search keeps in its table;
// each anchor then builds its own, and finds exactly the same moves in the same order.
// The one-slot search takes the anchors best bound first and passes over those
// that cannot beat the move it holds; it must keep the very move (of several equal
// ones, the first in visiting order) and set the bonus flag exactly as a search of
// every anchor in visiting order does, whatever the tile values.
TEST_F(SearchTest, OneSlotSearchKeepsTheMoveOfTheSearchOfEveryAnchor) {
  const auto oneSlot = [&](bool everyAnchor) {
    state.activeSlots = 1;
    state.bonusFlag = 0;
    clearSquareMoves(state);
    computeCrossChecks(state);
    std::vector<Move> results;
    if (everyAnchor) {
      AnchorDepths all;
      all.fill(kEveryDepth);
      searchBoardWithin(state, all, results);
    } else {
      searchBoard(state, results);
    }
    std::vector<std::string> kept = texts(results);
    kept.push_back(state.bonusFlag != 0 ? "bonus" : "no bonus");
    return kept;
  };
  // Ties for the best among the moves the full lists file.
  const auto bestIsTied = [&]() {
    state.activeSlots = kMoveSlots;
    search();
    int32_t best = 0;
    int count = 0;
    for (const Move& move : allFiled()) {
      if (move.score > best) {
        best = move.score;
        count = 0;
      }
      count += move.score == best ? 1 : 0;
    }
    return best > 0 && count > 1;
  };
  LetterCounts standard = state.valueTable;
  LetterCounts unusual = standard;
  unusual[letterCode('E')] = 10;
  unusual[letterCode('N')] = 0;  // worth nothing, but no blank
  unusual[0] = 3;                // a blank worth something
  LetterCounts negative = standard;
  negative[letterCode('A')] = -2;

  int ties = 0;
  int blankBoards = 0;
  int bonusFlags = 0;
  const std::array<const LetterCounts*, 3> tileValues = {&standard, &unusual, &negative};
  for (size_t set = 0; set < tileValues.size(); ++set) {
    state.valueTable = *tileValues[set];
    for (unsigned seed = 1; seed <= 36; ++seed) {
      const int turns = 1 + static_cast<int>(seed % 17);
      const int blanks = static_cast<int>(seed % 3);
      SCOPED_TRACE("values " + std::to_string(set) + ", seed " +
                   std::to_string(seed) + ", " + std::to_string(blanks) + " blanks");
      testing::playSeededTurns(state, seed, turns);
      state.rackCounts = testing::randomRack(state, blanks);
      const LetterCounts rack = state.rackCounts;
      const std::vector<std::string> expected = oneSlot(true);
      EXPECT_EQ(oneSlot(false), expected);
      EXPECT_EQ(state.rackCounts, rack);
      ties += bestIsTied() ? 1 : 0;
      bonusFlags += expected.back() == "bonus" ? 1 : 0;
      bool blankOnBoard = false;
      for (int row = 1; row <= kBoardSize; ++row) {
        for (int column = 1; column <= kBoardSize; ++column) {
          const Cell& cell = state.board.at(row, column);
          blankOnBoard |= !cell.empty && cell.points == 0 && state.valueTable[cell.letter] != 0;
        }
      }
      blankBoards += blankOnBoard ? 1 : 0;
    }
  }
  EXPECT_GE(ties, 10) << "equal best moves must decide some cases";
  EXPECT_GE(blankBoards, 10);
  EXPECT_GE(bonusFlags, 5);

  // More tiles than a rack holds, no bound covers them: every anchor is searched.
  testing::playSeededTurns(state, 5, 6);
  state.rackCounts.fill(0);
  state.rackCounts[0] = 1;
  for (const char c : std::string("ERNSTAL")) ++state.rackCounts[letterCode(c)];
  const std::vector<std::string> expected = oneSlot(true);
  EXPECT_EQ(oneSlot(false), expected);
  ASSERT_GT(expected.size(), 1u);

  // The first move, with the unusual letter values: the first of the best the walk
  // meets (the reference values a blank at 0).
  state.valueTable = unusual;
  state.valueTable[0] = 0;
  resetBoard(state);
  state.rackCounts = testing::randomRack(state, 1);
  const std::vector<ReferenceMove> first = testing::enumerateMoves(state, state.rackCounts, true);
  state.activeSlots = 1;
  const std::vector<Move> found = searchFirst();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(describe(found.front()), describe(testing::keptResults(first, 1).front()));
}

TEST_F(SearchTest, RacksOfManyBlanksFindEveryMoveWithoutTheLeftPartTable) {
  testing::playSeededTurns(state, 31, 2);
  LetterCounts rack{};
  rack[0] = 4;
  rack[letterCode('E')] = 2;
  rack[letterCode('N')] = 1;
  const std::vector<ReferenceMove> expected = testing::enumerateMoves(state, rack, false);
  state.rackCounts = rack;
  state.activeSlots = kMoveSlots;
  const std::vector<Move> results = search();
  ASSERT_EQ(state.leftParts.size(), kMaxLeftParts) << "the rack should fill the table";

  std::vector<std::vector<std::string>> expectedBySquare(kSquareCount);
  for (const ReferenceMove& move : expected) {
    expectedBySquare[(move.row - 1) * kBoardSize + move.column - 1].push_back(describe(move));
  }
  for (int square = 0; square < kSquareCount; ++square) {
    ASSERT_EQ(texts(state.squareMoves[square]), expectedBySquare[square]) << "square " << square;
  }
  std::vector<std::string> kept;
  for (const ReferenceMove& move : testing::keptResults(expected, kMoveSlots)) {
    kept.push_back(describe(move));
  }
  EXPECT_EQ(texts(results), kept);
}

// A graph whose sibling lists are not in alphabetical order (any order is valid)
// is searched in its own array order: the same moves, listed per square in that order.
TEST_F(SearchTest, SiblingOrderOnlyChangesTheOrderOfVisits) {
  std::vector<std::string> words;
  std::ifstream list(std::string(KWARREL_SOURCE_DIR) + "/resources/woordenlijst.txt");
  for (std::string word; std::getline(list, word);) {
    if (word.size() <= 4 || word[0] == 'k') words.push_back(word);
  }
  std::string error;
  std::vector<PackedNode> nodes = buildGraphNodes(words, error);
  ASSERT_EQ(error, "");
  const auto ordered = WordGraph::fromRecords(packGraphNodes(nodes).bytes.data(),
                                              packGraphNodes(nodes).bytes.size());
  // Every list backwards: its first child keeps its index, the last-sibling mark moves.
  for (size_t start = 1; start < nodes.size();) {
    size_t end = start;
    while (!isLastSibling(nodes[end])) ++end;
    std::reverse(nodes.begin() + static_cast<std::ptrdiff_t>(start),
                 nodes.begin() + static_cast<std::ptrdiff_t>(end) + 1);
    for (size_t i = start; i <= end; ++i) nodes[i] &= ~kLastSibling;
    nodes[end] |= kLastSibling;
    start = end + 1;
  }
  const PackedGraph packed = packGraphNodes(nodes);
  const auto backwards = WordGraph::fromRecords(packed.bytes.data(), packed.bytes.size());
  ASSERT_TRUE(ordered.has_value() && backwards.has_value());
  ASSERT_NE(backwards->childLetters(backwards->root()) & kIrregularSiblings, 0u);

  const auto movesWith = [](const WordGraph& graph, const char* rack) {
    GameState game(graph);
    resetBoard(game);
    placeMove(game, 8, 5, true, "KAART");
    placeMove(game, 6, 7, false, "KLAAR");
    game.rackCounts.fill(0);
    for (const char* c = rack; *c != 0; ++c) ++game.rackCounts[*c == '*' ? 0 : letterCode(*c)];
    clearSquareMoves(game);
    computeCrossChecks(game);
    std::vector<Move> results;
    searchBoard(game, results);
    std::vector<std::vector<std::string>> bySquare;
    for (const auto& moves : game.squareMoves) bySquare.push_back(texts(moves));
    return bySquare;
  };
  for (const char* rack : {"ERTSKIN", "EE*ROKS", "*A*LEKT"}) {
    SCOPED_TRACE(rack);
    const auto inOrder = movesWith(*ordered, rack);
    auto reversed = movesWith(*backwards, rack);
    size_t total = 0;
    int reordered = 0;  // squares whose moves a backwards graph meets in another order
    for (size_t square = 0; square < inOrder.size(); ++square) {
      reordered += inOrder[square] != reversed[square] ? 1 : 0;
      std::vector<std::string> sorted = inOrder[square];
      std::sort(sorted.begin(), sorted.end());
      std::sort(reversed[square].begin(), reversed[square].end());
      EXPECT_EQ(sorted, reversed[square]) << "square " << square;
      total += sorted.size();
    }
    EXPECT_GT(total, 100u);
    EXPECT_GT(reordered, 0);
  }
}

}  // namespace
}  // namespace kwarrel

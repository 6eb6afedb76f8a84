#include "tests/move_reference.h"

#include <algorithm>
#include <numeric>

#include "game/board_ops.h"
#include "search/search.h"
#include "search/square_moves.h"

namespace kwarrel::testing {
namespace {

struct Square {
  int row;
  int column;
};

// Squares of a line: `along` runs 0..16 over the row (horizontal) or column.
Square squareOf(bool horizontal, int line, int along) {
  return horizontal ? Square{line, along} : Square{along, line};
}

bool occupied(const GameState& state, Square square) {
  return state.board.at(square.row, square.column).empty == 0;
}

bool touchesTile(const GameState& state, Square s) {
  return occupied(state, {s.row - 1, s.column}) || occupied(state, {s.row + 1, s.column}) ||
         occupied(state, {s.row, s.column - 1}) || occupied(state, {s.row, s.column + 1});
}

bool isAnchorSquare(const GameState& state, Square s) {
  return !occupied(state, s) && touchesTile(state, s);
}

int pairCode(int letter, bool blank) { return 2 * letter + (blank ? 1 : 0) + 1; }

// The letters of a placed word: board tiles and new tiles alike.
struct Placed {
  std::vector<uint8_t> codes;
  std::vector<bool> blanks;
  std::vector<bool> fresh;  // a new tile
};

// Points of the word laid on squares start.. by the rules of the game: premiums on
// new tiles only, every cross-word of a new tile, 50 for exactly seven new tiles.
int referenceScore(const GameState& state, const Placed& placed, bool horizontal, Square start) {
  const int across = horizontal ? 1 : 0;
  const int down = horizontal ? 0 : 1;
  int mainPoints = 0;
  int mainFactor = 1;
  int crossPoints = 0;
  int freshCount = 0;
  for (size_t i = 0; i < placed.codes.size(); ++i) {
    const Square s{start.row + down * static_cast<int>(i), start.column + across * static_cast<int>(i)};
    if (!placed.fresh[i]) {
      mainPoints += state.board.at(s.row, s.column).points;
      continue;
    }
    ++freshCount;
    const int premium = premiumAt(s.row, s.column);
    const int letterFactor = premium > 0 ? premium : 1;
    const int wordFactor = premium < 0 ? -premium : 1;
    // A new blank scores the blank's entry of the value table (0 in every preset).
    const int tile = state.valueTable[placed.blanks[i] ? 0 : placed.codes[i]];
    mainPoints += tile * letterFactor;
    mainFactor *= wordFactor;
    // The crossing word: from the first tile of the perpendicular run to its last.
    Square from = s;
    while (occupied(state, {from.row - across, from.column - down})) {
      from = {from.row - across, from.column - down};
    }
    int crossWord = 0;
    int crossLength = 0;
    for (Square at = from;; at = {at.row + across, at.column + down}) {
      const bool here = at.row == s.row && at.column == s.column;
      if (!here && !occupied(state, at)) break;
      crossWord += here ? tile * letterFactor : state.board.at(at.row, at.column).points;
      ++crossLength;
    }
    if (crossLength > 1) crossPoints += crossWord * wordFactor;
  }
  return mainPoints * mainFactor + crossPoints + (freshCount == 7 ? 50 : 0);
}

class Enumerator {
 public:
  Enumerator(const GameState& state, const LetterCounts& rack, bool firstMove)
      : state_(state), rack_(rack), firstMove_(firstMove) {}

  std::vector<ReferenceMove> run() {
    for (const bool horizontal : {true, false}) {
      if (firstMove_ && !horizontal) continue;
      horizontal_ = horizontal;
      for (int line = 1; line <= kBoardSize; ++line) {
        if (firstMove_ && line != 8) continue;
        line_ = line;
        for (int start = 1; start <= kBoardSize; ++start) {
          if (occupied(state_, at(start - 1))) continue;  // the word would be longer
          start_ = start;
          placed_ = Placed{};
          extend(start, 0, false);
        }
      }
    }
    std::stable_sort(found_.begin(), found_.end(),
                     [](const ReferenceMove& a, const ReferenceMove& b) {
                       return a.visitKey < b.visitKey;
                     });
    return std::move(found_);
  }

 private:
  Square at(int along) const { return squareOf(horizontal_, line_, along); }

  bool lettersExist(const std::vector<uint8_t>& letters, bool asWord) const {
    const GraphNode node = state_.words.lookupWord(letters.data(), static_cast<int>(letters.size()));
    return node != 0 && (!asWord || isEndOfWord(node));
  }

  // The crossing word through square `along` holding `letter`, when tiles touch it.
  bool crossWordValid(int along, uint8_t letter) const {
    const Square s = at(along);
    const int dr = horizontal_ ? 1 : 0;
    const int dc = horizontal_ ? 0 : 1;
    Square from = s;
    while (occupied(state_, {from.row - dr, from.column - dc})) from = {from.row - dr, from.column - dc};
    std::vector<uint8_t> letters;
    for (Square q = from;; q = {q.row + dr, q.column + dc}) {
      const bool here = q.row == s.row && q.column == s.column;
      if (!here && !occupied(state_, q)) break;
      letters.push_back(here ? letter : state_.board.at(q.row, q.column).letter);
    }
    return letters.size() < 2 || lettersExist(letters, true);
  }

  // Whether the tiles left can still reach a square next to a tile (or H8).
  bool canConnect(int along) const {
    int needed = 0;
    for (int i = along; i <= kBoardSize; ++i) {
      const Square s = at(i);
      if (firstMove_ ? i == 8 : occupied(state_, s)) return needed + (firstMove_ ? 1 : 0) <= tilesLeft();
      ++needed;
      if (!firstMove_ && touchesTile(state_, s)) return needed <= tilesLeft();
    }
    return false;
  }
  int tilesLeft() const { return std::accumulate(rack_.begin(), rack_.end(), 0); }

  // Square `along` gets its letter: the board's, or each rack letter in turn.
  void extend(int along, int freshCount, bool connected) {
    if (along > kBoardSize) return;
    if (!connected && !canConnect(along)) return;
    const Square s = at(along);
    if (occupied(state_, s)) {
      push(state_.board.at(s.row, s.column).letter, false, false);
      if (lettersExist(placed_.codes, false)) afterSquare(along, freshCount, true);
      pop();
      return;
    }
    for (uint8_t letter = 1; letter <= 26; ++letter) {
      for (const bool blank : {false, true}) {
        int& count = rack_[blank ? 0 : letter];
        if (count <= 0) continue;
        push(letter, blank, true);
        if (lettersExist(placed_.codes, false) && crossWordValid(along, letter)) {
          --count;
          const bool touches = firstMove_ ? along == 8 : touchesTile(state_, s);
          afterSquare(along, freshCount + 1, connected || touches);
          ++count;
        }
        pop();
      }
    }
  }

  void afterSquare(int along, int freshCount, bool connected) {
    const bool wordEnds = along == kBoardSize || !occupied(state_, at(along + 1));
    const bool coversCentre = start_ <= 8 && along >= 8;
    if (wordEnds && placed_.codes.size() >= 2 && freshCount >= 1 &&
        (firstMove_ ? coversCentre : connected) && lettersExist(placed_.codes, true)) {
      record();
    }
    if (along == kBoardSize) return;
    if (occupied(state_, at(along + 1)) || tilesLeft() > 0) extend(along + 1, freshCount, connected);
  }

  void push(uint8_t letter, bool blank, bool fresh) {
    placed_.codes.push_back(letter);
    placed_.blanks.push_back(blank);
    placed_.fresh.push_back(fresh);
  }
  void pop() {
    placed_.codes.pop_back();
    placed_.blanks.pop_back();
    placed_.fresh.pop_back();
  }

  void record() {
    ReferenceMove move;
    const Square first = at(start_);
    move.row = first.row;
    move.column = first.column;
    move.horizontal = horizontal_;
    for (size_t i = 0; i < placed_.codes.size(); ++i) {
      const char upper = static_cast<char>('@' + placed_.codes[i]);
      move.word += placed_.blanks[i] ? lowerCase(upper) : upper;
    }
    move.score = referenceScore(state_, placed_, horizontal_, first);
    move.visitKey = firstMove_ ? firstMoveKey() : boardKey();
    found_.push_back(std::move(move));
  }

  // The first-move walk records a word at its node (every placement, last square
  // ascending) before trying longer words; letters alphabetically, real before blank.
  std::vector<int> firstMoveKey() const {
    std::vector<int> key;
    for (size_t i = 0; i < placed_.codes.size(); ++i) {
      key.push_back(pairCode(placed_.codes[i], placed_.blanks[i]));
    }
    key.push_back(0);
    key.push_back(start_ + static_cast<int>(placed_.codes.size()) - 1);
    return key;
  }

  // The board search visits the horizontal pass before the vertical one, lines in
  // order, and a move from the first anchor square it covers. From an anchor, the
  // letters laid before it (the left part) are tried shortest first, then the rest
  // of the word letter by letter, each word recorded before its extensions.
  std::vector<int> boardKey() const {
    int anchor = start_;
    while (!isAnchorSquare(state_, at(anchor))) ++anchor;
    std::vector<int> key{horizontal_ ? 0 : 1, line_, anchor};
    const int split = anchor - start_;
    const bool leftPart = !occupied(state_, at(anchor - 1));
    for (int i = 0; i < split && leftPart; ++i) {
      key.push_back(pairCode(placed_.codes[i], placed_.blanks[i]));
    }
    key.push_back(0);
    for (size_t i = static_cast<size_t>(split); i < placed_.codes.size(); ++i) {
      key.push_back(pairCode(placed_.codes[i], placed_.blanks[i]));
    }
    return key;
  }

  const GameState& state_;
  LetterCounts rack_;
  const bool firstMove_;
  bool horizontal_ = true;
  int line_ = 0;
  int start_ = 0;
  Placed placed_;
  std::vector<ReferenceMove> found_;
};

}  // namespace

std::vector<ReferenceMove> enumerateMoves(const GameState& state, const LetterCounts& rack,
                                          bool firstMove) {
  return Enumerator(state, rack, firstMove).run();
}

std::vector<ReferenceMove> keptResults(const std::vector<ReferenceMove>& found, int slots) {
  std::vector<ReferenceMove> kept(static_cast<size_t>(slots));
  for (const ReferenceMove& move : found) {
    int weakest = -1;
    int weakestScore = 99999;
    for (int i = 0; i < slots; ++i) {
      if (kept[i].score < weakestScore) {
        weakestScore = kept[i].score;
        weakest = i;
      }
      if (kept[i].score == 0) break;
    }
    if (weakest >= 0 && move.score > weakestScore) kept[weakest] = move;
  }
  std::vector<ReferenceMove> results;
  for (int round = 0; round < slots; ++round) {
    int best = 1;
    for (const ReferenceMove& move : kept) best = std::max(best, move.score);
    for (ReferenceMove& move : kept) {
      if (move.score < best) continue;
      results.push_back(move);
      move.score = 0;
    }
  }
  return results;
}

LetterCounts randomRack(GameState& state, int blanks) {
  LetterCounts rack{};
  rack[0] = blanks;
  LetterCounts bag = state.pool;
  bag[0] = 0;
  int left = std::accumulate(bag.begin(), bag.end(), 0);
  for (int pick = blanks; pick < kRackSize && left > 0; ++pick) {
    int x = state.random.next() % left;
    int code = 1;
    while (x >= bag[code]) x -= bag[code++];
    --bag[code];
    --left;
    ++rack[code];
  }
  return rack;
}

int playSeededTurns(GameState& state, unsigned seed, int turns) {
  resetBoard(state);
  state.random.seed(seed);
  const int savedSlots = state.activeSlots;
  state.activeSlots = 1;
  int played = 0;
  for (; played < turns; ++played) {
    LetterCounts bag = state.pool;
    int left = std::accumulate(bag.begin(), bag.end(), 0);
    state.rackCounts.fill(0);
    for (int pick = 0; pick < kRackSize && left > 0; ++pick) {
      int x = state.random.next() % left;
      int code = 0;
      while (x >= bag[code]) x -= bag[code++];
      --bag[code];
      --left;
      ++state.rackCounts[code];
    }
    std::vector<Move> results;
    clearSquareMoves(state);
    if (played == 0) {
      searchFirstMove(state, results);
    } else {
      computeCrossChecks(state);
      searchBoard(state, results);
    }
    if (results.empty()) break;
    const Move& best = results.front();
    placeMove(state, best.row, best.column - 64, best.horizontal != 0, best.word);
  }
  state.activeSlots = savedSlots;
  return played;
}

std::string describe(const ReferenceMove& move) {
  return move.word + " " + static_cast<char>('A' + move.column - 1) + std::to_string(move.row) +
         (move.horizontal ? "h " : "v ") + std::to_string(move.score);
}

std::string describe(const Move& move) {
  return move.word + " " + static_cast<char>(move.column) + std::to_string(move.row) +
         (move.horizontal ? "h " : "v ") + std::to_string(move.score);
}

}  // namespace kwarrel::testing

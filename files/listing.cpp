#include "files/listing.h"

#include <algorithm>
#include <vector>

#include "files/atomic_file.h"
#include "files/game_file.h"
#include "files/html_text.h"
#include "files/word_list_file.h"
#include "game/turn_cycle.h"

namespace kwarrel {

namespace {

// Searches the turn on the board of the turns before it (its own word and the
// later ones are out of the table) and writes the maximum and the moves reaching it.
void appendMaximumColumns(std::string& out, GameState& state, int ownScore) {
  recomputeAfresh(state);
  if (state.results.empty()) return;
  const int maximum = state.results.front().score;
  appendFormat(out, ownScore < maximum ? " * %3d" : "   %3d", maximum);
  for (const Move& move : state.results) {
    if (move.score != maximum) break;
    out += ' ';
    out += move.word;
    appendFormat(out, " %c%d", static_cast<char>(move.column), move.row);
  }
}

void appendBoardPicture(std::string& out, const GameState& state) {
  for (const auto& row : state.displayGrid) {
    for (const DisplaySquare& square : row) {
      if (isUpperLetter(square.shown)) {
        appendFormat(out, " %c ", square.shown);
      } else if (isLowerLetter(square.shown)) {
        appendFormat(out, "(%c)", upperCase(square.shown));
      } else {
        out += "   ";
      }
    }
    out += '\n';
  }
}

}  // namespace

std::string gameListingText(GameState& state, bool withMax) {
  const auto first = state.turns.begin();
  const auto end = first + state.maxTurns;
  const std::vector<Turn> saved(first, end);
  for (auto turn = first; turn != end; ++turn) turn->word.clear();

  std::string out;
  out.reserve(4096);
  int runningTotal = 0;
  for (size_t t = 0; t < saved.size(); ++t) {
    const Turn& turn = saved[t];
    if (turn.rack.size() != kRackSize) break;
    out += formatTurnLine(turn, runningTotal);
    if (withMax) appendMaximumColumns(out, state, turn.score);
    state.turns[t] = turn;
    out += '\n';
  }
  std::copy(saved.begin(), saved.end(), first);

  out += '\n';
  recomputeAfresh(state);
  out += '\n';
  appendBoardPicture(out, state);
  // A game played by a club's own list says so; the built-in list's listing stays as it was.
  if (withMax && !state.words.origin().isBuiltIn()) {
    out += '\n' + ownWordListNote(state.words) + '\n';
  }
  return out;
}

bool writeGameListing(GameState& state, const std::string& path, bool withMax, FileWriter& files) {
  return writeFileAtomically(path, gameListingText(state, withMax), files);
}

}  // namespace kwarrel

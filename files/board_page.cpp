#include "files/board_page.h"

#include "files/atomic_file.h"
#include "files/html_text.h"
#include "files/word_list_file.h"
#include "game/draw.h"

namespace kwarrel {

namespace {

constexpr const char* kBackground = "\"FFFFC0\"";
constexpr const char* kBorder = "\"C0C0C0\"";
constexpr const char* kLabel = "\"C0C0C0\"";
constexpr const char* kWordTriple = "\"FF0000\"";
constexpr const char* kWordDouble = "\"FF8080\"";
constexpr const char* kLetterDouble = "\"00FFFF\"";
constexpr const char* kLetterTriple = "\"0000FF\"";
constexpr const char* kCentred = "align=\"center\" ";
constexpr const char* kSquareSize = "width=\"25\" height=\"25\" ";

void appendColumnLabels(std::string& out) {
  appendFormat(out, "<td %sbgcolor=%s>\xA0</td>\n", kSquareSize, kLabel);
  for (char letter = 'A'; letter <= 'O'; ++letter) {
    appendFormat(out, "<td %s%sbgcolor=%s>%c</td>\n", kCentred, kSquareSize, kLabel, letter);
  }
  out += "</tr>\n";
}

void appendSquare(std::string& out, const DisplaySquare& square, int premium) {
  appendFormat(out, "  <td %s", kCentred);
  switch (premium) {
    case 2: appendFormat(out, "bgcolor=%s>", kLetterDouble); break;
    case 3: appendFormat(out, "bgcolor=%s><font color=\"FFFFFF\">", kLetterTriple); break;
    case -2: appendFormat(out, "bgcolor=%s>", kWordDouble); break;
    case -3: appendFormat(out, "bgcolor=%s>", kWordTriple); break;
    default: out += '>'; break;
  }
  const char shown = square.shown;
  out += (isUpperLetter(shown) || isLowerLetter(shown)) ? shown : '\xA0';
  if (premium == 3) out += "</font>\n";
  out += "</td>\n";
}

void appendBoard(std::string& out, const GameState& state) {
  for (int row = 1; row <= kBoardSize; ++row) {
    appendFormat(out, "<tr><td %sbgcolor=%s %s>%d</td>\n", kCentred, kLabel, kSquareSize, row);
    for (int column = 1; column <= kBoardSize; ++column) {
      appendSquare(out, state.displayGrid[row - 1][column - 1], premiumAt(row, column));
    }
    out += "</tr>\n";
  }
}

// Rows of the turn table; returns the number of turns that got a row.
int appendTurnRows(std::string& out, const GameState& state) {
  int total = 0;
  int written = 0;
  for (int index = 0; index < state.maxTurns; ++index) {
    const Turn& turn = state.turns[index];
    if (turn.rack.size() != kRackSize) break;
    written = index + 1;
    appendFormat(out, "<tr><td>%d.</td><td>", index + 1);
    appendHtmlEscaped(out, turn.rack);
    out += "</td>";
    if (!turn.hasWrittenWord()) continue;  // row stays open
    out += "<td>";
    appendHtmlEscaped(out, turn.word);
    out += "</td><td>";
    appendTurnSquare(out, turn);
    total += turn.pointsToTotal();
    appendFormat(out, "</td><td>%d</td><td>%d</td></tr>\n", turn.score, total);
  }
  return written;
}

}  // namespace

std::string boardPageText(const GameState& state, std::string_view standingsLink) {
  std::string out;
  out.reserve(16384);
  appendFormat(out,
               "<HTML><BODY><table border=\"1\" cellspacing=\"0\" bgcolor=%s bordercolor=%s>\n",
               kBackground, kBorder);
  out += "<tr><td>\n";
  appendFormat(out, "<table border=\"1\" cellspacing=\"1\" bgcolor=%s bordercolor=%s>\n",
               kBackground, kBorder);
  out += "<tr>\n";
  appendColumnLabels(out);
  appendBoard(out, state);
  out += "</table></td><td>\n";
  appendFormat(out, "<table border=\"1\" cellspacing=\"0\" bgcolor=%s bordercolor=%s>\n",
               kBackground, kBorder);
  for (int turn = appendTurnRows(out, state); turn < state.maxTurns; ++turn) {
    out += "<tr><td>\xA0</td><td>\xA0</td><td>\xA0</td><td>\xA0</td><td>\xA0</td><td>\xA0</td></tr>\n";
  }
  out += "</table></td></tr></table>Resterende letters:";
  appendHtmlEscaped(out, poolText(state));
  out += ownWordListHtmlNote(state.words);
  out += standingsLink;
  out += "</BODY></HTML>\n";
  return out;
}

bool writeBoardPage(const GameState& state, const std::string& path, FileWriter& files,
                    std::string_view standingsLink) {
  return writeFileAtomically(path, boardPageText(state, standingsLink), files);
}

}  // namespace kwarrel

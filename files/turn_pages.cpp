#include "files/turn_pages.h"

#include <algorithm>
#include <vector>

#include "files/atomic_file.h"
#include "files/html_text.h"
#include "files/paths.h"
#include "files/word_list_file.h"
#include "game/turn_cycle.h"

namespace kwarrel {

namespace {

constexpr size_t kMaxMissText = 999;

// One page as it is built: the part up to its link is made going forwards, the
// rest (board and maximum) going backwards from the last page, as the depth-first
// order of the chain requires.
struct PageDraft {
  int number = 0;
  int rowsEnd = 0;       // turn index from which blank rows follow
  bool linksOn = false;  // the page links to a next page; otherwise it ends the chain
  std::string path;
  std::string text;
};

void appendHead(std::string& out, int pageNumber) {
  out +=
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><HTML><HEAD>"
      "<meta HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">"
      "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">";
  appendFormat(out, "<TITLE>Kwarrel         Beurt %d</TITLE>\n", pageNumber + 1);
  out +=
      "<STYLE type=\"text/css\">\n"
      ".rand {background: #C0C0C0; text-align: center; height: 25}\n"
      ".L2 {background: #00FFFF; text-align: center; height: 25}\n"
      ".L3 {background: #0000FF; color: #FFFFFF; text-align: center; height: 25}\n"
      ".W2 {background: #ffa8a8; text-align: center; height: 25}\n"
      ".W3 {background: #FF0000; text-align: center; height: 25}\n"
      ".grijs {background: #C0C0C0; text-align: center; text-height: 25}\n"
      ".beurt {background: #FFFFC0; border-color: #C0C0C0; text-align: left}\n"
      "</STYLE></HEAD><BODY>\n";
  out += "<table border=1 cellspacing=1 bgcolor=\"FFFFC0\">\n<tr class=rand>\n<td width=25>\xA0\n";
  for (char letter = 'A'; letter <= 'O'; ++letter) appendFormat(out, "<td width=25>%c\n", letter);
  out +=
      "<td rowspan=17 bgcolor=\"#FFFFFF\">\n"
      "<table border=1 cellspacing=0 class=beurt>\n"
      "<colgroup><col align=right><col><col><col><col align=right><col align=right></colgroup>\n";
}

// Turn rows of page n: the solved turns, then the rack of turn n + 1 with the link
// to the next page. Returns whether that link was written. A page without the link
// is the last one and receives the closing part, also when its last rack is drawn
// but not yet played.
bool appendTurnRows(std::string& out, const GameState& state, TurnPagesWriter& writer,
                    PageDraft& page, const std::string& stem) {
  const int n = page.number;
  int total = 0;
  page.rowsEnd = state.maxTurns;
  for (int i = 0; i < state.maxTurns; ++i) {
    const Turn& turn = state.turns[i];
    if (turn.rack.size() != kRackSize) {
      page.rowsEnd = i;
      break;
    }
    appendFormat(out, "<tr><td>%d.<td>", i + 1);
    appendHtmlEscaped(out, turn.rack);
    if (!turn.hasWrittenWord()) {
      page.rowsEnd = i;  // the row stays open and gets a blank row after it
      break;
    }
    if (i != n) {
      out += "<td>";
      appendHtmlEscaped(out, turn.word);
      out += "<td>";
      appendTurnSquare(out, turn);
      total += turn.pointsToTotal();
      appendFormat(out, "<td>%d<td>%d</tr>\n", turn.score, total);
      continue;
    }
    out += "<TD><A HREF=";
    appendLinkTarget(out, stem + std::to_string(n + 1) + ".htm");
    if (i < state.maxTurns - 1 && !state.turns[i + 1].rack.empty()) {
      appendFormat(out, ">Beurt %d</A>", n + 2);
    } else {
      appendFormat(out, ">Oplossing beurt %d</A>", n + 1);
      writer.lastPageNumber = n + 1;
    }
    out += "<td>\xA0<td>\xA0<td>\xA0</TR>";
    page.rowsEnd = n + 1;
    return true;
  }
  writer.lastPageNumber = n;
  return false;
}

const char* premiumClass(int premium) {
  switch (premium) {
    case -3: return " class=W3>";
    case -2: return " class=W2>";
    case 2: return " class=L2>";
    case 3: return " class=L3>";
    default: return ">";
  }
}

// The board after turn n; the tiles turn n laid are grey.
void appendBoard(std::string& out, const GameState& state, int n) {
  const Turn* latest = (n >= 1 && n <= state.maxTurns) ? &state.turns[n - 1] : nullptr;
  const int length = latest != nullptr ? static_cast<int>(latest->word.size()) : 0;
  for (int row = 1; row <= kBoardSize; ++row) {
    appendFormat(out, "<tr align=center><td class=rand>%d\n", row);
    for (int column = 1; column <= kBoardSize; ++column) {
      const DisplaySquare& square = state.displayGrid[row - 1][column - 1];
      bool taken = false;
      if (latest != nullptr) {
        taken = latest->horizontal
                    ? row == latest->row && column >= latest->column &&
                          column < latest->column + length
                    : column == latest->column && row >= latest->row &&
                          row < latest->row + length;
      }
      out += "<td";
      out += (taken && square.turnIndex == n - 1) ? " class=grijs>" : premiumClass(premiumAt(row, column));
      const bool shown = square.turnIndex >= 0 && square.turnIndex < n &&
                         isLetter(square.shown);
      out += shown ? square.shown : '\xA0';
    }
    out += "</tr>\n";
  }
  out += "</table>\n";
}

// The best moves for turn n's rack on the board of turns 1..n-1, and the miss
// entry when turn n scored less.
void appendMaximum(std::string& out, GameState& state, TurnPagesWriter& writer, int n) {
  const int first = n - 1;
  std::vector<Turn> saved(state.turns.begin() + first, state.turns.begin() + state.maxTurns);
  for (int i = first; i < state.maxTurns; ++i) state.turns[i].word.clear();
  recomputeAfresh(state);
  if (!state.results.empty()) {
    const int maximum = state.results.front().score;
    const int played = saved.front().pointsToTotal();
    const bool missed = played < maximum;
    std::string missText;
    if (missed) {
      appendFormat(missText, "Beurt %d, score: %d (+%d), woord(en): ", n, maximum, maximum - played);
      appendFormat(out, "<br> * %3d", maximum);
    } else {
      appendFormat(out, "<br>   %3d", maximum);
    }
    for (const Move& move : state.results) {
      if (move.score != maximum) break;
      const char columnLetter = static_cast<char>(move.column);
      if (missed) {
        appendHtmlEscaped(missText, move.word);
        appendFormat(missText, " (%c, %d) ", columnLetter, move.row);
      }
      out += ' ';
      appendHtmlEscaped(out, move.word);
      appendFormat(out, " %c%d", columnLetter, move.row);
    }
    if (missed) {
      if (missText.size() > kMaxMissText) missText.resize(kMaxMissText);
      writer.missList.push_back(std::move(missText));
    }
  }
  std::copy(saved.begin(), saved.end(), state.turns.begin() + first);
}

void finishPage(PageDraft& page, GameState& state, TurnPagesWriter& writer, bool withMax) {
  std::string& out = page.text;
  const int n = page.number;
  for (int i = page.rowsEnd; i < state.maxTurns; ++i) {
    out += "<tr><td>\xA0<td>\xA0<td>\xA0<td>\xA0<td>\xA0<td>\xA0</tr>\n";
  }
  out += "</table>\n";
  appendBoard(out, state, n);
  if (n >= 1 && n <= state.maxTurns && withMax) appendMaximum(out, state, writer, n);
  out += ownWordListHtmlNote(state.words);
  // The last page stays open for the closing part.
  out += page.linksOn ? "</BODY></HTML>\n" : "<br><br>\n";
}

std::string closingPart(const TurnPagesWriter& writer) {
  std::string out;
  if (writer.missList.empty()) {
    out = "Een perfecte partij! Elke maximum score werd ontdekt!\n";
  } else {
    out = "<b>Missers:</b><br>\n";
    // Entries were collected from the last page back; the list reads from turn 1.
    for (auto entry = writer.missList.rbegin(); entry != writer.missList.rend(); ++entry) {
      out += *entry;
      out += "<br>\n";
    }
  }
  out += writer.standingsLink;
  out += "</BODY></HTML>\n";
  return out;
}

std::string pagePath(const TurnPagesWriter& writer, const std::string& stem, int number) {
  std::string path = writer.folder + stem;
  appendFormat(path, "%d.htm", number);
  return path;
}

}  // namespace

bool writeTurnPages(GameState& state, TurnPagesWriter& writer, int pageNumber,
                    const std::string& stem, const std::string& path, bool withMax,
                    FileWriter& files) {
  writer.failedPath.clear();
  if (pageNumber < 0) {
    writer.failedPath = path;
    return false;
  }
  if (pageNumber == 0) {
    writer.missList.clear();
    writer.lastPageNumber = 0;
  }
  // Forwards: each page up to its link decides whether the next page exists.
  std::vector<PageDraft> pages;
  for (int number = pageNumber;; ++number) {
    PageDraft& page = pages.emplace_back();
    page.number = number;
    page.path = number == pageNumber ? path : pagePath(writer, stem, number);
    page.text.reserve(24576);
    appendHead(page.text, number);
    page.linksOn = appendTurnRows(page.text, state, writer, page, stem);
    if (!page.linksOn) break;
  }
  // Backwards: the last page first, as if each page were written from inside the
  // one before it.
  for (auto page = pages.rbegin(); page != pages.rend(); ++page) {
    finishPage(*page, state, writer, withMax);
  }
  // The closing part ends the last page, also when that is page 0 itself.
  const int last = writer.lastPageNumber - pageNumber;
  if (pageNumber == 0 && last >= 0 && last < static_cast<int>(pages.size())) {
    pages[static_cast<size_t>(last)].text += closingPart(writer);
  }
  // The old chain stays whole until every page of the new one is written.
  std::vector<FileContents> contents;
  contents.reserve(pages.size());
  for (const PageDraft& page : pages) contents.push_back({page.path, page.text});
  const size_t failed = replaceFiles(contents, files);
  if (failed == contents.size()) return true;
  writer.failedPath = contents[failed].path;
  return false;
}

bool writeTurnPages(GameState& state, int pageNumber, const std::string& stem,
                    const std::string& path, bool withMax, const std::string& standingsLink) {
  TurnPagesWriter writer;
  writer.folder = folderOf(path);
  writer.standingsLink = standingsLink;
  return writeTurnPages(state, writer, pageNumber, stem, path, withMax);
}

}  // namespace kwarrel

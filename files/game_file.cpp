#include "files/game_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "files/regular_file.h"
#include "game/draw.h"
#include "game/turn_cycle.h"

namespace kwarrel {

namespace {

constexpr int kTokensRead = 4;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Some editors start a UTF-8 text with a byte-order mark; it is no part of the
// first line.
std::string_view withoutMark(std::string_view text) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text.remove_prefix(kByteOrderMark.size());
  }
  return text;
}

// The next line of `text` from `position`, without its line end: a line feed, a
// carriage return or the two together, so files from any platform read alike.
// False at the end. `length` is the line's own length, before a zero byte cuts it.
bool nextLine(std::string_view text, size_t& position, std::string& line,
              size_t* length = nullptr) {
  if (position >= text.size()) return false;
  const size_t end = std::min(text.find_first_of("\r\n", position), text.size());
  line.assign(text.substr(position, end - position));
  if (length != nullptr) *length = line.size();
  position = end + 1;
  if (end < text.size() && text[end] == '\r' && position < text.size() &&
      text[position] == '\n') {
    ++position;
  }
  // A text line ends at a zero byte, as it would for any C string reader.
  if (const size_t zero = line.find('\0'); zero != std::string::npos) line.resize(zero);
  return true;
}

bool isSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The first four white-space separated tokens of the line; the rest is ignored.
int splitTokens(std::string_view line, std::array<std::string, kTokensRead>& tokens) {
  int count = 0;
  size_t i = 0;
  while (count < kTokensRead) {
    while (i < line.size() && isSeparator(line[i])) ++i;
    if (i >= line.size()) break;
    const size_t start = i;
    while (i < line.size() && !isSeparator(line[i])) ++i;
    tokens[count++] = std::string(line.substr(start, i - start));
  }
  return count;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value of the token's leading digits, 0 when it has none. Long runs of digits
// stay large rather than overflow; any such value lies off the board anyway.
int leadingNumber(std::string_view token) {
  int value = 0;
  for (const char c : token) {
    if (!isDigit(c)) break;
    if (value < 1000) value = value * 10 + (c - '0');
  }
  return value;
}

// The place of a column letter A..O (A = 1), or 0 for anything else.
int columnNumber(std::string_view token) {
  if (token.size() != 1 || token[0] < 'A' || token[0] > 'O') return 0;
  return token[0] - 'A' + 1;
}

// Format 2 (rack, square, direction, word) becomes format 1 (rack, word, then the
// square row first for an across word, column first for a down word). A fourth
// token that starts with a digit is the row of a format-1 down word in column H,
// whose word merely looks like a square ("X1 H 8"); no word starts with a digit.
void rewriteFormatTwo(std::array<std::string, kTokensRead>& tokens) {
  const std::string& square = tokens[1];
  const bool formatTwo = square.size() >= 2 && isDigit(square[1]) &&
                         (tokens[2] == "H" || tokens[2] == "V") && !isDigit(tokens[3][0]);
  if (!formatTwo) return;
  std::string columnLetter = square.substr(0, 1);
  std::string row = square.substr(1);
  const bool across = tokens[2] == "H";
  tokens[1] = std::move(tokens[3]);
  tokens[2] = across ? std::move(row) : std::move(columnLetter);
  tokens[3] = across ? std::move(columnLetter) : std::move(row);
}

void readPlacement(Turn& turn, const std::array<std::string, kTokensRead>& tokens) {
  if (const int column = columnNumber(tokens[2]); column != 0) {
    const int row = leadingNumber(tokens[3]);
    if (row < 1 || row > kBoardSize) return;
    turn.column = column;
    turn.row = row;
    turn.horizontal = 0;
    return;
  }
  if (const int column = columnNumber(tokens[3]); column != 0) {
    const int row = leadingNumber(tokens[2]);
    if (row < 1 || row > kBoardSize) return;
    turn.column = column;
    turn.row = row;
    turn.horizontal = 1;
  }
}

bool isControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

// Whether the line starts with a rack as the reader takes it. `asText` asks too
// that the rack hold no control character: a binary file can start with seven
// bytes and a zero byte (every program file does), which is no draw anybody wrote.
bool startsWithRack(std::string_view line, bool asText = false) {
  std::array<std::string, kTokensRead> tokens;
  return splitTokens(line, tokens) > 0 && tokens[0].size() == kRackSize &&
         !(asText && std::any_of(tokens[0].begin(), tokens[0].end(), isControl));
}

// Reads one line into the turn. False when the line ends the reading.
bool readTurn(GameState& state, Turn& turn, std::string_view line) {
  std::array<std::string, kTokensRead> tokens;
  const int count = splitTokens(line, tokens);
  if (count == 0 || tokens[0].size() != kRackSize) return false;
  turn.rack = displayRack(state, normaliseDraw(state, tokens[0]));
  if (count < kTokensRead) return true;
  rewriteFormatTwo(tokens);
  // A turn without a word, in a listing with maxima, has the " * " marker of its
  // maximum right after the rack; no word is ever "*" (not in format 2 either), so
  // the turn keeps its rack only.
  if (tokens[1] == "*") return true;
  turn.word = tokens[1];
  readPlacement(turn, tokens);
  return true;
}

void resetTurns(GameState& state) {
  for (int i = 0; i < state.maxTurns; ++i) {
    Turn& turn = state.turns[i];
    turn.clear();
    turn.row = 1;
    turn.column = 1;
    turn.horizontal = 1;
  }
}

bool isWhiteSpace(char c) { return isSeparator(c) || c == '\n'; }

// Whether the text can be read as a game, before anything is touched: of the
// lines the reader would read, none is over-long, and a text that is more than
// white space has a first turn. White space alone is the file of an empty game
// (a listing of no turns is empty lines and an empty board picture).
int checkGameText(std::string_view text, int maxTurns) {
  text = withoutMark(text);
  std::string line;
  size_t position = 0;
  size_t length = 0;
  int turns = 0;
  // The turns and the line after them, which tells whether turns are left over.
  for (int k = 0; k <= maxTurns && nextLine(text, position, line, &length); ++k) {
    if (length > kMaxGameLineBytes) return kGameLineTooLong;
    if (!startsWithRack(line, turns == 0)) break;
    ++turns;
  }
  if (turns == 0 && !std::all_of(text.begin(), text.end(), isWhiteSpace)) return kNotAGameFile;
  return 0;
}

void appendPadded(std::string& out, std::string_view text, size_t width) {
  out += text;
  if (text.size() < width) out.append(width - text.size(), ' ');
}

}  // namespace

void readGameText(GameState& state, std::string_view text, bool* turnsLeftOver) {
  resetTurns(state);
  text = withoutMark(text);
  std::string line;
  size_t position = 0;
  int k = 0;
  while (k < state.maxTurns && nextLine(text, position, line) &&
         readTurn(state, state.turns[k], line)) {
    ++k;
  }
  if (turnsLeftOver != nullptr) {
    *turnsLeftOver = k == state.maxTurns && nextLine(text, position, line) && startsWithRack(line);
  }
}

int loadGameFile(GameState& state, const std::string& path, bool* turnsLeftOver) {
  std::string text;
  int error = 0;
  switch (readRegularFile(path, kMaxGameFileBytes, text, error)) {
    case RegularRead::Read: break;
    case RegularRead::Truncated: return kGameFileTooLarge;
    case RegularRead::NotRegular: return kNotARegularFile;
    case RegularRead::Failed: return error;
  }
  if (const int refusal = checkGameText(text, state.maxTurns); refusal != 0) return refusal;
  readGameText(state, text, turnsLeftOver);
  recomputeAfresh(state);
  return 0;
}

std::string loadGameMessage(int result, std::string_view name) {
  const char* format = "Kan bestand %s niet lezen";
  switch (result) {
    case kNotAGameFile: format = "Bestand %s is geen spelbestand"; break;
    case kGameFileTooLarge: format = "Bestand %s is te groot voor een spelbestand"; break;
    case kGameLineTooLong: format = "Bestand %s is geen spelbestand: een regel is te lang"; break;
    case kNotARegularFile: format = "Bestand %s is geen gewoon bestand"; break;
    default: break;
  }
  const std::string_view text(format);
  const size_t at = text.find("%s");
  std::string message(text.substr(0, at));
  message += name;
  message += text.substr(at + 2);
  return message;
}

std::string formatTurnLine(const Turn& turn, int& runningTotal) {
  std::string line;
  appendPadded(line, turn.rack, 10);
  if (!turn.hasWrittenWord()) return line;
  appendPadded(line, turn.word, 16);
  const char columnLetter = static_cast<char>(turn.column + 64);
  std::array<char, 64> text{};
  if (turn.horizontal) {
    std::snprintf(text.data(), text.size(), "%-3d%-3c", turn.row, columnLetter);
  } else {
    std::snprintf(text.data(), text.size(), "%-3c%-3d", columnLetter, turn.row);
  }
  line += text.data();
  runningTotal += turn.pointsToTotal();
  std::snprintf(text.data(), text.size(), "%5d - %5d", turn.score, runningTotal);
  line += text.data();
  return line;
}

}  // namespace kwarrel

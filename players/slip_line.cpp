#include "players/slip_line.h"

#include <vector>

#include "game/letters.h"

namespace kwarrel {

namespace {

constexpr const char* kFormMessage =
    "Typ nummer, vakje en woord (12 8H WOORD), nummer = score (12 = 34) of nummer - (12 -)";

std::vector<std::string_view> wordsOf(std::string_view text) {
  std::vector<std::string_view> words;
  size_t at = 0;
  while (at < text.size()) {
    const size_t start = text.find_first_not_of(" \t", at);
    if (start == std::string_view::npos) break;
    size_t end = text.find_first_of(" \t", start);
    if (end == std::string_view::npos) end = text.size();
    words.push_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digits only, at most `limit`; -1 for anything else.
int64_t numberOf(std::string_view digits, int64_t limit) {
  if (digits.empty() || digits.size() > 9) return -1;
  int64_t value = 0;
  for (const char c : digits) {
    if (!isDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return value > limit ? -1 : value;
}

// "8H" across or "H8" down; the letter in either case.
bool readSquare(std::string_view text, Answer& answer) {
  if (text.size() < 2) return false;
  if (isLetter(text.front())) {
    const int64_t row = numberOf(text.substr(1), kMaxPlayerNumber);
    if (row < 1) return false;
    answer.column0 = upperCase(text.front()) - 'A';
    answer.row0 = static_cast<int>(row) - 1;
    answer.horizontal = false;
    return true;
  }
  if (!isLetter(text.back())) return false;
  const int64_t row = numberOf(text.substr(0, text.size() - 1), kMaxPlayerNumber);
  if (row < 1) return false;
  answer.column0 = upperCase(text.back()) - 'A';
  answer.row0 = static_cast<int>(row) - 1;
  answer.horizontal = true;
  return true;
}

}  // namespace

std::string parseSlipLine(std::string_view text, SlipLine& slip) {
  slip = SlipLine{};
  std::vector<std::string_view> words = wordsOf(text);
  if (words.empty()) return kFormMessage;
  // "12=34" and "12 =34" read as "12 = 34".
  if (const size_t equals = words[0].find('='); equals != std::string_view::npos) {
    const std::string_view first = words[0];
    words.erase(words.begin());
    if (equals + 1 < first.size()) words.insert(words.begin(), first.substr(equals + 1));
    words.insert(words.begin(), "=");
    if (equals > 0) words.insert(words.begin(), first.substr(0, equals));
  }
  if (words.size() >= 2 && words[1].size() > 1 && words[1].front() == '=') {
    const std::string_view points = words[1].substr(1);
    words[1] = "=";
    words.insert(words.begin() + 2, points);
  }
  const int64_t number = numberOf(words[0], kMaxPlayerNumber);
  if (number < 1) return "Spelernummer moet tussen 1 en 999 liggen";
  slip.number = static_cast<int>(number);
  if (words.size() == 2 && words[1] == "-") {
    slip.noAnswer = true;
    return {};
  }
  if (words.size() == 3 && words[1] == "=") {
    const int64_t points = numberOf(words[2], kMaxAnswerPoints);
    if (points < 0) return "Ongeldige score";
    slip.answer = scoreAnswer(static_cast<int32_t>(points));
    return {};
  }
  if (words.size() != 3) return kFormMessage;
  if (!readSquare(words[1], slip.answer)) return "Ongeldig vakje";
  slip.answer.word = std::string(words[2]);
  return {};
}

std::string slipSquareText(const Answer& answer) {
  const std::string row = std::to_string(answer.row0 + 1);
  const char column = static_cast<char>('A' + answer.column0);
  return answer.horizontal ? row + column : column + row;
}

}  // namespace kwarrel

#include "search/candidates.h"

#include <cstdio>

namespace kwarrel {
namespace {

constexpr size_t kMaxLineLength = 48;
constexpr const char* kBestMark = " ********";

}  // namespace

std::string formatCandidateLine(const Move& move) {
  char text[kMaxLineLength + 1];
  std::snprintf(text, sizeof text, "%s %c%d%c %d", move.word.c_str(),
                static_cast<char>(move.column), move.row, move.horizontal ? 'h' : 'v', move.score);
  return text;
}

std::vector<std::string> candidateLines(const std::vector<Move>& results, bool bestOnly) {
  std::vector<std::string> lines;
  if (results.empty()) return lines;
  const int32_t best = results.front().score;
  for (size_t i = 0; i < results.size(); ++i) {
    std::string line = formatCandidateLine(results[i]);
    const bool marked =
        results[i].score == best && i + 1 < results.size() && results[i + 1].score != best;
    if (marked) line = (line + kBestMark).substr(0, kMaxLineLength);
    lines.push_back(std::move(line));
    if (marked && bestOnly) break;
  }
  return lines;
}

}  // namespace kwarrel

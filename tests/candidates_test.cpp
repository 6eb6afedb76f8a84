// The lines of the candidate list and the mark after the best moves.
#include <gtest/gtest.h>

#include "search/candidates.h"

namespace kwarrel {
namespace {

Move move(const std::string& word, int score, bool horizontal = true) {
  Move m;
  m.word = word;
  m.row = 8;
  m.column = 'H';
  m.horizontal = horizontal ? 1 : 0;
  m.score = score;
  return m;
}

TEST(CandidateLines, ShowWordSquareDirectionAndScore) {
  EXPECT_EQ(formatCandidateLine(move("KWARrEL", 76)), "KWARrEL H8h 76");
  Move down = move("OP", 4, false);
  down.row = 15;
  down.column = 'A';
  EXPECT_EQ(formatCandidateLine(down), "OP A15v 4");
  // Never longer than the list box line.
  EXPECT_EQ(formatCandidateLine(move(std::string(60, 'A'), 1)).size(), 48u);
}

TEST(CandidateLines, MarkTheLastBestMoveWhenALowerOneFollows) {
  const std::vector<Move> results = {move("AAP", 30), move("NOT", 30), move("OP", 20),
                                     move("AL", 20)};
  EXPECT_EQ(candidateLines(results, false),
            (std::vector<std::string>{"AAP H8h 30", "NOT H8h 30 ********", "OP H8h 20",
                                      "AL H8h 20"}));
  EXPECT_EQ(candidateLines(results, true),
            (std::vector<std::string>{"AAP H8h 30", "NOT H8h 30 ********"}));

  // All moves equal, or only one: nothing follows, so no mark and no cut.
  const std::vector<Move> level = {move("AAP", 30), move("NOT", 30)};
  EXPECT_EQ(candidateLines(level, true),
            (std::vector<std::string>{"AAP H8h 30", "NOT H8h 30"}));
  EXPECT_EQ(candidateLines({move("AAP", 9)}, true), (std::vector<std::string>{"AAP H8h 9"}));
  EXPECT_TRUE(candidateLines({}, true).empty());

  // The mark stays within 48 characters.
  const std::vector<Move> longWord = {move(std::string(36, 'A'), 30), move("OP", 2)};
  const std::vector<std::string> lines = candidateLines(longWord, false);
  EXPECT_EQ(lines[0].size(), 48u);
  EXPECT_EQ(lines[0].substr(36), " H8h 30 ****");
}

}  // namespace
}  // namespace kwarrel

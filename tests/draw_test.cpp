// Drawing racks from the bag: the vowel and consonant rule, the blank-first and Q
// rules, the pool text, and how a draw is stored and shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "dict/word_graph.h"
#include "game/draw.h"
#include "game/game_state.h"

namespace kwarrel {
namespace {

class DrawTest : public ::testing::Test {
 protected:
  DrawTest() : state(builtInWordGraph()) {}

  // The pool holds exactly the tiles of `tiles` ('*' or '+' = blank).
  void setPool(const std::string& tiles) {
    state.pool.fill(0);
    for (const char c : tiles) ++state.pool[c == '*' || c == '+' ? 0 : letterCode(c)];
  }

  static std::string sorted(std::string text) {
    std::sort(text.begin(), text.end());
    return text;
  }

  GameState state;
};

bool isVowel(char c) { return std::string_view("AEIOUY+*").find(c) != std::string_view::npos; }
bool isConsonant(char c) {
  return std::string_view("BCDFGHJKLMNPQRSTVWXZ+*").find(c) != std::string_view::npos;
}
bool isBlank(char c) { return c == '+' || c == '*'; }

// Whether `draw` passes the rules for a draw from `pool`.
bool drawAccepted(const std::string& draw, const std::string& pool, bool qNeedsU) {
  const auto has = [](const std::string& text, const std::function<bool(char)>& test) {
    return std::any_of(text.begin(), text.end(), test);
  };
  const auto uOrBlank = [](char c) { return c == 'U' || isBlank(c); };
  if (!has(draw, isVowel) || !has(draw, isConsonant)) return false;
  const bool lonelyQ = draw.find('Q') != std::string::npos && !has(draw, uOrBlank);
  return !(qNeedsU && lonelyQ && has(pool, uOrBlank));
}

TEST_F(DrawTest, PoolTextListsBlanksFirstThenTheAlphabet) {
  state.settings.blankChar = '+';
  setPool("ZA*EB*A");
  EXPECT_EQ(poolText(state), "++AABEZ");
  state.pool[letterCode('Q')] = -1;  // a pool left short by a failed placement
  EXPECT_EQ(poolText(state), "++AABEZ");
}

TEST_F(DrawTest, RemainingLettersLineCountsFromTwoOn) {
  state.settings.blankChar = '+';
  setPool("**AAAAAABEEEEEEEEEEEE");
  EXPECT_EQ(remainingLettersLine(state), "+(2) A(6) B E(12) <21>");
  state.pool.fill(0);
  EXPECT_EQ(remainingLettersLine(state), "<0>");
}

TEST_F(DrawTest, PoolOfSevenIsDrawnWholeInOneAttempt) {
  setPool("KATERSH");
  CRandom expected = state.random;
  for (int i = 0; i < kRackSize; ++i) expected.next();
  const std::string draw = drawRack(state);
  EXPECT_EQ(sorted(draw), sorted("KATERSH"));
  EXPECT_EQ(state.random.state(), expected.state());  // seven random numbers: one attempt

  // Q, Z, X, W, K, J and a blank: the blank alone is the vowel.
  state.settings.qNeedsU = true;
  setPool("QZXWKJ*");
  EXPECT_EQ(sorted(drawRack(state)), sorted("QZXWKJ*"));
}

TEST_F(DrawTest, NoDrawFromASmallOrOneSidedPool) {
  for (const char* pool : {"", "KATERS", "AEEIOUY", "AAAEEEIIIOOOUUUYYY", "BCDFGHJKLMN"}) {
    setPool(pool);
    const uint32_t before = state.random.state();
    EXPECT_EQ(drawRack(state), "") << pool;
    EXPECT_EQ(state.random.state(), before) << pool;
  }
}

TEST_F(DrawTest, BlankFirstRuleStartsEveryDrawWithABlank) {
  state.settings.blankEveryDraw = true;
  state.pool = state.countTable;
  for (uint32_t seed = 1; seed <= 200; ++seed) {
    state.random.seed(seed);
    const std::string draw = drawRack(state);
    ASSERT_EQ(draw.size(), 7u);
    EXPECT_EQ(draw[0], state.settings.blankChar) << seed;
  }

  // No blank left: the rule has no effect, the draws are those without it.
  state.pool[0] = 0;
  GameState plain(builtInWordGraph());
  plain.pool = state.pool;
  for (uint32_t seed = 1; seed <= 50; ++seed) {
    state.random.seed(seed);
    plain.random.seed(seed);
    EXPECT_EQ(drawRack(state), drawRack(plain)) << seed;
  }
}

TEST_F(DrawTest, QComesWithUOrBlankOnlyWhenThePoolHasOne) {
  state.settings.qNeedsU = true;
  setPool("QUAEEIOBCDNNRSTT*");
  int withQ = 0;
  for (uint32_t seed = 1; seed <= 400; ++seed) {
    state.random.seed(seed);
    const std::string draw = drawRack(state);
    if (draw.find('Q') == std::string::npos) continue;
    ++withQ;
    EXPECT_TRUE(draw.find('U') != std::string::npos || draw.find('*') != std::string::npos)
        << draw;
  }
  EXPECT_GT(withQ, 0);

  // Neither U nor blank left: a Q without them is accepted.
  setPool("QAEEIOBCDNNRSTT");
  bool lonelyQSeen = false;
  for (uint32_t seed = 1; seed <= 400 && !lonelyQSeen; ++seed) {
    state.random.seed(seed);
    lonelyQSeen = drawRack(state).find('Q') != std::string::npos;
  }
  EXPECT_TRUE(lonelyQSeen);
}

// Every pool that passes the opening test has an acceptable draw, so the retries
// end. Checked over all small pools made of a blank, a plain vowel, U, Q and a
// plain consonant, under every combination of the blank-first and Q rules.
TEST_F(DrawTest, EveryPoolThatPassesTheOpeningTestYieldsADraw) {
  const std::string kinds = "*AUQB";
  const auto acceptableDrawExists = [&](const std::array<int, 5>& counts, bool qNeedsU,
                                        const std::string& pool) {
    // All 7-tile choices, as counts per kind.
    std::array<int, 5> take{};
    std::function<bool(int, int)> choose = [&](int kind, int left) {
      if (kind == 5) {
        if (left != 0) return false;
        std::string draw;
        for (int k = 0; k < 5; ++k) draw.append(static_cast<size_t>(take[k]), kinds[k]);
        return drawAccepted(draw, pool, qNeedsU);
      }
      for (int n = 0; n <= std::min(counts[kind], left); ++n) {
        take[kind] = n;
        if (choose(kind + 1, left - n)) return true;
      }
      return false;
    };
    return choose(0, kRackSize);
  };

  int pools = 0;
  std::array<int, 5> counts{};
  for (counts[0] = 0; counts[0] <= 2; ++counts[0]) {
    for (counts[1] = 0; counts[1] <= 8; ++counts[1]) {
      for (counts[2] = 0; counts[2] <= 2; ++counts[2]) {
        for (counts[3] = 0; counts[3] <= 1; ++counts[3]) {
          for (counts[4] = 0; counts[4] <= 8; ++counts[4]) {
            std::string pool;
            for (int k = 0; k < 5; ++k) pool.append(static_cast<size_t>(counts[k]), kinds[k]);
            const bool opens = pool.size() >= 7 &&
                               std::any_of(pool.begin(), pool.end(), isVowel) &&
                               std::any_of(pool.begin(), pool.end(), isConsonant);
            setPool(pool);
            for (const bool qNeedsU : {false, true}) {
              for (const bool blankFirst : {false, true}) {
                state.settings.qNeedsU = qNeedsU;
                state.settings.blankEveryDraw = blankFirst;
                const std::string draw = drawRack(state);
                if (!opens) {
                  EXPECT_EQ(draw, "") << pool;
                  continue;
                }
                ++pools;
                EXPECT_TRUE(acceptableDrawExists(counts, qNeedsU, pool)) << pool;
                ASSERT_EQ(draw.size(), 7u) << pool;
                EXPECT_TRUE(drawAccepted(draw, pool, qNeedsU)) << pool << " -> " << draw;
              }
            }
          }
        }
      }
    }
  }
  EXPECT_GT(pools, 1000);
}

// The generator yields at most 32767; a bag longer than that must still let its
// last tiles be drawn, or a draw needing one of them would never be accepted.
TEST_F(DrawTest, TilesBeyondTheGeneratorsRangeCanBeDrawn) {
  state.pool.fill(0);
  state.pool[letterCode('E')] = 40000;
  state.pool[letterCode('Z')] = 1;  // the only consonant, at position 40000
  const std::string draw = drawRack(state);
  ASSERT_EQ(draw.size(), 7u);
  EXPECT_EQ(std::count(draw.begin(), draw.end(), 'Z'), 1);
  EXPECT_EQ(std::count(draw.begin(), draw.end(), 'E'), 6);
}

TEST_F(DrawTest, DisplayRackOrdersLettersThenBlanks) {
  state.settings.blankChar = '*';
  EXPECT_EQ(displayRack(state, "ZA+EB*A"), "ZA+EB*A");  // setting off: as drawn
  state.settings.alphabeticalDraw = 1;
  EXPECT_EQ(displayRack(state, "ZA+EB*A"), "AABEZ**");
  state.settings.blankChar = '+';
  EXPECT_EQ(displayRack(state, "ZA+EB*A"), "AABEZ++");
  // Anything below 'A' counts as a blank; bytes past 'Z' have no letter and stay
  // as they are, between the letters and the blanks.
  EXPECT_EQ(displayRack(state, "B[1\xE9" "A\xFF?"), "AB[\xE9\xFF++");
  EXPECT_EQ(displayRack(state, ""), "");
}

TEST_F(DrawTest, NormaliseDrawWritesBlanksAndUpperCase) {
  state.settings.blankChar = '*';
  EXPECT_EQ(normaliseDraw(state, "ab+*cdZ"), "AB**CDZ");
  state.settings.blankChar = '+';
  EXPECT_EQ(normaliseDraw(state, "ab+*cdZ"), "AB++CDZ");
  EXPECT_EQ(normaliseDraw(state, "a1?\xE9"), "A1?\xE9");
}

}  // namespace
}  // namespace kwarrel

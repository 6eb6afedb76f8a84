// A slip typed as one line: the square's form gives the direction, as squares are
// written in game files; a bare score and "no answer" have forms of their own.
#include <gtest/gtest.h>

#include "players/slip_line.h"

namespace kwarrel {
namespace {

TEST(SlipLine, SquareFormGivesDirectionAndWordKeepsBlanks) {
  SlipLine slip;
  ASSERT_EQ(parseSlipLine("12 8H WISSER", slip), "");
  EXPECT_EQ(slip.number, 12);
  EXPECT_FALSE(slip.noAnswer);
  EXPECT_EQ(slip.answer, moveAnswer(7, 7, true, "WISSER"));
  EXPECT_EQ(slipSquareText(slip.answer), "8H");

  ASSERT_EQ(parseSlipLine("  7   h12  WiSSER ", slip), "");
  EXPECT_EQ(slip.answer, moveAnswer(11, 7, false, "WiSSER"));
  EXPECT_EQ(slipSquareText(slip.answer), "H12");

  ASSERT_EQ(parseSlipLine("3 15o ZO", slip), "");
  EXPECT_EQ(slip.answer, moveAnswer(14, 14, true, "ZO"));
}

TEST(SlipLine, BareScoreAndNoAnswer) {
  SlipLine slip;
  for (const char* line : {"12 = 34", "12=34", "12 =34", "12= 34"}) {
    ASSERT_EQ(parseSlipLine(line, slip), "") << line;
    EXPECT_EQ(slip.number, 12) << line;
    EXPECT_EQ(slip.answer, scoreAnswer(34)) << line;
  }
  ASSERT_EQ(parseSlipLine("999 -", slip), "");
  EXPECT_EQ(slip.number, 999);
  EXPECT_TRUE(slip.noAnswer);
}

TEST(SlipLine, WhatCannotBeReadSaysWhy) {
  SlipLine slip;
  EXPECT_EQ(parseSlipLine("0 8H WISSER", slip), "Spelernummer moet tussen 1 en 999 liggen");
  EXPECT_EQ(parseSlipLine("1000 -", slip), "Spelernummer moet tussen 1 en 999 liggen");
  EXPECT_EQ(parseSlipLine("x8 8H WISSER", slip), "Spelernummer moet tussen 1 en 999 liggen");
  EXPECT_EQ(parseSlipLine("12 88 WISSER", slip), "Ongeldig vakje");
  EXPECT_EQ(parseSlipLine("12 H0 WISSER", slip), "Ongeldig vakje");
  EXPECT_EQ(parseSlipLine("12 8H8 WISSER", slip), "Ongeldig vakje");
  EXPECT_EQ(parseSlipLine("12 = 3x", slip), "Ongeldige score");
  EXPECT_EQ(parseSlipLine("12 = 100000", slip), "Ongeldige score");
  for (const char* line : {"", "   ", "12", "12 8H", "12 8H WIS SER", "12 = "}) {
    EXPECT_EQ(parseSlipLine(line, slip).rfind("Typ nummer", 0), 0u) << line;
  }
}

}  // namespace
}  // namespace kwarrel

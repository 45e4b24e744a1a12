// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "play_stats.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
TPlayStats WonLost(int won, int lost) {
  TPlayStats s;
  s.HandsWon = won;
  s.HandsLost = lost;
  return s;
}
}  // namespace

TEST(WinningPercentage, ExactTruncatedIntegerQuotient) {
  EXPECT_FALSE(WonLost(0, 0).WinningPercentage().has_value());
  EXPECT_EQ(WonLost(1, 0).WinningPercentage(), 100);
  EXPECT_EQ(WonLost(0, 1).WinningPercentage(), 0);
  EXPECT_EQ(WonLost(1, 2).WinningPercentage(), 33);
  EXPECT_EQ(WonLost(2, 1).WinningPercentage(), 66);
  // Division in floating point first would give 28 and 56 here.
  EXPECT_EQ(WonLost(29, 71).WinningPercentage(), 29);
  EXPECT_EQ(WonLost(57, 43).WinningPercentage(), 57);
  constexpr int kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(WonLost(kMax, kMax).WinningPercentage(), 50);
  EXPECT_EQ(WonLost(kMax, 1).WinningPercentage(), 99);
}

TEST(PlayStats, RecordKeepsTheInvariantAndSaturates) {
  TPlayStats s;
  s.Record(hcPair, true);
  s.Record(hcPair, false);
  s.Record(hcNoPair, false);
  s.Record(hcRoyalFlush, true);
  EXPECT_EQ(s.HandsWon, 2);
  EXPECT_EQ(s.HandsLost, 2);
  EXPECT_EQ(s.CategoryCount[hcPair], 2);
  int sum = 0;
  for (int c : s.CategoryCount) sum += c;
  EXPECT_EQ(sum, s.HandsWon + s.HandsLost);

  s.HandsWon = std::numeric_limits<std::int32_t>::max();
  s.CategoryCount[hcFlush] = std::numeric_limits<std::int32_t>::max();
  s.Record(hcFlush, true);
  EXPECT_EQ(s.HandsWon, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(s.CategoryCount[hcFlush], std::numeric_limits<std::int32_t>::max());
  s.Reset();
  EXPECT_EQ(s.HandsWon + s.HandsLost, 0);
}

TEST(PlayStats, SummaryLine) {
  TPlayStats s = WonLost(3, 5);
  s.CategoryCount[hcPair] = 4;
  EXPECT_EQ(s.SummaryText(), "Player has Won 3 hands and Lost 5 Total Pairs =4");
  EXPECT_EQ(TPlayStats{}.SummaryText(), "Player has Won 0 hands and Lost 0 Total Pairs =0");
}

TEST(PlayStats, HighHandsLine) {
  TPlayStats s;
  EXPECT_EQ(s.HighHandsText(), " ");
  s.CategoryCount[hcTwoPair] = 1;
  s.CategoryCount[hcFlush] = 2;
  EXPECT_EQ(s.HighHandsText(), "High Hands Two Pair=1 Flushs=2");

  TPlayStats t;
  t.CategoryCount[hcThreeOfAKind] = 2;
  t.CategoryCount[hcRoyalFlush] = 1;
  EXPECT_EQ(t.HighHandsText(), "  3 of a Kind=2 Royal Flush=1");

  TPlayStats u;
  u.CategoryCount[hcStraight] = 1;
  EXPECT_EQ(u.HighHandsText(), "  Straights=1");
  u.CategoryCount[hcTwoPair] = 2;
  EXPECT_EQ(u.HighHandsText(), "High Hands Two Pair=2 Straights=1");

  TPlayStats all;
  for (int c = hcTwoPair; c <= hcRoyalFlush; ++c) all.CategoryCount[c] = c;
  EXPECT_EQ(all.HighHandsText(),
            "High Hands Two Pair=2 3 of a Kind=3 Straights=4 Flushs=5 Full House=6 "
            "4 of a Kind=7 Straight Flush=8 Royal Flush=9");
  // Pairs and no-pair hands never appear on this line.
  TPlayStats low;
  low.CategoryCount[hcNoPair] = 5;
  low.CategoryCount[hcPair] = 5;
  EXPECT_EQ(low.HighHandsText(), " ");
}

TEST(PlayStats, GridHeadings) {
  EXPECT_EQ(kGridHeadings.front(), "No Pair");
  EXPECT_EQ(kGridHeadings[hcPair], "Pairs");
  EXPECT_EQ(kGridHeadings[hcFourOfAKind], "4 of a Kind");
  EXPECT_EQ(kGridHeadings.back(), "Royal Flush");
}

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "odds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <set>
#include <vector>

#include "card_text.h"
#include "test_support.h"

namespace {

TPayTable Table(std::array<std::int32_t, kPayLines> h) {
  TPayTable t;
  t.H = h;
  return t;
}

// Plain enumeration of every draw for one hold.
TOutcomeCounts CountDraws(const THandCards& dealt, std::uint8_t mask) {
  std::vector<cdCardDeck> unseen;
  for (int code = 1; code <= 52; ++code)
    if (std::find(dealt.begin(), dealt.end(), code) == dealt.end())
      unseen.push_back(static_cast<cdCardDeck>(code));
  std::vector<int> replaced;
  for (int i = 0; i < 5; ++i)
    if (!(mask & (1 << i))) replaced.push_back(i);
  TOutcomeCounts counts{};
  THandCards hand = dealt;
  auto draw = [&](auto&& self, std::size_t slot, std::size_t from) -> void {
    if (slot == replaced.size()) {
      ++counts[OutcomeOf(EvaluateHand(hand))];
      return;
    }
    for (std::size_t i = from; i + (replaced.size() - slot) <= unseen.size(); ++i) {
      hand[static_cast<std::size_t>(replaced[slot])] = unseen[i];
      self(self, slot + 1, i + 1);
    }
  };
  draw(draw, 0, 0);
  return counts;
}

THandCards Hand(const char* text) {
  return ParseHand({text});
}

TEST(DealClasses, CoverEveryDealOnce) {
  const auto& classes = DealClasses();
  EXPECT_EQ(classes.size(), 134459u);
  std::int64_t deals = 0;
  std::set<THandCards> seen;
  for (const auto& k : classes) {
    deals += k.Weight;
    EXPECT_TRUE(std::is_sorted(k.Cards.begin(), k.Cards.end()));
    EXPECT_TRUE(seen.insert(k.Cards).second);
  }
  EXPECT_EQ(deals, 2598960);
}

TEST(DrawTables, OutcomeCountsOfAllHandsMatchTheEvaluator) {
  // The empty hold of any deal sees every hand once through its subset counts.
  std::array<TOutcomeCounts, 32> n{};
  SharedTables().LoadSubsetCounts({0, 1, 2, 3, 4}, n);
  const TOutcomeCounts expected = {
      1302540, 1098240 - 337920, 337920, 123552, 54912, 10200, 5108, 3744, 624, 36, 4};
  EXPECT_EQ(n[0], expected);
}

TEST(DrawTables, DoNotDependOnTheNumberOfThreads) {
  const TPayTable table = Table({0, 1, 2, 3, 5, 8, 24, 49, 799});
  const TReturnReport reference = ComputeReturn(SharedTables(), table);
  for (const int threads : {1, 3}) {
    const auto tables = TDrawTables::Build(threads);
    const TReturnReport report = ComputeReturn(*tables, table);
    EXPECT_TRUE(report.PayNumerator == reference.PayNumerator) << threads;
    EXPECT_TRUE(report.OutcomeNumerators == reference.OutcomeNumerators) << threads;
  }
}

TEST(RankHolds, AgreesWithPlainEnumerationOfAllDraws) {
  std::vector<THandCards> hands = {Hand("AS KS QS JS TS"), Hand("AS KS QS JS 2D"),
                                   Hand("2C 3C 4C 5C 9H"), Hand("7H 7D 7C 7S KD"),
                                   Hand("AS AH KD KC 2S"), Hand("2S 2H 2D 9C 9S"),
                                   Hand("TS JH QD KC 2S"), Hand("3D 8H JC QS 6C")};
  std::mt19937 random(20261208);
  const std::size_t randomHands = kSanitizedBuild ? 4 : 300;
  std::vector<cdCardDeck> deck(52);
  for (int i = 0; i < 52; ++i) deck[static_cast<std::size_t>(i)] = static_cast<cdCardDeck>(i + 1);
  for (std::size_t h = 0; h < randomHands; ++h) {
    std::shuffle(deck.begin(), deck.end(), random);
    hands.push_back({deck[0], deck[1], deck[2], deck[3], deck[4]});
  }
  const TUnitPays pays = UnitPaysOf(Table({0, 1, 2, 3, 5, 8, 24, 49, 799}));
  for (const auto& hand : hands) {
    SCOPED_TRACE(CardText(hand[0]) + " " + CardText(hand[1]) + " " + CardText(hand[2]) + " " +
                 CardText(hand[3]) + " " + CardText(hand[4]));
    const auto holds = RankHolds(SharedTables(), hand, pays);
    std::set<int> masks;
    for (std::size_t i = 0; i < holds.size(); ++i) {
      const THoldOdds& h = holds[i];
      masks.insert(h.Mask);
      const TOutcomeCounts expected = CountDraws(hand, h.Mask);
      ASSERT_EQ(h.Counts, expected) << "hold mask " << int{h.Mask};
      EXPECT_EQ(h.Draws, DrawCount(5 - std::popcount(unsigned{h.Mask})));
      std::int64_t paySum = 0;
      for (int c = 0; c < kOutcomeCount; ++c) paySum += expected[c] * pays[c];
      EXPECT_EQ(h.PaySum, paySum);
      if (i > 0) {
        EXPECT_FALSE(PaysMore(h, holds[i - 1]));
      }
    }
    EXPECT_EQ(masks.size(), 32u);
    EXPECT_EQ(BestHold(SharedTables(), hand, pays), holds[0].Mask);
  }
}

TEST(RankHolds, KeepsAPatRoyalAndBreaksAStraightFlushOnlyWhenItPays) {
  const TUnitPays nineSix = UnitPaysOf(Table({0, 1, 2, 3, 5, 8, 24, 49, 799}));
  EXPECT_EQ(BestHold(SharedTables(), Hand("TS JS QS KS AS"), nineSix), 31);
  // Four to a royal beats a made flush under a full royal.
  EXPECT_EQ(BestHold(SharedTables(), Hand("TH JH QH KH 3H"), nineSix), 0b01111);
  // With a royal no better than a straight flush, the made flush stays.
  const TUnitPays flat = UnitPaysOf(Table({0, 1, 2, 3, 5, 8, 24, 49, 49}));
  EXPECT_EQ(BestHold(SharedTables(), Hand("TH JH QH KH 3H"), flat), 31);
}

struct TPublished {
  std::array<std::int32_t, kPayLines> Multipliers;
  const char* Percent;
};

TEST(ComputeReturn, ReproducesPublishedJacksOrBetterReturns) {
  // Full-pay royal (800 for 1); the name gives the full house and flush pays for 1.
  const std::vector<TPublished> published = {
      {{0, 1, 2, 3, 5, 8, 24, 49, 799}, "99.5439"},  // 9/6
      {{0, 1, 2, 3, 4, 8, 24, 49, 799}, "98.4498"},  // 9/5
      {{0, 1, 2, 3, 5, 7, 24, 49, 799}, "98.3927"},  // 8/6
      {{0, 1, 2, 3, 4, 7, 24, 49, 799}, "97.2984"},  // 8/5
      {{0, 1, 2, 3, 4, 6, 24, 49, 799}, "96.1472"},  // 7/5
  };
  for (const auto& p : published) {
    const TReturnReport report = ComputeReturn(SharedTables(), Table(p.Multipliers));
    EXPECT_EQ(report.ReturnPercentText(4), p.Percent) << PayTableText(Table(p.Multipliers));
  }
  // The well-known royal frequency of optimal 9/6 play, about 1 in 40,391.
  const TReturnReport nineSix =
      ComputeReturn(SharedTables(), Table({0, 1, 2, 3, 5, 8, 24, 49, 799}));
  EXPECT_NEAR(nineSix.Probability(ocRoyalFlush), 2.47583e-5, 5e-10);
}

TEST(ComputeReturn, IsExactAndIndependentOfThreads) {
  const TPayTable table = Table({0, 1, 2, 3, 4, 7, 11, 49, 99});
  const TReturnReport two = ComputeReturn(SharedTables(), table, 2);
  const TReturnReport one = ComputeReturn(SharedTables(), table, 1);
  EXPECT_TRUE(one.PayNumerator == two.PayNumerator);
  EXPECT_TRUE(one.OutcomeNumerators == two.OutcomeNumerators);
  // The outcome shares add up to one, and weighted by the pays to the return.
  __int128 all = 0;
  __int128 pay = 0;
  const TUnitPays pays = UnitPaysOf(table);
  for (int c = 0; c < kOutcomeCount; ++c) {
    all += two.OutcomeNumerators[c];
    pay += two.OutcomeNumerators[c] * pays[c];
  }
  EXPECT_TRUE(all == two.Denominator);
  EXPECT_TRUE(pay == two.PayNumerator);
  EXPECT_EQ(two.ReturnPercentText(4), "92.7049");
}

TEST(ComputeReturn, HandlesTheLargestMultipliers) {
  const std::int32_t top = 2147483646;
  const TReturnReport report =
      ComputeReturn(SharedTables(), Table({top, top, top, top, top, top, top, top, top}));
  // Every win pays the same, so play is for any win at all: more often than under 9/6
  // play (about 45.5%), yet far from always.
  const double wins = 1.0 - report.Probability(ocNoPair) - report.Probability(ocLowPair);
  EXPECT_GT(wins, 0.46);
  EXPECT_LT(wins, 0.5);
  EXPECT_NEAR(report.Return(), wins * 2147483647.0, 1.0);
  EXPECT_LT(report.Return(), 2147483647.0);
}

TEST(ReturnReport, RoundsHalfUp) {
  TReturnReport r;
  r.Denominator = 3;
  r.PayNumerator = 2;
  EXPECT_EQ(r.ReturnPercentText(4), "66.6667");
  EXPECT_EQ(r.ReturnPercentText(0), "67");
  r.Denominator = 2000000;
  r.PayNumerator = 1;
  EXPECT_EQ(r.ReturnPercentText(4), "0.0001");
  r.PayNumerator = 0;
  EXPECT_EQ(r.ReturnPercentText(2), "0.00");
  r.Denominator = 1;
  r.PayNumerator = 1;
  EXPECT_EQ(r.ReturnPercentText(4), "100.0000");
}

TEST(Outcomes, SplitPairsAndMapToPayLines) {
  EXPECT_EQ(OutcomeOf({hcPair, false}), ocLowPair);
  EXPECT_EQ(OutcomeOf({hcPair, true}), ocHighPair);
  EXPECT_EQ(OutcomeOf({hcRoyalFlush, false}), ocRoyalFlush);
  EXPECT_EQ(CategoryOf(ocHighPair), hcPair);
  EXPECT_EQ(CategoryOf(ocTwoPair), hcTwoPair);
  EXPECT_EQ(PayLineOf(ocLowPair), 0);
  EXPECT_EQ(PayLineOf(ocHighPair), 1);
  EXPECT_EQ(PayLineOf(ocRoyalFlush), 9);
  const TUnitPays pays = UnitPaysOf(Table({0, 1, 2, 3, 4, 7, 11, 49, 99}));
  const TUnitPays expected = {0, 0, 1, 2, 3, 4, 5, 8, 12, 50, 100};
  EXPECT_EQ(pays, expected);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "cards.h"

#include <gtest/gtest.h>

#include <vector>

TEST(RandomSource, SeedZeroGivesTheKnownSequence) {
  TRandomSource random;
  std::vector<std::uint32_t> got;
  for (int i = 0; i < 5; ++i) got.push_back(random.NextInt(52));
  EXPECT_EQ(got, (std::vector<std::uint32_t>{0, 1, 44, 10, 14}));
}

TEST(RandomSource, NextIntOfOneIsZeroButStillAdvances) {
  TRandomSource a, b;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(a.NextInt(1), 0u);
  for (int i = 0; i < 3; ++i) b.NextInt(52);
  EXPECT_EQ(a.Seed, b.Seed);
}

TEST(RandomSource, NextIntStaysInRangeAtTheTopOfTheState) {
  TRandomSource random;
  random.Seed = 0xFFFFFFFFu;  // the next state is 0xFFFFFFFF * 134775813 + 1
  for (int i = 0; i < 1000; ++i) EXPECT_LT(random.NextInt(52), 52u);
}

TEST(RandomSource, SeedsFromTheUtcTimeOfDay) {
  TRandomSource random;
  random.SeedFromClock([] { return TTimeOfDay{12, 34, 56, 789}; });
  EXPECT_EQ(random.Seed, 45296789u);
  random.SeedFromClock([] { return TTimeOfDay{0, 0, 0, 0}; });
  EXPECT_EQ(random.Seed, 0u);
  random.SeedFromClock([] { return TTimeOfDay{23, 59, 59, 999}; });
  EXPECT_EQ(random.Seed, 86399999u);
}

TEST(RandomSource, SystemClockGivesAValidTimeOfDay) {
  const TTimeOfDay t = UtcTimeOfDay();
  EXPECT_GE(t.Hour, 0);
  EXPECT_LE(t.Hour, 23);
  EXPECT_GE(t.Minute, 0);
  EXPECT_LE(t.Minute, 59);
  EXPECT_GE(t.Second, 0);
  EXPECT_LE(t.Second, 59);
  EXPECT_GE(t.Millisecond, 0);
  EXPECT_LE(t.Millisecond, 999);
  TRandomSource random;
  random.SeedFromClock();
  EXPECT_LE(random.Seed, 86399999u);
}

TEST(Deck, ShuffleFromSeedZeroGivesTheKnownOrder) {
  TDeck deck;
  TRandomSource random;
  deck.Fill();
  deck.Shuffle(random);
  const std::vector<int> first(deck.Entries.begin(), deck.Entries.begin() + 10);
  EXPECT_EQ(first, (std::vector<int>{33, 39, 45, 5, 4, 35, 17, 42, 12, 23}));
  EXPECT_EQ(random.Seed, 884892524u);
}

TEST(Deck, ShuffleIsAPermutationAndDependsOnlyOnTheSeed) {
  TRandomSource random;
  random.Seed = 123456789;
  TDeck deck;
  deck.Fill();
  deck.Shuffle(random);
  std::vector<bool> seen(53, false);
  for (int code : deck.Entries) {
    ASSERT_GE(code, 1);
    ASSERT_LE(code, 52);
    EXPECT_FALSE(seen[code]);
    seen[code] = true;
  }
  TRandomSource again;
  again.Seed = 123456789;
  TDeck other;
  other.Fill();
  other.Shuffle(again);
  EXPECT_EQ(deck.Entries, other.Entries);
  EXPECT_EQ(random.Seed, again.Seed);
}

TEST(Deck, FillLeavesThePositionAndTakeNextAdvancesFirst) {
  TDeck deck;
  deck.Position = 7;
  deck.Fill();
  EXPECT_EQ(deck.Position, 7);
  EXPECT_EQ(deck.Entries.front(), 1);
  EXPECT_EQ(deck.Entries.back(), 52);
  deck.Position = 0;
  EXPECT_EQ(deck.TakeNext(), 1);
  for (int i = 0; i < 4; ++i) deck.TakeNext();
  EXPECT_EQ(deck.Position, 5);
  EXPECT_EQ(deck.TakeNext(), 6);
}

TEST(Deck, AnExhaustedDeckGivesNoCard) {
  TDeck deck;
  deck.Fill();
  for (int i = 0; i < 52; ++i) EXPECT_EQ(deck.TakeNext(), i + 1);
  EXPECT_EQ(deck.TakeNext(), 0);
  EXPECT_EQ(deck.Position, 52);
}

TEST(CardCode, SuitAndRankAtTheEdges) {
  struct Case {
    int code, suit, rank;
  };
  for (const Case& c :
       {Case{1, 1, 1}, Case{13, 1, 13}, Case{14, 2, 1}, Case{26, 2, 13}, Case{27, 3, 1},
        Case{39, 3, 13}, Case{40, 4, 1}, Case{52, 4, 13}, Case{0, 0, 0}, Case{53, 0, 0},
        Case{63, 0, 0}, Case{255, 0, 0}, Case{-1, 0, 0}}) {
    EXPECT_EQ(CardSuit(c.code), c.suit) << c.code;
    EXPECT_EQ(CardRank(c.code), c.rank) << c.code;
  }
}

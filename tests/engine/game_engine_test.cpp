// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "game_engine.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <vector>

#include "stored_values.h"
#include "whole_number.h"

namespace {

constexpr std::array<std::int32_t, kPayLines> kNothingStored = {-1, -1, -1, -1, -1, -1, -1, -1, -1};
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();

// Seeds whose first five cards make the named hand (found by searching the generator).
constexpr std::uint32_t kSeedNoPair = 0;  // 7C KC 6D 5S 4S
constexpr std::uint32_t kSeedAces = 1;    // AS 2C JS AH 10S
constexpr std::uint32_t kSeedNines = 12;  // 9S 10D 4S 5S 9D
constexpr std::uint32_t kSeedTwoPair = 19;
constexpr std::uint32_t kSeedTrips = 25;
constexpr std::uint32_t kSeedStraight = 162;
constexpr std::uint32_t kSeedFlush = 379;
constexpr std::uint32_t kSeedFullHouse = 596;
constexpr std::uint32_t kSeedQuads = 16815;
constexpr std::uint32_t kSeedStraightFlush = 117923;
constexpr std::uint32_t kSeedRoyal = 131971;

struct TEngineFixture : ::testing::Test {
  TGameEngine engine{[] { return TTimeOfDay{0, 0, 0, 0}; }};
  std::vector<int> sounds;
  int refreshes = 0;

  void SetUp() override {
    engine.OnWinSound = [this](int slot) { sounds.push_back(slot); };
    engine.OnUpdateDisplay = [this] { ++refreshes; };
    engine.StartUp(-1, -1, kNothingStored);
  }

  void DealFrom(std::uint32_t seed) {
    engine.Random().Seed = seed;
    engine.Deal();
  }
  // Deals from the seed, keeps all five cards and settles them.
  void PlayKept(std::uint32_t seed) {
    DealFrom(seed);
    for (int p = 1; p <= kHandSize; ++p) engine.ToggleHold(p);
    engine.DrawAndSettle();
  }
  const TGameView& view() const { return engine.View(); }
};

}  // namespace

TEST_F(TEngineFixture, StartUpWithNothingStoredShowsTheIdleTable) {
  EXPECT_EQ(engine.Total(), 1000);
  EXPECT_EQ(engine.Bet(), 5);
  EXPECT_EQ(engine.BetMaximum(), 1000);
  EXPECT_EQ(engine.PayTable(), TPayTable{});
  EXPECT_EQ(engine.PayTable().H, (std::array<std::int32_t, 9>{0, 1, 2, 3, 4, 7, 11, 49, 99}));
  EXPECT_EQ(engine.Phase(), gpIdle);
  EXPECT_EQ(engine.Deck().Position, 0);
  EXPECT_EQ(engine.Deck().Entries.front(), 1);
  EXPECT_EQ(engine.Stats().HandsWon + engine.Stats().HandsLost, 0);
  EXPECT_EQ(view().TotalText, "1000");
  EXPECT_EQ(view().MoneyMessage, " ");
  EXPECT_TRUE(view().DealVisible);
  EXPECT_FALSE(view().DrawVisible);
  EXPECT_FALSE(view().WinIconVisible);
  EXPECT_FALSE(view().BetReadOnly);
  EXPECT_FALSE(view().GridFilled);
  EXPECT_EQ(view().GaugeProgress, 0);
  for (const auto& panel : view().HoldPanels) {
    EXPECT_EQ(panel.Caption, "Draw");
    EXPECT_EQ(panel.Color, clBtnFace);
    EXPECT_TRUE(panel.Enabled);
  }
  for (cdCardDeck card : view().Cards) EXPECT_EQ(card, cdTitleFace);
}

TEST_F(TEngineFixture, StartUpSeedsFromTheClockOnce) {
  TGameEngine clocked([] { return TTimeOfDay{12, 34, 56, 789}; });
  clocked.StartUp(-1, -1, kNothingStored);
  EXPECT_EQ(clocked.Random().Seed, 45296789u);
  clocked.Deal();
  EXPECT_NE(clocked.Random().Seed, 45296789u);
}

TEST(EngineStartUp, StoredTotalAndBetWithinTheirBounds) {
  struct Case {
    std::int32_t storedTotal, storedBet, total, bet;
  };
  const Case cases[] = {
      {50, -1, 1000, 5},
      {51, -1, 51, 5},
      {49999, -1, 49999, 5},
      {50000, -1, 1000, 5},
      {100000, -1, 1000, 5},
      {-1, -1, 1000, 5},
      {1000, 1000, 1000, 5},  // a bet equal to the total is ignored
      {1000, 0, 1000, 5},
      {1000, -7, 1000, 5},
      {1000, 3, 1000, 5},
      {3000, 2000, 3000, 1000},
      {1000, 995, 1000, 995},
      {60, 55, 60, 55},
      {60, 61, 60, 5},
      {kInt32Max, kInt32Max, 1000, 5},
      {kInt32Min, kInt32Min, 1000, 5},
  };
  for (const Case& c : cases) {
    TGameEngine engine;
    engine.StartUp(c.storedTotal, c.storedBet, kNothingStored);
    EXPECT_EQ(engine.Total(), c.total) << c.storedTotal << "/" << c.storedBet;
    EXPECT_EQ(engine.Bet(), c.bet) << c.storedTotal << "/" << c.storedBet;
    EXPECT_EQ(engine.View().BetValue, c.bet);
    EXPECT_EQ(engine.View().TotalText, std::to_string(c.total));
  }
}

TEST(EngineStartUp, StoredMultipliersAboveZeroReplaceTheDefaults) {
  TGameEngine engine;
  engine.StartUp(-1, -1, {500, 0, -1, 31, 0, 8, 24, 49, kInt32Max});
  EXPECT_EQ(engine.PayTable().H,
            (std::array<std::int32_t, 9>{500, 1, 2, 31, 4, 8, 24, 49, kInt32Max}));
}

TEST_F(TEngineFixture, DealShowsFiveCardsAndOpensTheHand) {
  engine.ShowStats();
  DealFrom(kSeedNoPair);
  EXPECT_EQ(view().Cards, (std::array<cdCardDeck, 5>{33, 39, 45, 5, 4}));
  EXPECT_EQ(engine.Deck().Position, 5);
  EXPECT_EQ(engine.Phase(), gpDealt);
  EXPECT_TRUE(view().BetReadOnly);
  EXPECT_FALSE(view().DealVisible);
  EXPECT_TRUE(view().DrawVisible);
  EXPECT_FALSE(view().WinIconVisible);
  EXPECT_EQ(view().MoneyMessage, " ");
  EXPECT_EQ(view().HandText, "  ");
  EXPECT_EQ(view().SecondMessage, "  ");
  EXPECT_EQ(engine.Total(), 1000);  // the stake is not taken at the deal
}

TEST_F(TEngineFixture, OperationsOutsideTheirPhaseDoNothing) {
  engine.DrawAndSettle();  // idle
  EXPECT_EQ(engine.Phase(), gpIdle);
  EXPECT_EQ(refreshes, 0);
  DealFrom(kSeedNoPair);
  const auto cards = view().Cards;
  const auto seed = engine.Random().Seed;
  engine.Deal();  // a hand is open
  EXPECT_EQ(view().Cards, cards);
  EXPECT_EQ(engine.Random().Seed, seed);
  engine.DrawAndSettle();
  engine.DrawAndSettle();  // settled already
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(engine.Stats().HandsLost + engine.Stats().HandsWon, 1);
}

TEST_F(TEngineFixture, ReplacementsComeFromPositionSixOnInHandOrder) {
  DealFrom(kSeedNoPair);
  engine.DrawAndSettle();  // nothing held
  EXPECT_EQ(view().Cards, (std::array<cdCardDeck, 5>{35, 17, 42, 12, 23}));
  EXPECT_EQ(engine.Deck().Position, 10);

  DealFrom(kSeedNoPair);
  engine.ToggleHold(2);
  engine.ToggleHold(4);
  engine.DrawAndSettle();
  EXPECT_EQ(view().Cards, (std::array<cdCardDeck, 5>{35, 39, 17, 5, 42}));
  EXPECT_EQ(engine.Deck().Position, 8);

  PlayKept(kSeedNoPair);
  EXPECT_EQ(view().Cards, (std::array<cdCardDeck, 5>{33, 39, 45, 5, 4}));
  EXPECT_EQ(engine.Deck().Position, 5);
}

TEST_F(TEngineFixture, EachHandSettlesByItsRowOfTheOutcomeTable) {
  struct Row {
    std::uint32_t seed;
    THandCategory category;
    const char* text;
    int slot;  // 0 = a loss
  };
  const Row rows[] = {
      {kSeedNoPair, hcNoPair, "Player has No Pair ", 0},
      {kSeedNines, hcPair, "Player has One Pair", 0},
      {kSeedAces, hcPair, "Player has pair of Jacks or Better", 1},
      {kSeedTwoPair, hcTwoPair, "Player has Two Pair", 2},
      {kSeedTrips, hcThreeOfAKind, "Player has Three of a Kind", 3},
      {kSeedStraight, hcStraight, "Player has a Straight", 4},
      {kSeedFlush, hcFlush, "Player has a Flush", 5},
      {kSeedFullHouse, hcFullHouse, "Player has a Full House", 6},
      {kSeedQuads, hcFourOfAKind, "Wow! Four of a Kind", 7},
      {kSeedStraightFlush, hcStraightFlush, "Wow! Straight Flush", 8},
      {kSeedRoyal, hcRoyalFlush, "Wow! Royal Flush", 9},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    engine.StartUp(1000, 10, kNothingStored);
    sounds.clear();
    refreshes = 0;
    PlayKept(row.seed);
    const bool won = row.slot != 0;
    const std::int32_t m = won ? TPayTable{}.Line(row.slot) : 0;
    const std::int32_t total = won ? 1000 + m * 10 : 990;
    EXPECT_EQ(view().HandText, row.text);
    EXPECT_EQ(engine.Stats().CategoryCount[row.category], 1);
    EXPECT_EQ(engine.Stats().HandsWon, won ? 1 : 0);
    EXPECT_EQ(engine.Stats().HandsLost, won ? 0 : 1);
    EXPECT_EQ(engine.Total(), total);
    EXPECT_EQ(view().TotalText, std::to_string(total));
    EXPECT_EQ(sounds, won ? std::vector<int>{row.slot} : std::vector<int>{});
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(view().WinIconVisible, won);
    EXPECT_EQ(view().GaugeProgress, won ? 100 : 0);
    EXPECT_TRUE(view().GridFilled);
    EXPECT_EQ(view().GridCounts[row.category], 1);
  }
}

TEST_F(TEngineFixture, MoneyMessages) {
  PlayKept(kSeedNines);
  EXPECT_EQ(view().MoneyMessage, "You Lost Total is now 995");
  PlayKept(kSeedAces);  // H1 = 0 returns the stake
  EXPECT_EQ(view().MoneyMessage, "You Win Total is now 995");
  PlayKept(kSeedTwoPair);
  EXPECT_EQ(view().MoneyMessage, "*Bonus* 2X  Paid You Win! Total is now 1000");

  TPayTable table;
  table.SetLine(1, 2);
  engine.SetPayTable(table);
  PlayKept(kSeedAces);
  EXPECT_EQ(view().MoneyMessage, "*Bonus* 3X  Paid You Win! Total is now 1010");
}

TEST_F(TEngineFixture, RoyalFlushAtTheTopBet) {
  engine.SetBet(1000);
  PlayKept(kSeedRoyal);
  EXPECT_EQ(engine.Total(), 100000);
  EXPECT_EQ(view().MoneyMessage, "*Bonus* 100X  Paid You Win! Total is now 100000");
}

TEST_F(TEngineFixture, TheBankrollMayGoBelowZero) {
  engine.SetTotal(3);
  PlayKept(kSeedNoPair);
  EXPECT_EQ(engine.Total(), -2);
  EXPECT_EQ(view().MoneyMessage, "You Lost Total is now -2");
  EXPECT_EQ(view().TotalText, "-2");
}

TEST_F(TEngineFixture, MoneyIsHeldAtThe32BitLimits) {
  TPayTable table;
  table.SetLine(9, kInt32Max);
  engine.SetPayTable(table);
  engine.SetBet(1000);
  PlayKept(kSeedRoyal);
  EXPECT_EQ(engine.Total(), kInt32Max);
  EXPECT_EQ(view().MoneyMessage, "*Bonus* 2147483648X  Paid You Win! Total is now 2147483647");

  engine.SetTotal(kInt32Min + 2);
  PlayKept(kSeedNoPair);  // the bet is now 5 (total below 20)
  EXPECT_EQ(engine.Total(), kInt32Min);
}

TEST_F(TEngineFixture, ALowBankrollLowersTheBetMaximumUntilTheNextStart) {
  engine.SetBet(500);
  engine.SetTotal(20);
  DealFrom(kSeedNoPair);
  EXPECT_EQ(engine.Bet(), 500);  // 20 is still enough
  EXPECT_EQ(engine.BetMaximum(), 1000);
  engine.DrawAndSettle();

  engine.SetTotal(19);
  DealFrom(kSeedNoPair);
  EXPECT_EQ(engine.Bet(), 5);
  EXPECT_EQ(engine.BetMaximum(), 5);
  EXPECT_EQ(view().BetMaximum, 5);
  engine.DrawAndSettle();

  engine.SetTotal(100000);
  EXPECT_FALSE(engine.StepBet(1) && engine.Bet() != 5);
  EXPECT_EQ(engine.Bet(), 5);
  engine.SetBet(500);
  EXPECT_EQ(engine.Bet(), 5);
  PlayKept(kSeedRoyal);
  EXPECT_EQ(engine.BetMaximum(), 5);

  engine.StartUp(-1, -1, kNothingStored);
  EXPECT_EQ(engine.BetMaximum(), 1000);
}

TEST_F(TEngineFixture, BetStepsByFiveWithinItsBounds) {
  EXPECT_TRUE(engine.StepBet(1));
  EXPECT_EQ(engine.Bet(), 10);
  engine.StepBet(-1);
  engine.StepBet(-1);
  EXPECT_EQ(engine.Bet(), 5);
  engine.SetBet(995);
  engine.StepBet(1);
  engine.StepBet(1);
  EXPECT_EQ(engine.Bet(), 1000);
  engine.StepBet(std::numeric_limits<int>::max());
  EXPECT_EQ(engine.Bet(), 1000);
  engine.StepBet(std::numeric_limits<int>::min());
  EXPECT_EQ(engine.Bet(), 5);
  EXPECT_EQ(view().BetValue, 5);
}

// The game's one reading of a typed or stored number (bet field, payouts fields, settings
// file, analyzer): each caller adds its own blanks and range around it.
TEST(WholeNumber, OneSignThenDigitsToTheEnd) {
  EXPECT_EQ(ParseSignedDecimal("250"), 250);
  EXPECT_EQ(ParseSignedDecimal("-15"), -15);
  EXPECT_EQ(ParseSignedDecimal("+40"), 40);
  EXPECT_EQ(ParseSignedDecimal("-9223372036854775807"), std::nullopt);  // beyond every range
  EXPECT_EQ(ParseSignedDecimal("999999999999999999"), 999999999999999999);
  for (const char* junk :
       {"", " ", "+", "-", "+-5", "--5", "abc", "12a", "1.5", "0x10", "12 ", " 12"})
    EXPECT_EQ(ParseSignedDecimal(junk), std::nullopt) << junk;
  EXPECT_EQ(ParseSignedDecimal("1000", 5, 1000), 1000);
  EXPECT_EQ(ParseSignedDecimal("1001", 5, 1000), std::nullopt);
}

TEST_F(TEngineFixture, BetsOutsideTheRangeAreMovedIntoIt) {
  engine.SetBet(1003);
  EXPECT_EQ(engine.Bet(), 1000);
  engine.SetBet(2);
  EXPECT_EQ(engine.Bet(), 5);
  engine.SetBet(85);
  EXPECT_EQ(engine.Bet(), 85);
}

TEST_F(TEngineFixture, TheBetIsReadOnlyWhileAHandIsOpen) {
  engine.SetBet(50);
  DealFrom(kSeedNoPair);
  EXPECT_FALSE(engine.StepBet(1));
  EXPECT_FALSE(engine.SetBet(100));
  EXPECT_EQ(engine.Bet(), 50);
  engine.DrawAndSettle();
  EXPECT_EQ(engine.Total(), 950);
  EXPECT_FALSE(view().BetReadOnly);
  EXPECT_TRUE(engine.SetBet(100));
}

TEST_F(TEngineFixture, HoldPanelsThroughTheCycle) {
  DealFrom(kSeedNoPair);
  engine.ToggleHold(3);
  EXPECT_EQ(view().HoldPanels[2].Caption, "Hold");
  EXPECT_EQ(view().HoldPanels[2].Color, clRed);
  engine.ToggleHold(3);
  EXPECT_EQ(view().HoldPanels[2].Caption, "Draw");
  EXPECT_EQ(view().HoldPanels[2].Color, clBtnFace);
  engine.ToggleHold(0);  // no such position
  engine.ToggleHold(6);
  engine.DrawAndSettle();
  for (const auto& panel : view().HoldPanels) {
    EXPECT_EQ(panel.Caption, "Over");
    EXPECT_EQ(panel.Color, clBlue);
    EXPECT_FALSE(panel.Enabled);
  }
  // A click on a card face after the hand still flips its (disabled) panel.
  engine.ToggleHold(1);
  EXPECT_EQ(view().HoldPanels[0].Caption, "Draw");
  EXPECT_EQ(view().HoldPanels[0].Color, clBtnFace);
  EXPECT_FALSE(view().HoldPanels[0].Enabled);
  engine.ToggleHold(1);
  EXPECT_EQ(view().HoldPanels[0].Caption, "Hold");
  EXPECT_EQ(view().HoldPanels[0].Color, clRed);
  EXPECT_EQ(engine.Phase(), gpSettled);
  DealFrom(kSeedNoPair);
  for (const auto& panel : view().HoldPanels) {
    EXPECT_EQ(panel.Caption, "Draw");
    EXPECT_TRUE(panel.Enabled);
  }
}

TEST_F(TEngineFixture, TheWinSoundComesBeforeTheCredit) {
  engine.OnWinSound = [this](int slot) {
    sounds.push_back(slot);
    EXPECT_EQ(engine.Total(), 1000);
    EXPECT_EQ(view().HandText, "Player has Two Pair");
    EXPECT_EQ(view().MoneyMessage, " ");
    EXPECT_FALSE(view().WinIconVisible);
  };
  PlayKept(kSeedTwoPair);
  EXPECT_EQ(sounds, std::vector<int>{2});
  EXPECT_EQ(engine.Total(), 1005);
}

TEST_F(TEngineFixture, SetTotalCountsForTheOpenHand) {
  DealFrom(kSeedTwoPair);
  engine.SetTotal(100000);
  EXPECT_EQ(view().TotalText, "100000");
  EXPECT_EQ(view().Cards[0], 13);  // the hand is untouched
  for (int p = 1; p <= kHandSize; ++p) engine.ToggleHold(p);
  engine.DrawAndSettle();
  EXPECT_EQ(engine.Total(), 100005);
  EXPECT_EQ(engine.Stats().HandsWon, 1);
}

TEST_F(TEngineFixture, StatsLinesChangeOnlyTheTwoMessagePanels) {
  engine.ShowStats();
  EXPECT_EQ(view().MoneyMessage, "Player has Won 0 hands and Lost 0 Total Pairs =0");
  EXPECT_EQ(view().SecondMessage, " ");
  PlayKept(kSeedAces);
  PlayKept(kSeedNines);
  PlayKept(kSeedFlush);
  DealFrom(kSeedNoPair);
  const TGameView before = view();
  engine.ShowStats();
  EXPECT_EQ(view().MoneyMessage, "Player has Won 2 hands and Lost 1 Total Pairs =2");
  EXPECT_EQ(view().SecondMessage, "  Flushs=1");
  EXPECT_EQ(view().Cards, before.Cards);
  EXPECT_EQ(view().DrawVisible, before.DrawVisible);
  EXPECT_EQ(view().GaugeProgress, before.GaugeProgress);
  EXPECT_EQ(view().HandText, before.HandText);
  EXPECT_EQ(engine.Phase(), gpDealt);
}

TEST_F(TEngineFixture, ManyHandsKeepTheStatisticsInvariant) {
  engine.SetTotal(40000);
  for (std::uint32_t seed = 1000; seed < 1400; ++seed) {
    DealFrom(seed);
    if (seed % 3 == 0) engine.ToggleHold(1);
    if (seed % 5 == 0) engine.ToggleHold(4);
    engine.DrawAndSettle();
  }
  const TPlayStats& s = engine.Stats();
  int sum = 0;
  for (int c : s.CategoryCount) sum += c;
  EXPECT_EQ(sum, 400);
  EXPECT_EQ(s.HandsWon + s.HandsLost, 400);
  EXPECT_EQ(view().GridCounts, s.CategoryCount);
  EXPECT_EQ(view().GaugeProgress, *s.WinningPercentage());
  EXPECT_EQ(refreshes, 400);
  EXPECT_EQ(static_cast<int>(sounds.size()), s.HandsWon);
}

TEST_F(TEngineFixture, PracticeHandsMoveNoMoneyAndCountNoStatistics) {
  engine.SetBet(20);
  engine.SetTotal(10);  // low, but nothing is at stake: the bet stays
  const auto practise = [this](std::uint32_t seed) {
    engine.Random().Seed = seed;
    engine.DealPractice();
    EXPECT_TRUE(engine.PracticeHand());
    EXPECT_EQ(view().SecondMessage, "Practice hand: no money moves");
    for (int p = 1; p <= kHandSize; ++p) engine.ToggleHold(p);
    engine.DrawAndSettle();
  };
  practise(kSeedTwoPair);
  EXPECT_EQ(view().HandText, "Player has Two Pair");
  EXPECT_EQ(view().MoneyMessage, "Practice hand: it would pay 20. Total stays 10");
  EXPECT_TRUE(view().WinIconVisible);
  practise(kSeedNines);
  EXPECT_EQ(view().MoneyMessage, "Practice hand: it would cost 20. Total stays 10");
  EXPECT_FALSE(view().WinIconVisible);
  practise(kSeedAces);  // H1 = 0
  EXPECT_EQ(view().MoneyMessage, "Practice hand: the bet would come back. Total stays 10");

  EXPECT_EQ(engine.Total(), 10);
  EXPECT_EQ(engine.Bet(), 20);
  EXPECT_EQ(engine.BetMaximum(), 1000);
  EXPECT_EQ(engine.Stats().HandsWon + engine.Stats().HandsLost, 0);
  EXPECT_FALSE(view().GridFilled);
  EXPECT_TRUE(sounds.empty());
  EXPECT_EQ(refreshes, 3);
  for (const THoldPanelView& panel : view().HoldPanels) EXPECT_EQ(panel.Caption, "Over");

  // The next hand for money is the machine's as ever.
  DealFrom(kSeedNoPair);
  EXPECT_FALSE(engine.PracticeHand());
  EXPECT_EQ(view().SecondMessage, "  ");
  EXPECT_EQ(engine.BetMaximum(), 5);
}

TEST_F(TEngineFixture, AReplayDealsTheSameCardsUnderItsOwnTableAndBet) {
  PlayKept(kSeedNoPair);
  const TPlayStats stats = engine.Stats();
  const std::int32_t total = engine.Total();
  const THandCards cards = {9, 22, 35, 48, 1};  // four nines and the ace of spades
  TPayTable table;
  table.SetLine(7, 30);
  ASSERT_TRUE(engine.DealReplay(cards, table, 50));
  EXPECT_EQ(view().Cards, cards);
  EXPECT_EQ(view().SecondMessage, "Practice hand: no money moves");
  EXPECT_EQ(view().BetValue, 50);  // shown while it lasts
  EXPECT_EQ(engine.Bet(), 5);
  EXPECT_EQ(engine.HandBet(), 50);
  EXPECT_EQ(engine.HandPayTable(), table);
  // The draw comes from the other 47 cards, each once.
  std::set<std::int32_t> rest(engine.Deck().Entries.begin() + kHandSize,
                              engine.Deck().Entries.end());
  EXPECT_EQ(rest.size(), 47u);
  for (const cdCardDeck card : cards) EXPECT_EQ(rest.count(card), 0u);
  EXPECT_EQ(engine.Deck().Position, kHandSize);
  EXPECT_FALSE(engine.DealReplay(cards, table, 50));  // a hand is open

  for (int p = 1; p <= 4; ++p) engine.ToggleHold(p);
  engine.DrawAndSettle();
  EXPECT_EQ(view().HandText, "Wow! Four of a Kind");
  EXPECT_EQ(view().MoneyMessage,
            "Practice hand: it would pay 1500. Total stays " + std::to_string(total));
  EXPECT_EQ(view().BetValue, 5);  // the player's own bet again
  EXPECT_EQ(engine.Total(), total);
  EXPECT_EQ(engine.Stats().HandsWon, stats.HandsWon);
  EXPECT_EQ(engine.Stats().HandsLost, stats.HandsLost);

  // Only five different playing cards can be dealt again.
  for (const THandCards bad :
       {THandCards{9, 9, 35, 48, 1}, THandCards{0, 22, 35, 48, 1}, THandCards{53, 22, 35, 48, 1}}) {
    EXPECT_FALSE(engine.DealReplay(bad, table, 50));
    EXPECT_EQ(engine.Phase(), gpSettled);
  }
  DealFrom(kSeedNoPair);
  EXPECT_FALSE(engine.PracticeHand());
}

TEST_F(TEngineFixture, ListenersHearEachStepOnceItShowsUntilTheyStop) {
  std::string heard;
  // Each step is told once the view shows it, whichever kind of hand it is.
  const auto note = [&](char step) {
    return [&heard, step, this] {
      heard += step;
      if (step == 'D') {
        EXPECT_EQ(engine.Phase(), gpDealt);
      }
      if (step == 'S') {
        EXPECT_EQ(engine.Phase(), gpSettled);
      }
    };
  };
  const int id = engine.Listen({note('D'), note('H'), note('S'), note('P')});
  engine.Listen({});  // a listener may leave any of them empty
  DealFrom(kSeedNoPair);
  engine.Deal();  // a hand is open: nothing dealt, nothing told
  engine.ToggleHold(2);
  engine.ToggleHold(9);
  engine.DrawAndSettle();
  engine.DrawAndSettle();
  EXPECT_EQ(heard, "DHS");
  engine.DealPractice();
  engine.DrawAndSettle();
  ASSERT_TRUE(engine.DealReplay({9, 22, 35, 48, 1}, engine.PayTable(), 50));
  engine.DrawAndSettle();
  TPayTable table = engine.PayTable();
  engine.SetPayTable(table);  // the same multipliers: nothing changed
  table.SetLine(9, 250);
  engine.SetPayTable(table);
  EXPECT_EQ(heard, "DHSDSDSP");

  engine.StopListening(id);
  engine.Deal();
  EXPECT_EQ(heard, "DHSDSDSP");
}

TEST(EngineBeforeStartUp, AFreshEngineCanAlreadyPlay) {
  TGameEngine engine;
  EXPECT_EQ(engine.View().TotalText, "1000");
  EXPECT_EQ(engine.View().Cards[4], cdTitleFace);
  engine.Deal();
  EXPECT_EQ(engine.Phase(), gpDealt);
  engine.DrawAndSettle();
  EXPECT_EQ(engine.Phase(), gpSettled);
}

TEST(StoredValues, TheTableAgreesWithThePayTableAndNamesEachKeyOnce) {
  for (int line = 1; line <= kPayLines; ++line) {
    const TStoredValue& value = kStoredValues[PayoutKey(line)];
    EXPECT_EQ(value.Key, "H" + std::to_string(line));
    // The dialog must be able to show every default it offers to restore.
    EXPECT_GE(value.DialogMaximum, TPayTable{}.Line(line)) << value.Key;
  }
  std::set<std::pair<std::string_view, std::string_view>> names;
  for (const TStoredValue& value : kStoredValues) names.insert({value.Section, value.Key});
  EXPECT_EQ(names.size(), kStoredValues.size());
  std::set<TStoredKey> written(kCloseOrder.begin(), kCloseOrder.end());
  EXPECT_EQ(written.size(), kStoredValues.size());
  // Written at close but not restored: the next start begins from the defaults.
  EXPECT_TRUE(WrittenAtClose(skTotal, 50000));
  EXPECT_FALSE(TakenAtStartUp(skTotal, 50000));
  EXPECT_TRUE(WrittenAtClose(skH2, 0));
  EXPECT_FALSE(TakenAtStartUp(skH2, 0));
}

// The window shows each text of the view from its wording: whatever the engine does, the
// wording must say what the text says, or a player in another language reads something else.
TEST_F(TEngineFixture, EveryTextOfTheViewIsWhatItsWordingSays) {
  const auto check = [this](const char* step) {
    SCOPED_TRACE(step);
    EXPECT_EQ(EnglishText(view().HandWording), view().HandText);
    EXPECT_EQ(EnglishText(view().MoneyWording), view().MoneyMessage);
    EXPECT_EQ(EnglishText(view().SecondWording), view().SecondMessage);
    for (const THoldPanelView& panel : view().HoldPanels)
      EXPECT_EQ(EnglishText(panel.CaptionWording), panel.Caption);
  };
  check("start");
  for (const std::uint32_t seed :
       {kSeedNoPair, kSeedNines, kSeedAces, kSeedTwoPair, kSeedTrips, kSeedStraight, kSeedFlush,
        kSeedFullHouse, kSeedQuads, kSeedStraightFlush, kSeedRoyal}) {
    DealFrom(seed);
    check("deal");
    engine.ToggleHold(2);
    check("hold");
    engine.ToggleHold(2);
    for (int p = 1; p <= kHandSize; ++p) engine.ToggleHold(p);
    engine.DrawAndSettle();
    check("draw");
    engine.ShowStats();
    check("stats");
  }
  // Lost, the bet back (a paying pair at multiplier 0) and a win.
  for (const std::uint32_t seed : {kSeedNoPair, kSeedAces, kSeedFlush}) {
    engine.Random().Seed = seed;
    engine.DealPractice();
    check("practice deal");
    for (int p = 1; p <= kHandSize; ++p) engine.ToggleHold(p);
    engine.DrawAndSettle();
    check("practice draw");
  }
  engine.SetTotal(-5);
  PlayKept(kSeedNoPair);
  check("below zero");
}

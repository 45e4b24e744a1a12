// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "simulate.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game_engine.h"
#include "hand_cycle.h"
#include "test_support.h"

namespace {

TTimeOfDay Midnight() {
  return {};
}

struct TCase {
  TStrategy Strategy;
  std::uint32_t Seed;
  std::int32_t Bet;
  std::int32_t Total;
  std::array<std::int32_t, kPayLines> Multipliers;
  int Hands;
};

// Plays the same hands through the game engine, holding what the simulator held, and
// compares every step.
void PlaySideBySide(const TCase& c) {
  TSimulationSetup setup;
  setup.Seed = c.Seed;
  setup.Strategy = c.Strategy;
  setup.Bet = c.Bet;
  setup.Total = c.Total;
  setup.PayTable.H = c.Multipliers;
  TSimulator simulator(setup, c.Strategy == stOptimal ? TDrawTables::Build(2) : nullptr);

  TGameEngine engine(Midnight);
  engine.StartUp(-1, -1, {-1, -1, -1, -1, -1, -1, -1, -1, -1});
  engine.SetPayTable(setup.PayTable);
  engine.SetTotal(c.Total);
  ASSERT_TRUE(engine.SetBet(c.Bet));
  engine.Random().Seed = c.Seed;

  for (int hand = 1; hand <= c.Hands; ++hand) {
    SCOPED_TRACE("hand " + std::to_string(hand));
    const std::uint32_t seed = engine.Random().Seed;
    const TPlayStats before = engine.Stats();
    const TSimulatedHand& r = simulator.PlayHand();
    ASSERT_EQ(r.SeedBefore, seed);

    engine.Deal();
    ASSERT_EQ(r.Dealt, engine.Hand().Cards);
    for (int i = 0; i < kHandSize; ++i)
      if (r.HeldMask & (1 << i)) engine.ToggleHold(i + 1);
    engine.DrawAndSettle();
    ASSERT_EQ(r.Final, engine.Hand().Cards);
    ASSERT_EQ(r.Result, EvaluateHand(engine.Hand().Cards));
    ASSERT_EQ(engine.Stats().CategoryCount[r.Result.Category],
              before.CategoryCount[r.Result.Category] + 1);
    ASSERT_EQ(engine.Stats().HandsWon - before.HandsWon, r.Won ? 1 : 0);
    ASSERT_EQ(r.Total, engine.Total());
    ASSERT_EQ(simulator.Bet(), engine.Bet());
  }
  EXPECT_EQ(simulator.Stats().SummaryText(), engine.Stats().SummaryText());
  EXPECT_EQ(simulator.Stats().HighHandsText(), engine.Stats().HighHandsText());
}

const int kHands = kSanitizedBuild ? 300 : 3000;

TEST(Simulator, DealsDrawsAndSettlesAsTheGameDoes) {
  const std::array<std::int32_t, kPayLines> defaults = {0, 1, 2, 3, 4, 7, 11, 49, 99};
  PlaySideBySide({stOptimal, 0, 5, 1000, defaults, kHands});
  PlaySideBySide({stNone, 86399999, 25, 5000, defaults, kHands});
  PlaySideBySide({stAll, 4294967295u, 1000, 30000, {0, 1, 2, 3, 5, 8, 24, 49, 799}, kHands});
}

TEST(Simulator, FixesTheBetOnceTheTotalDropsBelowTwenty) {
  // A small bankroll and a big bet: the game lowers the bet for good at the first deal
  // under 20, and keeps it there after the total recovers.
  PlaySideBySide({stNone, 12345, 1000, 21, {5, 5, 5, 9, 9, 99, 99, 999, 999}, kHands / 3});
  TSimulationSetup setup;
  setup.Strategy = stAll;
  setup.Bet = 500;
  setup.Total = 19;
  TSimulator simulator(setup, nullptr);
  simulator.PlayHand();
  EXPECT_EQ(simulator.Bet(), kMinBet);
}

TEST(Simulator, HoldsTheTotalAtTheMoneyLimits) {
  const std::int32_t top = 2147483646;
  PlaySideBySide(
      {stOptimal, 777, 1000, 2147483000, {top, top, top, top, top, top, top, top, top}, 50});
  PlaySideBySide({stNone, 778, 1000, -2147483000, {0, 1, 2, 3, 4, 7, 11, 49, 99}, 50});
}

TEST(Simulator, FirstHandFromSeedZeroIsTheKnownDeal) {
  TSimulationSetup setup;
  setup.Strategy = stAll;
  TSimulator simulator(setup, nullptr);
  const TSimulatedHand& r = simulator.PlayHand();
  EXPECT_EQ(r.Dealt, (THandCards{33, 39, 45, 5, 4}));
  EXPECT_EQ(r.Final, r.Dealt);
  EXPECT_EQ(r.Result.Category, hcNoPair);
  EXPECT_FALSE(r.Won);
  EXPECT_EQ(r.Total, 995);
}

}  // namespace

namespace {

// Jacks or Better from the game list plays the very hands today's simulator plays; another
// game deals the same cards and settles them by its own lines.
TEST(GameSimulator, PlaysJacksAsTodayAndOtherGamesByTheirLines) {
  const TGame& deuces = *FindGame("deuces-wild");
  for (const TStrategy strategy : {stOptimal, stNone}) {
    TSimulationSetup today;
    today.Seed = 2026;
    today.Strategy = strategy;
    today.Bet = 10;
    today.Total = 40;
    today.PayTable.H = {0, 1, 2, 3, 5, 8, 24, 49, 799};
    TSimulator simulator(today, strategy == stOptimal ? TDrawTables::Build(2) : nullptr);
    TGameSimulationSetup setup;
    setup.Seed = today.Seed;
    setup.Strategy = strategy;
    setup.Bet = today.Bet;
    setup.Total = today.Total;
    setup.Table = {&kJacksOrBetter, {1, 2, 3, 4, 6, 9, 25, 50, 800}, ""};
    TGameSimulator jacks(setup, GameTables(kJacksOrBetter));
    setup.Strategy = stNone;
    setup.Table = {&deuces, {1, 2, 2, 3, 5, 9, 15, 25, 200, 800}, ""};
    TGameSimulator wild(setup, nullptr);
    std::int32_t wildTotal = setup.Total;
    std::int32_t bet = setup.Bet;
    std::int32_t betMaximum = kMaxBet;
    for (int hand = 1; hand <= kHands / 3; ++hand) {
      SCOPED_TRACE("hand " + std::to_string(hand));
      const TSimulatedHand& expected = simulator.PlayHand();
      const TGameSimulatedHand& r = jacks.PlayHand();
      ASSERT_EQ(r.SeedBefore, expected.SeedBefore);
      ASSERT_EQ(r.Dealt, expected.Dealt);
      ASSERT_EQ(r.HeldMask, expected.HeldMask);
      ASSERT_EQ(r.Final, expected.Final);
      ASSERT_EQ(r.Outcome, OutcomeOf(expected.Result));
      ASSERT_EQ(r.Won, expected.Won);
      ASSERT_EQ(r.Total, expected.Total);
      const TGameSimulatedHand& w = wild.PlayHand();
      if (strategy == stNone) {
        ASSERT_EQ(w.Final, expected.Final);
      }
      LowerBetAtDeal(wildTotal, bet, betMaximum);
      ASSERT_EQ(w.Outcome, EvaluateOutcome(deuces, w.Final));
      const std::int64_t pays =
          deuces.IsWin(w.Outcome)
              ? setup.Table.Pays[static_cast<std::size_t>(deuces.LineOfOutcome(w.Outcome))]
              : 0;
      wildTotal = ClampMoney(wildTotal + (pays - 1) * bet);
      ASSERT_EQ(w.Total, wildTotal);
    }
    EXPECT_EQ(jacks.Won(), simulator.Stats().HandsWon);
  }
}

}  // namespace

namespace {

TEST(GameSimulator, DealsJokerPokerFromTheDeckOfFiftyThree) {
  const TGame& joker = *FindGame("joker-poker");
  TGameSimulationSetup setup;
  setup.Seed = 53;
  setup.Strategy = stOptimal;
  setup.Table = {&joker, PresetPays(joker, joker.Presets[0]), ""};
  TGameSimulator simulator(setup, GameTables(joker));
  int jokers = 0;
  for (int hand = 0; hand < 300; ++hand) {
    const TGameSimulatedHand& r = simulator.PlayHand();
    THandCards seen = r.Final;
    std::sort(seen.begin(), seen.end());
    ASSERT_TRUE(std::adjacent_find(seen.begin(), seen.end()) == seen.end());
    ASSERT_TRUE(seen.front() >= 1 && seen.back() <= 53);
    for (int i = 0; i < 5; ++i)
      if (r.Dealt[static_cast<std::size_t>(i)] == cdJoker) {
        ++jokers;
        // The joker is always worth keeping.
        EXPECT_TRUE(r.HeldMask & (1 << i));
      }
    ASSERT_EQ(r.Outcome, EvaluateOutcome(joker, r.Final));
  }
  EXPECT_GT(jokers, 0);
}

}  // namespace

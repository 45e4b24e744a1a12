// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "advice.h"

#include <gtest/gtest.h>

#include "card_text.h"
#include "test_support.h"

namespace {

THandAdvice Advise(const char* cards, std::int32_t bet) {
  return AdviseHand(SharedTables(), ParseHand({cards}), TPayTable{}, bet);
}

std::uint8_t Mask(std::initializer_list<int> positions) {
  std::uint8_t mask = 0;
  for (const int p : positions) mask |= static_cast<std::uint8_t>(1 << (p - 1));
  return mask;
}

}  // namespace

// Four kings: keeping the fifth card is worth exactly as much as drawing to it.
TEST(Advice, AHoldThatTiesTheBestIsBestPlayAndCostsNothing) {
  const THandAdvice advice = Advise("KS KH KC KD 2S", 5);
  const std::uint8_t all = Mask({1, 2, 3, 4, 5});
  EXPECT_EQ(advice.Best().Mask, Mask({1, 2, 3, 4}));
  EXPECT_TRUE(advice.IsBest(all));
  EXPECT_EQ(advice.CostOf(all), 0.0);
  EXPECT_EQ(VerdictText(advice, all), "Best play");
  EXPECT_EQ(CurrentHoldText(advice, all),
            "Your hold: K♠\u00A0K♥\u00A0K♣\u00A0K♦\u00A02♠, a best hold");
  EXPECT_FALSE(advice.IsBest(Mask({1, 2, 3})));
}

TEST(Advice, AMistakeIsPricedAtTheBetAgainstTheBestHold) {
  const THandAdvice advice = Advise("TH JH QH KH 2C", 20);
  const THoldOdds& best = advice.Best();
  ASSERT_EQ(best.Mask, Mask({1, 2, 3, 4}));
  const THoldOdds& none = advice.Of(0);
  const double cost = (best.ExpectedPay() - none.ExpectedPay()) * 20;
  EXPECT_NEAR(advice.CostOf(0), cost, 1e-9);
  EXPECT_EQ(VerdictText(advice, 0),
            "You held nothing (expected " + CoinsText(none.ExpectedPay() * 20) +
                "), best was 10♥\u00A0J♥\u00A0Q♥\u00A0K♥ (expected " +
                CoinsText(best.ExpectedPay() * 20) + "): this choice cost " + CoinsText(cost) +
                " coins on average");
  EXPECT_EQ(CurrentHoldText(advice, Mask({5})),
            "Your hold: 2♣, rank " + std::to_string(advice.RankOf(Mask({5}))) +
                " of 32, gives up " + CoinsText(advice.CostOf(Mask({5}))) + " coins");
}

TEST(Advice, SessionTallyWeighsEachHandByItsBet) {
  TAdvisorSession session;
  EXPECT_EQ(session.BestHoldsText(), "Best holds: 0 of 0 (0 %)");
  EXPECT_EQ(session.ReturnText(), "Return: no hands yet");

  const THandAdvice small = Advise("7C KC 6D 5S 4S", 5);
  const THandAdvice large = Advise("7C KC 6D 5S 4S", 100);
  session.AddHand(small, small.Best().Mask, 995);
  session.AddHand(large, Mask({2}), 895);
  session.AddHand(small, small.Best().Mask, 890);
  EXPECT_EQ(session.Hands(), 3);
  EXPECT_EQ(session.BestHoldsText(), "Best holds: 2 of 3 (66 %)");
  EXPECT_NEAR(session.MistakeCost(), large.CostOf(Mask({2})), 1e-9);
  const double held = 2 * small.Coins(small.Best()) + large.Coins(large.Of(Mask({2})));
  const double best = 2 * small.Coins(small.Best()) + large.Coins(large.Best());
  EXPECT_NEAR(session.PlayerReturnPercent(), 100 * held / 110, 1e-9);
  EXPECT_NEAR(session.BestReturnPercent(), 100 * best / 110, 1e-9);
  EXPECT_EQ(session.Totals(), (std::vector<std::int32_t>{995, 895, 890}));
}

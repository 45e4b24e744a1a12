// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "risk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "game_odds.h"
#include "test_support.h"

namespace {

TPayDistribution Pays(std::vector<std::pair<std::int64_t, std::int64_t>> chances) {
  TPayDistribution pays;
  pays.Denominator = 0;
  for (const auto& [pay, numerator] : chances) {
    pays.Chances.push_back({pay, numerator});
    pays.Denominator += numerator;
  }
  return pays;
}

// Every sequence of outcomes of every hand, counted in whole numbers over Denominator^hands.
struct TBruteForce {
  __int128 Total = 1;
  __int128 Ruin = 0;
  std::vector<__int128> RuinByHand;
  std::map<long long, __int128> Results;

  TBruteForce(const TPayDistribution& pays, long long bankroll, int hands)
      : RuinByHand(static_cast<std::size_t>(hands) + 1, 0) {
    for (int i = 0; i < hands; ++i) Total *= pays.Denominator;
    Play(pays, bankroll, bankroll, hands, 0, 1);
    for (std::size_t n = 1; n < RuinByHand.size(); ++n) RuinByHand[n] += RuinByHand[n - 1];
  }

  void Play(const TPayDistribution& pays, long long start, long long bankroll, int hands,
            int played, __int128 weight) {
    if (bankroll == 0 || played == hands) {
      // The hands a ruin leaves unplayed count every way they could have gone.
      for (int i = played; i < hands; ++i) weight *= pays.Denominator;
      Results[bankroll - start] += weight;
      if (bankroll == 0) {
        Ruin += weight;
        RuinByHand[static_cast<std::size_t>(played)] += weight;
      }
      return;
    }
    for (const TPayChance& c : pays.Chances)
      Play(pays, start, bankroll + c.Pay - 1, hands, played + 1, weight * c.Numerator);
  }

  double Chance(__int128 n) const { return static_cast<double>(n) / static_cast<double>(Total); }
  double Where(bool (*keep)(long long)) const {
    __int128 n = 0;
    for (const auto& [result, count] : Results)
      if (keep(result)) n += count;
    return Chance(n);
  }
  double Mean() const {
    double sum = 0;
    for (const auto& [result, count] : Results) sum += static_cast<double>(result) * Chance(count);
    return sum;
  }
  double Deviation() const {
    const double mean = Mean();
    double sum = 0;
    for (const auto& [result, count] : Results)
      sum += (static_cast<double>(result) - mean) * (static_cast<double>(result) - mean) *
             Chance(count);
    return std::sqrt(sum);
  }
  // Compared in whole numbers: P(result <= r) >= percent / 100.
  long long Percentile(int percent) const {
    __int128 cumulative = 0;
    for (const auto& [result, count] : Results) {
      cumulative += count;
      if (100 * cumulative >= percent * Total) return result;
    }
    return Results.rbegin()->first;
  }
};

void ExpectClose(double counted, double exact, const std::string& what) {
  EXPECT_NEAR(counted, exact, 1e-12 + 1e-10 * std::fabs(exact)) << what;
}

void ExpectMatchesBruteForce(const TPayDistribution& pays, long long bankroll, int hands) {
  SCOPED_TRACE("bankroll " + std::to_string(bankroll) + ", hands " + std::to_string(hands));
  const TBruteForce exact(pays, bankroll, hands);
  const auto risk = SessionRisk(pays, bankroll, hands);
  ASSERT_TRUE(risk);
  ExpectClose(risk->Ruin, exact.Chance(exact.Ruin), "ruin");
  ExpectClose(risk->Ahead, exact.Where([](long long r) { return r > 0; }), "ahead");
  ExpectClose(risk->Even, exact.Where([](long long r) { return r == 0; }), "even");
  ExpectClose(risk->Behind, exact.Where([](long long r) { return r < 0; }), "behind");
  ExpectClose(risk->Expected, exact.Mean(), "expected");
  ExpectClose(risk->StandardDeviation, exact.Deviation(), "deviation");
  ASSERT_EQ(risk->RuinByHand.size(), exact.RuinByHand.size());
  for (std::size_t n = 0; n < exact.RuinByHand.size(); ++n)
    ExpectClose(risk->RuinByHand[n], exact.Chance(exact.RuinByHand[n]),
                "ruin within " + std::to_string(n));
  // Every result counted one by one, the rest above them.
  const long long last =
      risk->LowestResult + static_cast<long long>(risk->ResultChances.size()) - 1;
  double above = 0;
  for (const auto& [result, count] : exact.Results) {
    if (result > last) {
      above += exact.Chance(count);
      continue;
    }
    ASSERT_GE(result, risk->LowestResult);
    ExpectClose(risk->ResultChances[static_cast<std::size_t>(result - risk->LowestResult)],
                exact.Chance(count), "result " + std::to_string(result));
  }
  ExpectClose(risk->AboveChance, above, "above");
  for (const TPercentile& p : risk->Percentiles) {
    const long long wanted = exact.Percentile(p.Percent);
    if (wanted > last)
      EXPECT_FALSE(p.Result) << p.Percent;
    else
      EXPECT_EQ(p.Result, wanted) << p.Percent;
  }
}

// Made-up tables small enough to play out every sequence: one that mostly wins a little, one
// with a jackpot beyond the results counted one by one, one whose jackpot no array could
// hold, one where every hand loses, and one whose upper percentiles lie beyond any array.
TEST(Risk, SessionFiguresMatchEverySequencePlayedOut) {
  const TPayDistribution small = Pays({{0, 5}, {1, 2}, {2, 2}, {6, 1}});
  for (const int hands : {1, 4, 7})
    for (const long long bankroll : {1, 2, 3, 5, 9})
      ExpectMatchesBruteForce(small, bankroll, hands);
  const TPayDistribution jackpot = Pays({{0, 6}, {1, 2}, {3, 1}, {40, 1}});
  for (const long long bankroll : {1, 3, 8}) ExpectMatchesBruteForce(jackpot, bankroll, 6);
  ExpectMatchesBruteForce(Pays({{0, 900}, {1, 99}, {10000000, 1}}), 2, 5);
  ExpectMatchesBruteForce(Pays({{0, 1}}), 3, 5);
  const TPayDistribution coin = Pays({{0, 1}, {10000000, 1}});
  ExpectMatchesBruteForce(coin, 5, 3);
  const auto risk = SessionRisk(coin, 5, 3);
  EXPECT_EQ(risk->Percentiles[0].Result, -3);
  EXPECT_FALSE(risk->Percentiles[2].Result);
}

TEST(Risk, BankrollForRiskIsTheSmallestThatPlayedOutStaysWithinIt) {
  const TPayDistribution pays = Pays({{0, 6}, {1, 1}, {2, 2}, {5, 1}});
  const int hands = 7;
  std::vector<double> ruin;  // ruin[b - 1]: from b bets, played out
  for (long long b = 1; b <= hands + 1; ++b) {
    const TBruteForce exact(pays, b, hands);
    ruin.push_back(exact.Chance(exact.Ruin));
  }
  EXPECT_EQ(ruin.back(), 0);
  for (std::size_t i = 0; i + 1 < ruin.size(); ++i) {
    // Halfway between two bankrolls' chances, and just at one of them.
    for (const double asked : {(ruin[i] + ruin[i + 1]) / 2, ruin[i] * (1 + 1e-9)}) {
      if (!(asked > 0 && asked < 1)) continue;
      const auto need = BankrollForRisk(pays, asked, hands);
      ASSERT_TRUE(need);
      std::size_t b = 0;
      while (ruin[b] > asked) ++b;
      EXPECT_EQ(need->Bankroll, static_cast<long long>(b) + 1) << asked;
      ExpectClose(need->Ruin, ruin[b], "ruin");
      ExpectClose(need->RuinOneLess, b == 0 ? 1.0 : ruin[b - 1], "one bet less");
    }
  }
}

// Double or nothing at 60 %: from b bets, ruin comes with the chance (2/3)^b (the gambler's
// ruin), and within a long session with nearly that chance.
TEST(Risk, LongRunRuinIsTheGamblersRuinAndTheLimitOfLongSessions) {
  const TPayDistribution coin = Pays({{0, 2}, {2, 3}});
  EXPECT_TRUE(ReturnsOverOne(coin));
  for (const long long b : {1, 4, 30})
    EXPECT_NEAR(LongRunRuin(coin, b), std::pow(2.0 / 3.0, static_cast<double>(b)),
                1e-14 * static_cast<double>(b));
  const auto need = LongRunBankrollForRisk(coin, 0.01);
  ASSERT_TRUE(need);
  EXPECT_EQ(need->Bankroll, 12);  // (2/3)^11 = 1.16 %, (2/3)^12 = 0.77 %
  EXPECT_NEAR(need->RuinOneLess, std::pow(2.0 / 3.0, 11.0), 1e-14);

  const TPayDistribution rising = Pays({{0, 5}, {1, 2}, {2, 2}, {6, 1}});
  for (const long long b : {1, 3, 6})
    EXPECT_NEAR(SessionRisk(rising, b, 3000)->Ruin, LongRunRuin(rising, b), 1e-11) << b;

  const TPayDistribution falling = Pays({{0, 6}, {1, 2}, {2, 1}, {4, 1}});
  EXPECT_FALSE(ReturnsOverOne(falling));
  EXPECT_EQ(LongRunRuin(falling, 1000), 1);
  EXPECT_FALSE(LongRunBankrollForRisk(falling, 0.5));
  // Even money exactly, and a table that never loses.
  EXPECT_EQ(LongRunRuin(Pays({{0, 1}, {2, 1}}), 5), 1);
  EXPECT_EQ(LongRunRuin(Pays({{1, 1}, {3, 1}}), 5), 0);
}

class TJacksOrBetterRisk : public ::testing::Test {
 protected:
  static const TPayDistribution& NineSix() {
    static const TPayDistribution pays = [] {
      TPayTable table;
      table.H = {0, 1, 2, 3, 5, 8, 24, 49, 799};
      return PayDistributionOf(ComputeReturn(SharedTables(), table, 2), table);
    }();
    return pays;
  }
};

TEST_F(TJacksOrBetterRisk, PaysAreEveryFinalHandsPayUnderBestPlay) {
  const TPayDistribution& pays = NineSix();
  std::vector<std::int64_t> seen;
  __int128 total = 0;
  for (const TPayChance& c : pays.Chances) {
    seen.push_back(c.Pay);
    total += c.Numerator;
  }
  EXPECT_EQ(seen, (std::vector<std::int64_t>{0, 1, 2, 3, 4, 6, 9, 25, 50, 800}));
  EXPECT_EQ(total, pays.Denominator);
  EXPECT_FALSE(ReturnsOverOne(pays));
  EXPECT_EQ(LongRunRuin(pays, 100000), 1);
}

// The published figures: 160 bets over 1,600 hands about 8 % ruin; 132 bets for a 5 % risk
// over 1,000 hands. The backward count over every bankroll and the forward count of one
// session agree, and the expected result is Wald's: the mean pay times the hands played.
TEST_F(TJacksOrBetterRisk, PublishedFiguresAndTheCountsAgreeWithEachOther) {
  const TPayDistribution& pays = NineSix();
  const auto session = SessionRisk(pays, 160, 1600);
  ASSERT_TRUE(session);
  EXPECT_NEAR(session->Ruin, 0.0815, 0.0005);
  EXPECT_NEAR(session->Ahead + session->Even + session->Behind, 1, 1e-12);
  EXPECT_EQ(session->Percentiles[0].Result, -160);  // more than 5 % are ruined
  double played = 0;
  for (long long n = 0; n < 1600; ++n)
    played += 1 - session->RuinByHand[static_cast<std::size_t>(n)];
  long double mean = 0;
  for (const TPayChance& c : pays.Chances)
    mean += static_cast<long double>(c.Pay - 1) * static_cast<long double>(c.Numerator) /
            static_cast<long double>(pays.Denominator);
  EXPECT_NEAR(session->Expected, static_cast<double>(mean) * played, 1e-8);

  const auto need = BankrollForRisk(pays, 0.05, 1000);
  ASSERT_TRUE(need);
  EXPECT_EQ(need->Bankroll, 132);
  EXPECT_LE(need->Ruin, 0.05);
  EXPECT_GT(need->RuinOneLess, 0.05);
  EXPECT_NEAR(SessionRisk(pays, 132, 1000)->Ruin, need->Ruin, 1e-12);
}

TEST_F(TJacksOrBetterRisk, ReportsProgressAndStopsWhenCancelled) {
  std::atomic<bool> cancel = false;
  std::vector<long long> done;
  TRiskControl control;
  control.Cancel = &cancel;
  control.Progress = [&](long long hands, long long total) {
    EXPECT_EQ(total, 500);
    done.push_back(hands);
    if (hands == 20) cancel = true;
  };
  EXPECT_FALSE(SessionRisk(NineSix(), 100, 500, control));
  EXPECT_EQ(done.size(), 20u);
  EXPECT_EQ(done.back(), 20);
  cancel = false;
  done.clear();
  control.Progress = [&](long long hands, long long) { done.push_back(hands); };
  EXPECT_TRUE(BankrollForRisk(NineSix(), 0.5, 500, control));
  EXPECT_EQ(done.size(), 500u);
  EXPECT_EQ(done.back(), 500);
}

}  // namespace

namespace {

// Every session of a few hands of a real game, played out hand by hand in long double from
// the exact chance of each pay.
struct TSessionsPlayedOut {
  long double Ruin = 0, Ahead = 0, Even = 0, Behind = 0, Sum = 0, Squares = 0;

  TSessionsPlayedOut(const TPayDistribution& pays, long long bankroll, int hands) {
    Play(pays, bankroll, bankroll, hands, 1.0L);
  }

  void Play(const TPayDistribution& pays, long long start, long long bankroll, int left,
            long double chance) {
    if (bankroll == 0 || left == 0) {
      const long double result = static_cast<long double>(bankroll - start);
      if (bankroll == 0) Ruin += chance;
      (result > 0 ? Ahead : result < 0 ? Behind : Even) += chance;
      Sum += chance * result;
      Squares += chance * result * result;
      return;
    }
    for (const TPayChance& c : pays.Chances)
      Play(pays, start, bankroll + c.Pay - 1, left - 1,
           chance * static_cast<long double>(c.Numerator) /
               static_cast<long double>(pays.Denominator));
  }
};

TPayDistribution GamePaysOf(std::string_view id) {
  const TGame& game = *FindGame(id);
  const TGamePays table{&game, PresetPays(game, game.Presets[0]), ""};
  return PayDistributionOf(ComputeReturn(*GameTables(game), UnitPaysOf(table), 2));
}

// Deuces Wild pays two lines alike; Double Double Bonus has the most lines of all.
TEST(Risk, SessionsOfOtherGamesMatchEverySequencePlayedOut) {
  for (const char* id : {"deuces-wild", "double-double-bonus"}) {
    const TPayDistribution pays = GamePaysOf(id);
    __int128 total = 0;
    for (const TPayChance& c : pays.Chances) total += c.Numerator;
    ASSERT_TRUE(total == pays.Denominator);
    for (const int hands : {1, 2, 4})
      for (const long long bankroll : {1, 2, 3}) {
        SCOPED_TRACE(std::string(id) + ", bankroll " + std::to_string(bankroll) + ", hands " +
                     std::to_string(hands));
        const TSessionsPlayedOut exact(pays, bankroll, hands);
        const auto risk = SessionRisk(pays, bankroll, hands);
        ASSERT_TRUE(risk);
        const auto mean = static_cast<double>(exact.Sum);
        ExpectClose(risk->Ruin, static_cast<double>(exact.Ruin), "ruin");
        ExpectClose(risk->Ahead, static_cast<double>(exact.Ahead), "ahead");
        ExpectClose(risk->Even, static_cast<double>(exact.Even), "even");
        ExpectClose(risk->Behind, static_cast<double>(exact.Behind), "behind");
        ExpectClose(risk->Expected, mean, "expected");
        ExpectClose(risk->StandardDeviation,
                    std::sqrt(static_cast<double>(exact.Squares) - mean * mean), "deviation");
      }
  }
}

}  // namespace

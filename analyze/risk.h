// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// How a session goes under best play, from the exact distribution of one hand's pay: the
// chance of ruin within a number of hands, of ending ahead, even or behind, the spread of the
// result, the bankroll a chosen risk needs, and the chance of ruin playing on forever.
//
// Everything is counted over the bankroll in whole bets (one bet = one hand's stake): a hand
// moves it by its pay for 1 minus 1, so it falls by at most one bet a hand. Ruin is the
// bankroll reaching 0, below the one bet the next hand needs; a ruined session stops there.
//
// The counting is exact but for floating point: every figure of a session over N hands is a
// sum of products of nonnegative numbers, so each probability is within RelativeError of its
// exact value (about (N x (pays + 5) + result range) x 2^-53, 2e-11 for 10,000 hands).
// Figures below 1e-300 may come out as 0.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "odds.h"

// One hand's pay for a stake of 1 under best play, exactly: each distinct pay with its
// probability Numerator / Denominator, ascending by pay, numerators adding up to the
// denominator. Any game's exact count can be put in this form.
struct TPayChance {
  std::int64_t Pay = 0;
  __int128 Numerator = 0;
};
struct TPayDistribution {
  std::vector<TPayChance> Chances;
  __int128 Denominator = 1;
};

// The pay of one hand of Jacks or Better under `table`, from its exact return report.
TPayDistribution PayDistributionOf(const TReturnReport& report, const TPayTable& table);
// The pay of one hand of any game, from the pays its exact return report was counted for.
TPayDistribution PayDistributionOf(const TReturnReport& report);

// The largest inputs counted: the time grows with hands x (hands + bankroll).
inline constexpr long long kMaxRiskHands = 100000;
inline constexpr long long kMaxRiskBankroll = 1000000000;

// For a caller on another thread: the counting stops soon after *Cancel turns true (the
// functions then return nothing), and reports how far it has got after each hand counted.
struct TRiskControl {
  const std::atomic<bool>* Cancel = nullptr;
  std::function<void(long long done, long long total)> Progress;
};

struct TPercentile {
  int Percent = 0;
  // The smallest result r with P(result <= r) >= Percent %; nothing when that lies above
  // the results counted one by one (only for pays far beyond any casino's).
  std::optional<long long> Result;
};

struct TSessionRisk {
  long long Bankroll = 0;  // in bets
  long long Hands = 0;
  double Ruin = 0;  // chance of ruin within Hands
  // After Hands hands, the result (final bankroll minus Bankroll) above, at and below 0;
  // a ruined session is behind.
  double Ahead = 0;
  double Even = 0;
  double Behind = 0;
  double Expected = 0;           // expected result, in bets
  double StandardDeviation = 0;  // of the result, in bets
  std::array<TPercentile, 3> Percentiles{{{5, {}}, {50, {}}, {95, {}}}};
  // RuinByHand[n]: the chance of ruin within n hands, n = 0..Hands.
  std::vector<double> RuinByHand;
  // The chance of each result from LowestResult up, one bet apart, a ruin included at
  // -Bankroll; AboveChance is the rest, results above the last one listed.
  long long LowestResult = 0;
  std::vector<double> ResultChances;
  double AboveChance = 0;
  double RelativeError = 0;  // bound on every probability's relative error
};

// Bankroll 1..kMaxRiskBankroll bets, hands 1..kMaxRiskHands (std::invalid_argument otherwise).
std::optional<TSessionRisk> SessionRisk(const TPayDistribution& pays, long long bankroll,
                                        long long hands, const TRiskControl& control = {});

struct TBankrollNeed {
  long long Bankroll = 0;  // the smallest with a chance of ruin at most the risk asked
  double Ruin = 0;         // its chance of ruin
  double RuinOneLess = 1;  // the chance of ruin of one bet less (1 for no bankroll at all)
};
// The smallest bankroll whose chance of ruin within `hands` is at most maxRuin, 0 < maxRuin < 1.
// At most hands + 1 bets: that many can't be lost in time.
std::optional<TBankrollNeed> BankrollForRisk(const TPayDistribution& pays, double maxRuin,
                                             long long hands, const TRiskControl& control = {});

// Playing on forever: the chance of ever being ruined from `bankroll` bets. Certain (1) unless
// the table returns over 100 %; otherwise rho^bankroll, rho the chance of ever losing one bet
// net, the root in (0, 1) of sum p(pay) x rho^pay = rho.
double LongRunRuin(const TPayDistribution& pays, long long bankroll);
// The smallest bankroll whose long-run chance of ruin is at most maxRuin; nothing when there is
// none (a table returning 100 % or less) or it would exceed kMaxRiskBankroll.
std::optional<TBankrollNeed> LongRunBankrollForRisk(const TPayDistribution& pays, double maxRuin);

// Whether the expected pay for 1 exceeds 1, exactly.
bool ReturnsOverOne(const TPayDistribution& pays);

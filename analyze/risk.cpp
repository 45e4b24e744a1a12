// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "risk.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>

namespace {

// One hand's move of the bankroll: pay for 1 minus the stake.
struct TMove {
  std::int64_t Bets = 0;
  double Chance = 0;
};

struct TWalk {
  std::vector<TMove> Moves;  // ascending
  double LossChance = 0;     // of the move -1
  long double Mean = 0;      // of one move, from the exact numerators
  long double Variance = 0;
  bool Rises = false;  // the mean is above 0, exactly
};

long double Ratio(__int128 numerator, __int128 denominator) {
  return static_cast<long double>(numerator) / static_cast<long double>(denominator);
}

TWalk WalkOf(const TPayDistribution& pays) {
  if (pays.Chances.empty() || pays.Denominator <= 0)
    throw std::invalid_argument("a pay distribution needs at least one pay");
  TWalk walk;
  __int128 total = 0;
  __int128 gain = 0;  // numerator of the mean move
  std::int64_t previous = -1;
  for (const TPayChance& c : pays.Chances) {
    if (c.Pay <= previous || c.Numerator <= 0)
      throw std::invalid_argument("pays must be distinct, ascending, from 0, with chances above 0");
    previous = c.Pay;
    total += c.Numerator;
    gain += c.Numerator * (c.Pay - 1);
    const double chance = static_cast<double>(Ratio(c.Numerator, pays.Denominator));
    walk.Moves.push_back({c.Pay - 1, chance});
    if (c.Pay == 0) walk.LossChance = chance;
  }
  if (total != pays.Denominator)
    throw std::invalid_argument("the chances of the pays must add up to 1");
  walk.Mean = Ratio(gain, pays.Denominator);
  walk.Rises = gain > 0;
  for (const TPayChance& c : pays.Chances) {
    const long double d = static_cast<long double>(c.Pay - 1) - walk.Mean;
    walk.Variance += Ratio(c.Numerator, pays.Denominator) * d * d;
  }
  return walk;
}

bool Cancelled(const TRiskControl& control) {
  return control.Cancel && control.Cancel->load(std::memory_order_relaxed);
}

void Report(const TRiskControl& control, long long done, long long total) {
  if (control.Progress) control.Progress(done, total);
}

// One hand over a run of bankrolls: out[i] = sum over the moves of chance x in[i + shift],
// where `in` holds zeros wherever a shift reaches past the mass. Eight results at a time stay
// in registers while the moves go by, which the compiler turns into vector code.
struct THandStep {
  std::vector<std::ptrdiff_t> Shift;
  std::vector<double> Chance;
};

void ApplyHand(double* __restrict out, const double* __restrict in, std::int64_t n,
               const THandStep& step) {
  constexpr int kBlock = 8;
  const std::size_t moves = step.Shift.size();
  std::int64_t i = 0;
  for (; i + kBlock <= n; i += kBlock) {
    double sum[kBlock] = {};
    for (std::size_t k = 0; k < moves; ++k) {
      const double* from = in + i + step.Shift[k];
      const double chance = step.Chance[k];
      for (int b = 0; b < kBlock; ++b) sum[b] += chance * from[b];
    }
    for (int b = 0; b < kBlock; ++b) out[i + b] = sum[b];
  }
  for (; i < n; ++i) {
    double sum = 0;
    for (std::size_t k = 0; k < moves; ++k) sum += step.Chance[k] * in[i + step.Shift[k]];
    out[i] = sum;
  }
}

// Results counted one by one go up to here; beyond it only the mass and its moments are
// kept. Set where P(result > ceiling) is below 5 % whatever the ruins: a session's result
// exceeds a level only if the free walk's does, and by Cantelli's inequality that walk ends
// more than 4.5 standard deviations above its mean with a chance under 1 / (1 + 4.5^2) = 4.7 %,
// so the 95th percentile is always counted. The cap keeps absurd pays (a royal flush paying
// a billion) from asking for gigabytes; their upper percentiles may then lie beyond it.
constexpr long long kMaxCountedResult = 250000;

long long ResultCeiling(const TWalk& walk, long long hands) {
  const long double n = static_cast<long double>(hands);
  const long double bound = n * walk.Mean + 4.5L * std::sqrt(walk.Variance * n);
  if (bound <= 0) return 0;
  if (bound >= kMaxCountedResult) return kMaxCountedResult;
  return static_cast<long long>(std::ceil(bound)) + 1;
}

// The free walk from where the counting stops following a session: its mass, and its
// final result's moments about `Pivot`.
struct TBeyond {
  double Mass = 0;
  double Moment1 = 0;  // sum of mass x (expected final - Pivot)
  double Moment2 = 0;  // sum of mass x E[(final - Pivot)^2]
};

constexpr double kUnitRoundoff = 0x1p-53;

}  // namespace

TPayDistribution PayDistributionOf(const TReturnReport& report, const TPayTable& table) {
  TReturnReport withPays = report;
  withPays.Pays = UnitPaysOf(table);
  withPays.Outcomes = kOutcomeCount;
  return PayDistributionOf(withPays);
}

TPayDistribution PayDistributionOf(const TReturnReport& report) {
  const TUnitPays& unit = report.Pays;
  std::map<std::int64_t, __int128> byPay;
  for (int o = 0; o < report.Outcomes; ++o)
    if (report.OutcomeNumerators[static_cast<std::size_t>(o)] > 0)
      byPay[unit[static_cast<std::size_t>(o)]] +=
          report.OutcomeNumerators[static_cast<std::size_t>(o)];
  TPayDistribution pays;
  pays.Denominator = report.Denominator;
  for (const auto& [pay, numerator] : byPay) pays.Chances.push_back({pay, numerator});
  return pays;
}

bool ReturnsOverOne(const TPayDistribution& pays) {
  return WalkOf(pays).Rises;
}

// Forward over the result y = bankroll - start. A ruin (y = -bankroll) is absorbed into its
// own sum. Mass at y with r hands left can't get below y - r: above the ceiling plus r it can
// no longer end among the results counted one by one, and it leaves the array with its moments
// (a free walk from there, since ruin is out of its reach too). So the array shrinks from the
// top as the hands run out and holds at most bankroll + hands + ceiling results.
std::optional<TSessionRisk> SessionRisk(const TPayDistribution& pays, long long bankroll,
                                        long long hands, const TRiskControl& control) {
  if (bankroll < 1 || bankroll > kMaxRiskBankroll)
    throw std::invalid_argument("bankroll out of range");
  if (hands < 1 || hands > kMaxRiskHands) throw std::invalid_argument("hands out of range");
  const TWalk walk = WalkOf(pays);
  const long long ceiling = ResultCeiling(walk, hands);
  const bool floorReached = bankroll <= hands;
  const long long ruinAt = -bankroll;
  const long long lowest = floorReached ? ruinAt : -hands;     // the lowest result possible
  const long long alive = floorReached ? ruinAt + 1 : lowest;  // the lowest one still playing
  const long long topAtStart = ceiling + hands;

  // Moves too large to land in the array from anywhere always leave it.
  std::vector<TMove> inside;
  std::vector<TMove> outside;
  for (const TMove& m : walk.Moves) (m.Bets <= topAtStart - alive ? inside : outside).push_back(m);
  THandStep step;
  for (const TMove& m : inside) {
    step.Shift.push_back(-m.Bets);
    step.Chance.push_back(m.Chance);
  }
  // Below the lowest result the largest move reads zeros, above the top one more.
  const long long largest = inside.empty() ? 0 : inside.back().Bets;
  const long long pad = std::max<long long>(0, largest);
  const auto width = static_cast<std::size_t>(pad + topAtStart - lowest + 2);
  std::vector<double> current(width, 0.0);
  std::vector<double> next(width, 0.0);
  const auto at = [lowest, pad](std::vector<double>& v, long long y) {
    return v.data() + (pad + y - lowest);
  };

  TSessionRisk risk;
  risk.Bankroll = bankroll;
  risk.Hands = hands;
  risk.RuinByHand.assign(static_cast<std::size_t>(hands) + 1, 0.0);
  TBeyond beyond;
  const double mean = static_cast<double>(walk.Mean);
  const double variance = static_cast<double>(walk.Variance);
  double ruin = 0;
  long long low = 0;
  long long high = 0;
  *at(current, 0) = 1.0;
  for (long long t = 0; t < hands; ++t) {
    if (Cancelled(control)) return std::nullopt;
    const long long left = hands - t - 1;  // hands to play after this one
    const long long top = ceiling + left;
    const long long newLow = std::max(low - 1, alive);
    const long long newHigh = std::max(newLow, std::min(high + largest, top));
    if (floorReached && low == alive) ruin += walk.LossChance * *at(current, alive);
    // Where the mass that leaves the array ends up on average, as a free walk.
    const auto leave = [&](long long y, double mass) {
      const double d = static_cast<double>(y - ceiling) + static_cast<double>(left) * mean;
      beyond.Mass += mass;
      beyond.Moment1 += mass * d;
      beyond.Moment2 += mass * (d * d + static_cast<double>(left) * variance);
    };
    ApplyHand(at(next, newLow), at(current, newLow), newHigh - newLow + 1, step);
    for (const TMove& m : inside)
      for (long long y = std::max(top - m.Bets + 1, low); y <= high; ++y)
        if (const double v = *at(current, y); v != 0) leave(y + m.Bets, m.Chance * v);
    for (const TMove& m : outside)
      for (long long y = low; y <= high; ++y)
        if (const double v = *at(current, y); v != 0) leave(y + m.Bets, m.Chance * v);
    std::fill(at(current, low), at(current, high) + 1, 0.0);
    std::swap(current, next);
    low = newLow;
    high = newHigh;
    risk.RuinByHand[static_cast<std::size_t>(t) + 1] = ruin;
    Report(control, t + 1, hands);
  }

  risk.Ruin = ruin;
  risk.LowestResult = lowest;
  risk.ResultChances.assign(static_cast<std::size_t>(ceiling - lowest + 1), 0.0);
  if (floorReached) risk.ResultChances[0] = ruin;
  std::copy(at(current, low), at(current, high) + 1, risk.ResultChances.begin() + (low - lowest));
  const auto chanceOf = [&](long long y) {
    return risk.ResultChances[static_cast<std::size_t>(y - lowest)];
  };
  risk.AboveChance = beyond.Mass;
  risk.Even = chanceOf(0);
  double behind = 0;
  for (long long y = lowest; y < 0; ++y) behind += chanceOf(y);
  double ahead = beyond.Mass;
  for (long long y = 1; y <= ceiling; ++y) ahead += chanceOf(y);
  risk.Behind = behind;
  risk.Ahead = ahead;

  const auto steps = static_cast<double>(walk.Moves.size());
  risk.RelativeError =
      (static_cast<double>(hands) * (steps + 5) + static_cast<double>(risk.ResultChances.size())) *
      kUnitRoundoff;

  double expected = static_cast<double>(ceiling) * beyond.Mass + beyond.Moment1;
  for (long long y = lowest; y <= ceiling; ++y) expected += static_cast<double>(y) * chanceOf(y);
  // About the mean, so nothing cancels: the ceiling lies above it.
  const double gap = static_cast<double>(ceiling) - expected;
  double spread = beyond.Moment2 + 2 * gap * beyond.Moment1 + gap * gap * beyond.Mass;
  for (long long y = lowest; y <= ceiling; ++y) {
    const double d = static_cast<double>(y) - expected;
    spread += d * d * chanceOf(y);
  }
  risk.Expected = expected;
  risk.StandardDeviation = std::sqrt(std::max(spread, 0.0));

  // A cumulative chance within the counting's error of the percent counts as reaching it.
  for (TPercentile& p : risk.Percentiles) {
    const double wanted = p.Percent / 100.0 * (1 - risk.RelativeError);
    double cumulative = 0;
    for (long long y = lowest; y <= ceiling; ++y) {
      cumulative += chanceOf(y);
      if (cumulative >= wanted) {
        p.Result = y;
        break;
      }
    }
  }
  return risk;
}

// Backward over the bankroll x: ruin[x] is the chance of ruin within n hands from x bets, for
// n = 1..hands, every bankroll at once. Nothing above n bets can be lost in n hands, so the
// n-th round touches n bankrolls.
std::optional<TBankrollNeed> BankrollForRisk(const TPayDistribution& pays, double maxRuin,
                                             long long hands, const TRiskControl& control) {
  if (!(maxRuin > 0 && maxRuin < 1)) throw std::invalid_argument("risk out of range");
  if (hands < 1 || hands > kMaxRiskHands) throw std::invalid_argument("hands out of range");
  const TWalk walk = WalkOf(pays);
  THandStep step;  // the moves that leave a bankroll within reach of ruin
  for (const TMove& m : walk.Moves)
    if (m.Bets < hands) {
      step.Shift.push_back(m.Bets);
      step.Chance.push_back(m.Chance);
    }
  const auto width =
      static_cast<std::size_t>(hands + 2 + (step.Shift.empty() ? 0 : step.Shift.back()));
  std::vector<double> ruin(width, 0.0);
  std::vector<double> next(width, 0.0);
  ruin[0] = next[0] = 1.0;
  for (long long n = 1; n <= hands; ++n) {
    if (Cancelled(control)) return std::nullopt;
    // From x in 1..n before this hand; the previous round holds 1..n-1 (and 1 at 0).
    ApplyHand(next.data() + 1, ruin.data() + 1, n, step);
    std::swap(ruin, next);
    Report(control, n, hands);
  }
  TBankrollNeed need;
  need.Bankroll = hands + 1;
  need.Ruin = 0;
  for (long long x = 1; x <= hands; ++x)
    if (ruin[static_cast<std::size_t>(x)] <= maxRuin) {
      need.Bankroll = x;
      need.Ruin = ruin[static_cast<std::size_t>(x)];
      break;
    }
  need.RuinOneLess = ruin[static_cast<std::size_t>(need.Bankroll - 1)];
  return need;
}

namespace {

// e^-x - 1 + x, without the cancellation near 0.
double ExcessOfExp(double x) {
  if (std::fabs(x) > 0.1) return std::expm1(-x) + x;
  double term = x * x / 2;
  double sum = 0;
  for (int k = 3; k < 30 && term != 0; ++k) {
    sum += term;
    term *= -x / k;
  }
  return sum;
}

// The theta > 0 with sum p(move) e^(-move theta) = 1: the chance of ever losing one bet net
// is e^-theta. Written as sum p (e^(-move theta) - 1 + move theta) / theta = mean, whose left
// side rises from 0 with theta, so bisection finds it to the last bit.
double RuinExponent(const TWalk& walk) {
  const double mean = static_cast<double>(walk.Mean);
  const auto excess = [&](double theta) {
    double sum = 0;
    for (const TMove& m : walk.Moves)
      sum += m.Chance * ExcessOfExp(static_cast<double>(m.Bets) * theta);
    return sum / theta - mean;
  };
  double low = 0;
  double high = 1;
  while (excess(high) < 0) {
    low = high;
    high *= 2;
  }
  for (int i = 0; i < 200; ++i) {
    const double middle = low + (high - low) / 2;
    if (middle <= low || middle >= high) break;
    (excess(middle) < 0 ? low : high) = middle;
  }
  return low + (high - low) / 2;
}

}  // namespace

double LongRunRuin(const TPayDistribution& pays, long long bankroll) {
  if (bankroll < 1 || bankroll > kMaxRiskBankroll)
    throw std::invalid_argument("bankroll out of range");
  const TWalk walk = WalkOf(pays);
  if (walk.LossChance == 0) return 0;  // the bankroll never falls
  if (!walk.Rises) return 1;
  return std::exp(-static_cast<double>(bankroll) * RuinExponent(walk));
}

std::optional<TBankrollNeed> LongRunBankrollForRisk(const TPayDistribution& pays, double maxRuin) {
  if (!(maxRuin > 0 && maxRuin < 1)) throw std::invalid_argument("risk out of range");
  const TWalk walk = WalkOf(pays);
  TBankrollNeed need;
  if (walk.LossChance == 0) {
    need.Bankroll = 1;
    need.Ruin = 0;
    return need;
  }
  if (!walk.Rises) return std::nullopt;
  const double theta = RuinExponent(walk);
  const double guess = std::ceil(-std::log(maxRuin) / theta);
  if (!(guess <= static_cast<double>(kMaxRiskBankroll))) return std::nullopt;
  const auto ruinOf = [&](long long b) { return std::exp(-static_cast<double>(b) * theta); };
  long long b = std::max<long long>(1, static_cast<long long>(guess));
  while (b > 1 && ruinOf(b - 1) <= maxRuin) --b;
  while (ruinOf(b) > maxRuin) ++b;
  if (b > kMaxRiskBankroll) return std::nullopt;
  need.Bankroll = b;
  need.Ruin = ruinOf(b);
  need.RuinOneLess = b == 1 ? 1.0 : ruinOf(b - 1);
  return need;
}

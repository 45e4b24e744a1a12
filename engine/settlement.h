// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// What a settled hand is worth, in one place for the game, the simulator and the odds
// counter: the hand's outcome and its pay line, the pay table, money held at the 32-bit
// limits, and the bet the machine fixes once the bankroll runs low.

#include <array>
#include <cstdint>
#include <string_view>

#include "evaluator.h"
#include "sentences.h"

inline constexpr int kPayLines = 9;
inline constexpr std::int32_t kMinBet = 5;
inline constexpr std::int32_t kMaxBet = 1000;
inline constexpr std::int32_t kBetStep = 5;
inline constexpr std::int32_t kStartTotal = 1000;
// A deal below this bankroll fixes the bet and its maximum at kMinBet for the rest of the run.
inline constexpr std::int32_t kLowTotal = 20;

inline constexpr std::array<std::int32_t, kPayLines> kDefaultMultipliers = {0, 1,  2,  3, 4,
                                                                            7, 11, 49, 99};

// Nine multipliers: a win adds multiplier x bet and the stake is kept.
struct TPayTable {
  // H[0] is line H1 (jacks or better) ... H[8] is line H9 (royal flush).
  std::array<std::int32_t, kPayLines> H = kDefaultMultipliers;

  std::int32_t Line(int k) const { return H[static_cast<std::size_t>(k - 1)]; }
  void SetLine(int k, std::int32_t value) { H[static_cast<std::size_t>(k - 1)] = value; }
  friend bool operator==(const TPayTable&, const TPayTable&) = default;
};

// Final hands as the pay table sees them: the one-pair category split into the pair that
// loses and the pair that pays. Each is one row of the machine's outcome table.
enum TOutcome : std::uint8_t {
  ocNoPair,
  ocLowPair,
  ocHighPair,
  ocTwoPair,
  ocThreeOfAKind,
  ocStraight,
  ocFlush,
  ocFullHouse,
  ocFourOfAKind,
  ocStraightFlush,
  ocRoyalFlush,
};
inline constexpr int kOutcomeCount = 11;

TOutcome OutcomeOf(const THandResult& result);
THandCategory CategoryOf(TOutcome outcome);
// Pay-table line and sound slot 1..9 of a winning outcome, 0 for a losing one.
int PayLineOf(TOutcome outcome);
inline bool IsWin(TOutcome outcome) {
  return PayLineOf(outcome) != 0;
}
// What the machine says of the hand ("Player has a Flush").
TSentenceId OutcomeSentence(TOutcome outcome);
std::string_view OutcomeText(TOutcome outcome);

// Money is 32-bit; anything beyond is held at the limit instead of wrapping.
std::int32_t ClampMoney(std::int64_t value);
// The bankroll after a hand: plus multiplier x bet for a win (the stake is kept), minus the
// bet for a loss.
std::int32_t SettledTotal(std::int32_t total, std::int32_t bet, const TPayTable& table,
                          TOutcome outcome);
// The same for any game's hand, given whether it won and its line's multiplier.
std::int32_t SettledTotal(std::int32_t total, std::int32_t bet, bool won, std::int32_t multiplier);
inline bool LowersBet(std::int32_t total) {
  return total < kLowTotal;
}

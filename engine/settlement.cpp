// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "settlement.h"

#include <algorithm>
#include <limits>

TOutcome OutcomeOf(const THandResult& result) {
  switch (result.Category) {
    case hcNoPair:
      return ocNoPair;
    case hcPair:
      return result.PayingPair ? ocHighPair : ocLowPair;
    default:
      return static_cast<TOutcome>(result.Category + 1);
  }
}

THandCategory CategoryOf(TOutcome outcome) {
  if (outcome <= ocLowPair) return static_cast<THandCategory>(outcome);
  return static_cast<THandCategory>(outcome - 1);
}

int PayLineOf(TOutcome outcome) {
  return outcome < ocHighPair ? 0 : outcome - 1;
}

static_assert(int{snNoPair} + int{ocRoyalFlush} == int{snRoyalFlush},
              "one sentence per outcome, in order");

TSentenceId OutcomeSentence(TOutcome outcome) {
  return static_cast<TSentenceId>(int{snNoPair} + (outcome < kOutcomeCount ? int{outcome} : 0));
}

std::string_view OutcomeText(TOutcome outcome) {
  return SentenceTemplate(OutcomeSentence(outcome));
}

std::int32_t ClampMoney(std::int64_t value) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, lo, hi));
}

std::int32_t SettledTotal(std::int32_t total, std::int32_t bet, const TPayTable& table,
                          TOutcome outcome) {
  const int line = PayLineOf(outcome);
  return SettledTotal(total, bet, line != 0, line == 0 ? 0 : table.Line(line));
}

std::int32_t SettledTotal(std::int32_t total, std::int32_t bet, bool won, std::int32_t multiplier) {
  if (!won) return ClampMoney(std::int64_t{total} - bet);
  return ClampMoney(total + std::int64_t{multiplier} * bet);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "evaluator.h"

#include "games/jacks_family.h"
#include "settlement.h"

// Jacks or Better's outcomes are the categories with the one-pair row split in two, so the
// game's own evaluator answers for the machine.
THandResult EvaluateHand(const THandCards& cards) {
  static constexpr TNaturalEvaluator kJacks(kJacksOrBetter);
  const auto outcome = static_cast<TOutcome>(kJacks(cards));
  return {CategoryOf(outcome), outcome == ocHighPair};
}

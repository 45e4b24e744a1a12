// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "HandRecording.h"

#include "hold_patterns.h"

THandRecord HandRecordOf(const THandAdvice& advice, const TPayTable& table,
                         const TPlayedHand& played) {
  THandRecord record;
  record.Time = played.Time;
  record.SessionStart = played.SessionStart;
  record.PayTable = table.H;
  record.Bet = advice.Bet;
  record.Dealt = advice.Cards;
  record.Final = played.Final;
  record.HeldMask = played.HeldMask & 31;
  record.BestMask = advice.Best().Mask;
  record.HeldCoins = advice.Coins(advice.Of(played.HeldMask));
  record.BestCoins = advice.Coins(advice.Best());
  record.Cost = advice.CostOf(played.HeldMask);
  const TOutcome outcome = OutcomeOf(EvaluateHand(played.Final));
  record.Outcome = static_cast<std::uint8_t>(outcome);
  // What the pay table pays for it, paid or, in practice, not.
  record.Win = IsWin(outcome)
                   ? ClampMoney(std::int64_t{table.Line(PayLineOf(outcome))} * advice.Bet)
                   : -advice.Bet;
  record.Practice = played.Practice;
  if (!advice.IsBest(played.HeldMask)) {
    const TMistakeNames names =
        MistakeNames(ClassifyMistake(advice.Cards, played.HeldMask, record.BestMask));
    record.HeldPattern = names.Held;
    record.BestPattern = names.Best;
  }
  return record;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "HandRecording.h"

#include "hold_patterns.h"

THandRecord HandRecordOf(const THandAdvice& advice, const TGameTable& table,
                         const TPlayedHand& played) {
  const TGame& game = *table.Game;
  THandRecord record;
  record.Time = played.Time;
  record.SessionStart = played.SessionStart;
  record.Table = table;
  record.Bet = advice.Bet;
  record.Dealt = advice.Cards;
  record.Final = played.Final;
  record.HeldMask = played.HeldMask & 31;
  record.BestMask = advice.Best().Mask;
  record.HeldCoins = advice.Coins(advice.Of(played.HeldMask));
  record.BestCoins = advice.Coins(advice.Best());
  record.Cost = advice.CostOf(played.HeldMask);
  const std::uint8_t outcome = EvaluateOutcome(game, played.Final);
  record.Outcome = outcome;
  // What the pay table pays for it, paid or, in practice, not.
  const std::optional<std::int32_t> multiplier = table.MultiplierOf(outcome);
  record.Win = multiplier ? ClampMoney(std::int64_t{*multiplier} * advice.Bet) : -advice.Bet;
  record.Practice = played.Practice;
  if (!advice.IsBest(played.HeldMask)) {
    // In the words of the hand's own game: a deuce held is named as one in Deuces Wild.
    const THoldWords& words = HoldWordsOf(game);
    const TMistakeNames names =
        words.MistakeNames(words.ClassifyMistake(advice.Cards, played.HeldMask, record.BestMask));
    record.HeldPattern = names.Held;
    record.BestPattern = names.Best;
  }
  return record;
}

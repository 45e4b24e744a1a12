// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The steps of one hand as the machine plays it: the deal, the draw and the settlement.
// The game's engine and the simulator both play through them, so the two can't drift apart.
// Inline, and the cards filled in place: the simulator plays millions of hands a second, and
// small arrays and records copied out of calls cost it a tenth of its speed in stalled stores.

#include <cstdint>

#include "cards.h"
#include "evaluator.h"
#include "game.h"
#include "game_table.h"
#include "settlement.h"

// At a deal below kLowTotal the bet and its maximum drop to kMinBet. Nothing raises them
// again while the program runs.
inline void LowerBetAtDeal(std::int32_t total, std::int32_t& bet, std::int32_t& betMaximum) {
  if (!LowersBet(total)) return;
  betMaximum = kMinBet;
  bet = kMinBet;
}

// Refills the deck (of 52 or of 53) in order, shuffles it and deals its first five cards
// into cards.
template <int N>
inline void DealFive(TDeckOf<N>& deck, TRandomSource& random, THandCards& cards) {
  deck.Position = 0;
  deck.Fill();
  deck.Shuffle(random);
  for (auto& card : cards) card = deck.TakeNext();
}

// Gives each position whose bit in keptMask is clear (bit i: position i + 1) the next card
// of the deck, left to right, so replacements come from deck positions 6, 7, ... in hand order.
template <int N>
inline void DrawReplacements(THandCards& cards, std::uint8_t keptMask, TDeckOf<N>& deck) {
  for (std::size_t i = 0; i < cards.size(); ++i)
    if (!(keptMask & (1u << i))) cards[i] = deck.TakeNext();
}

struct TSettledHand {
  THandResult Result;
  TOutcome Outcome = ocNoPair;
  bool Won = false;
  std::int32_t Total = 0;  // the bankroll after the hand
};

// Classifies the final hand and settles it against the bankroll with the pay table.
inline TSettledHand SettleHand(const THandCards& cards, std::int32_t total, std::int32_t bet,
                               const TPayTable& table) {
  TSettledHand hand;
  hand.Result = EvaluateHand(cards);
  hand.Outcome = OutcomeOf(hand.Result);
  hand.Won = IsWin(hand.Outcome);
  hand.Total = SettledTotal(total, bet, table, hand.Outcome);
  return hand;
}

struct TGameSettledHand {
  std::uint8_t Outcome = 0;  // index into the game's outcomes
  bool Won = false;
  std::int32_t Multiplier = 0;  // a win's
  std::int32_t Total = 0;       // the bankroll after the hand
};

// The same for any game, with its pays for 1 in line order (a win adds pays - 1 times the
// bet, a loss takes the bet).
inline TGameSettledHand SettleGameHand(const TGame& game, const THandCards& cards,
                                       std::int32_t total, std::int32_t bet,
                                       const TLinePays& paysFor1) {
  TGameSettledHand hand;
  hand.Outcome = EvaluateOutcome(game, cards);
  hand.Won = game.IsWin(hand.Outcome);
  const std::int32_t multiplier =
      hand.Won
          ? MultiplierOfPays(paysFor1[static_cast<std::size_t>(game.LineOfOutcome(hand.Outcome))])
          : 0;
  hand.Multiplier = multiplier;
  hand.Total = SettledTotal(total, bet, hand.Won, multiplier);
  return hand;
}

// The same with the game's own multipliers, as the play cycle keeps its table.
inline TGameSettledHand SettleGameHand(const TGameTable& table, const THandCards& cards,
                                       std::int32_t total, std::int32_t bet) {
  TGameSettledHand hand;
  hand.Outcome = EvaluateOutcome(*table.Game, cards);
  hand.Won = table.Game->IsWin(hand.Outcome);
  hand.Multiplier = table.MultiplierOf(hand.Outcome).value_or(0);
  hand.Total = SettledTotal(total, bet, table, hand.Outcome);
  return hand;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "simulate.h"

#include <algorithm>
#include <stdexcept>

#include "hand_cycle.h"

TSimulator::TSimulator(const TSimulationSetup& setup, std::shared_ptr<const TDrawTables> tables)
    : FStrategy(setup.Strategy),
      FTables(std::move(tables)),
      FPayTable(setup.PayTable),
      FPays(UnitPaysOf(setup.PayTable)),
      FTotal(setup.Total),
      FBet(std::clamp(setup.Bet, kMinBet, kMaxBet)) {
  if (FStrategy == stOptimal && !FTables)
    throw std::invalid_argument("the optimal strategy needs the draw tables");
  FRandom.Seed = setup.Seed;
}

std::uint8_t TSimulator::ChooseHold(const THandCards& dealt) const {
  switch (FStrategy) {
    case stNone:
      return 0;
    case stAll:
      return 31;
    case stOptimal:
      break;
  }
  return BestHold(*FTables, dealt, FPays);
}

const TSimulatedHand& TSimulator::PlayHand() {
  TSimulatedHand& r = FRecord;
  LowerBetAtDeal(FTotal, FBet, FBetMaximum);
  r.SeedBefore = FRandom.Seed;
  DealFive(FDeck, FRandom, r.Dealt);
  r.HeldMask = ChooseHold(r.Dealt);
  r.Final = r.Dealt;
  DrawReplacements(r.Final, r.HeldMask, FDeck);
  const TSettledHand hand = SettleHand(r.Final, FTotal, FBet, FPayTable);
  r.Result = hand.Result;
  r.Won = hand.Won;
  FStats.Record(r.Result.Category, r.Won);
  FTotal = hand.Total;
  r.Total = FTotal;
  return r;
}

TGameSimulator::TGameSimulator(const TGameSimulationSetup& setup,
                               std::shared_ptr<const TDrawTables> tables)
    : FStrategy(setup.Strategy),
      FTables(std::move(tables)),
      FGame(*setup.Table.Game),
      FPays(UnitPaysOf(setup.Table)),
      FTotal(setup.Total),
      FBet(std::clamp(setup.Bet, kMinBet, kMaxBet)),
      FOutcomeCounts(static_cast<std::size_t>(FGame.OutcomeCount()), 0) {
  if (FStrategy == stOptimal && (!FTables || FTables->Cards() != FGame.DeckSize))
    throw std::invalid_argument("the optimal strategy needs the game's draw tables");
  if (FGame.DeckSize != 52) throw std::invalid_argument("the simulator deals 52 cards only");
  FRandom.Seed = setup.Seed;
}

std::uint8_t TGameSimulator::ChooseHold(const THandCards& dealt) const {
  switch (FStrategy) {
    case stNone:
      return 0;
    case stAll:
      return 31;
    case stOptimal:
      break;
  }
  return BestHold(*FTables, dealt, FPays);
}

void TGameSimulator::Deal(THandCards& cards) {
  DealFive(FDeck, FRandom, cards);
}

void TGameSimulator::Draw(THandCards& cards, std::uint8_t keptMask) {
  DrawReplacements(cards, keptMask, FDeck);
}

const TGameSimulatedHand& TGameSimulator::PlayHand() {
  TGameSimulatedHand& r = FRecord;
  LowerBetAtDeal(FTotal, FBet, FBetMaximum);
  r.SeedBefore = FRandom.Seed;
  Deal(r.Dealt);
  r.HeldMask = ChooseHold(r.Dealt);
  r.Final = r.Dealt;
  Draw(r.Final, r.HeldMask);
  r.Outcome = EvaluateOutcome(FGame, r.Final);
  r.Won = FGame.IsWin(r.Outcome);
  // A win adds (pays - 1) x bet and keeps the stake; a loss, paying 0, takes the bet.
  r.Total = ClampMoney(std::int64_t{FTotal} +
                       (FPays[static_cast<std::size_t>(r.Outcome)] - 1) * std::int64_t{FBet});
  FTotal = r.Total;
  ++FOutcomeCounts[static_cast<std::size_t>(r.Outcome)];
  ++(r.Won ? FWon : FLost);
  return r;
}

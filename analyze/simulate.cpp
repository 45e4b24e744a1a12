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

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "simulate.h"

#include <algorithm>
#include <limits>
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

namespace {

std::uint8_t HoldOf(TStrategy strategy, const TDrawTables* tables, const THandCards& dealt,
                    const TUnitPays& pays) {
  switch (strategy) {
    case stNone:
      return 0;
    case stAll:
      return 31;
    case stOptimal:
      break;
  }
  return BestHold(*tables, dealt, pays);
}

}  // namespace

std::uint8_t TSimulator::ChooseHold(const THandCards& dealt) const {
  return HoldOf(FStrategy, FTables.get(), dealt, FPays);
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
  // The line pays as the settlement takes them: 32-bit, so a pay at kMostPay counts one less.
  for (std::size_t k = 0; k < setup.Table.Pays.size() && k < FLinePays.size(); ++k)
    FLinePays[k] = static_cast<std::int32_t>(
        std::min<std::int64_t>(setup.Table.Pays[k], std::numeric_limits<std::int32_t>::max()));
  FRandom.Seed = setup.Seed;
}

std::uint8_t TGameSimulator::ChooseHold(const THandCards& dealt) const {
  return HoldOf(FStrategy, FTables.get(), dealt, FPays);
}

void TGameSimulator::Deal(THandCards& cards) {
  if (FGame.DeckSize == 53)
    DealFive(FJokerDeck, FRandom, cards);
  else
    DealFive(FDeck, FRandom, cards);
}

void TGameSimulator::Draw(THandCards& cards, std::uint8_t keptMask) {
  if (FGame.DeckSize == 53)
    DrawReplacements(cards, keptMask, FJokerDeck);
  else
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
  const TGameSettledHand hand = SettleGameHand(FGame, r.Final, FTotal, FBet, FLinePays);
  r.Outcome = hand.Outcome;
  r.Won = hand.Won;
  r.Total = hand.Total;
  FTotal = r.Total;
  ++FOutcomeCounts[static_cast<std::size_t>(r.Outcome)];
  ++(r.Won ? FWon : FLost);
  return r;
}

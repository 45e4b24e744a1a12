#include "simulate.h"

#include <algorithm>
#include <stdexcept>

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
  // Once the bankroll has dropped below 20 the game fixes the bet at 5 for good.
  if (LowersBet(FTotal)) FBet = kMinBet;
  r.SeedBefore = FRandom.Seed;
  FDeck.Position = 0;
  FDeck.Fill();
  FDeck.Shuffle(FRandom);
  for (auto& card : r.Dealt) card = FDeck.TakeNext();
  r.HeldMask = ChooseHold(r.Dealt);
  r.Final = r.Dealt;
  for (int i = 0; i < kHandSize; ++i)
    if (!(r.HeldMask & (1 << i))) r.Final[static_cast<std::size_t>(i)] = FDeck.TakeNext();
  r.Result = EvaluateHand(r.Final);
  const TOutcome outcome = OutcomeOf(r.Result);
  r.Won = IsWin(outcome);
  FStats.Record(r.Result.Category, r.Won);
  FTotal = SettledTotal(FTotal, FBet, FPayTable, outcome);
  r.Total = FTotal;
  return r;
}

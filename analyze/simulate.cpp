#include "simulate.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

std::int32_t ClampMoney(std::int64_t value) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, lo, hi));
}

}  // namespace

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

const THandRecord& TSimulator::PlayHand() {
  THandRecord& r = FRecord;
  // Once the bankroll has dropped below 20 the game fixes the bet at 5 for good.
  if (FTotal < 20) FBet = kMinBet;
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
  const int line = PayLineOf(outcome);
  r.Won = line != 0;
  FStats.Record(r.Result.Category, r.Won);
  if (r.Won)
    FTotal = ClampMoney(FTotal + std::int64_t{FPayTable.Line(line)} * FBet);
  else
    FTotal = ClampMoney(std::int64_t{FTotal} - FBet);
  r.Total = FTotal;
  return r;
}

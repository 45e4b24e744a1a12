// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Exact draw odds of any game: for any five dealt cards, the count of every final outcome
// for each of the 32 holds, and the return of a pay table under optimal play over all deals.
// A game comes in as its deck (52 cards, or 53 with the joker) and its evaluator; without
// one, it is Jacks or Better with the game's own pay table.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "evaluator.h"
#include "game_engine.h"
#include "settlement.h"

// The most outcomes any game has; a game's outcome o is entry o of these arrays, the rest 0.
inline constexpr int kMostOutcomes = 16;
using TOutcomeCounts = std::array<std::int64_t, kMostOutcomes>;

// What one final outcome pays back for a stake of 1: multiplier + 1 for a win, 0 for a loss.
using TUnitPays = std::array<std::int64_t, kMostOutcomes>;
TUnitPays UnitPaysOf(const TPayTable& table);

// The counts of a deck of `cards` cards (52, or 53 with the joker): five dealt, the draw
// from the cards - 5 unseen.
constexpr std::int64_t Binomial(int n, int k) {
  if (k < 0 || k > n) return 0;
  std::int64_t c = 1;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}
constexpr std::int64_t DealCount(int cards) {
  return Binomial(cards, 5);
}
constexpr std::int64_t DrawCount(int cards, int replaced) {
  return Binomial(cards - 5, replaced < 0 ? 0 : replaced > 5 ? 5 : replaced);
}
// The least whole number every draw count divides: hold values over it are whole numbers.
constexpr std::int64_t HoldValueScale(int cards) {
  std::int64_t scale = 1;
  for (int k = 1; k <= 5; ++k) {
    std::int64_t a = scale, b = DrawCount(cards, k);
    while (b != 0) {
      const std::int64_t r = a % b;
      a = b;
      b = r;
    }
    scale = scale / a * DrawCount(cards, k);
  }
  return scale;
}

// Number of ways to draw k replacements from the 47 unseen cards of the 52-card deck.
std::int64_t DrawCount(int replaced);

// What the exact count needs of a game: the deck and how a final hand ends.
struct TCountedGame {
  int Cards = 52;                // 52, or 53 with the joker (code 53, index 52)
  int Outcomes = kOutcomeCount;  // outcome indexes 0 .. Outcomes - 1
  // Writes the outcome of hands[i] into outcomes[i] for i < n; called for many hands at once.
  std::function<void(const THandCards* hands, std::size_t n, std::uint8_t* outcomes)> Evaluate;
};
// Jacks or Better as the game evaluates it today: TOutcome values.
const TCountedGame& JacksOrBetterCount();

// Counts, over all five-card hands of the deck, of how many hands containing a given set of
// up to five cards end in each outcome. Independent of the pay table.
class TDrawTables {
 public:
  // Builds the tables with up to `threads` worker threads (the result does not depend on it).
  static std::shared_ptr<const TDrawTables> Build(int threads = 2);
  static std::shared_ptr<const TDrawTables> Build(const TCountedGame& game, int threads = 2);

  // For the five cards `sorted` (distinct indexes ascending, index = code - 1) and every
  // subset of them (bit j for sorted[j]): the outcome counts of all five-card hands that
  // contain the subset.
  void LoadSubsetCounts(const std::array<int, 5>& sorted,
                        std::array<TOutcomeCounts, 32>& counts) const;

  int Cards() const { return FGame.Cards; }
  int Outcomes() const { return FGame.Outcomes; }
  const TCountedGame& Game() const { return FGame; }
  // The outcome of five cards (codes, any order).
  int OutcomeOf(const THandCards& cards) const;

  TDrawTables() = default;

 private:
  std::size_t Stride() const { return static_cast<std::size_t>(FGame.Outcomes); }
  const std::uint8_t* Row4(std::uint32_t rank) const {
    return FClassCount4.data() + std::size_t{FClassOf4[rank]} * Stride();
  }

  TCountedGame FGame;

  // By colex rank of the cards' indexes; a five-card set is evaluated when asked for. A set
  // of four counts as its suit class, whose counts its suits can't change: the class's
  // rows are few enough to stay in the processor's cache.
  std::vector<std::uint16_t> FClassOf4;
  std::vector<std::uint8_t> FClassCount4;
  std::vector<std::uint16_t> FCount3;
  std::vector<std::uint16_t> FCount2;
  std::vector<std::uint32_t> FCount1;
  std::array<std::uint32_t, kMostOutcomes> FCount0{};
  friend struct TTableBuilder;
  friend class THoldValueCounter;
  friend class TOutcomeTally;
};

// One hold of a dealt hand with the outcome counts over all its draws.
struct THoldOdds {
  std::uint8_t Mask = 0;  // bit i set: position i + 1 is held
  TOutcomeCounts Counts{};
  std::int64_t Draws = 1;   // DrawCount of the replaced cards; Counts add up to it
  std::int64_t PaySum = 0;  // sum of Counts x unit pay

  double ExpectedPay() const { return static_cast<double>(PaySum) / static_cast<double>(Draws); }
};

// Exact comparison of the expected pays of two holds.
bool PaysMore(const THoldOdds& a, const THoldOdds& b);

// All 32 holds of five distinct cards (codes of the tables' deck, in hand order), best first; holds
// of equal value keep ascending mask order, so the first one is the one play picks.
std::array<THoldOdds, 32> RankHolds(const TDrawTables& tables, const THandCards& cards,
                                    const TUnitPays& pays);
// The hold play picks: RankHolds(...)[0].Mask, without sorting the rest.
std::uint8_t BestHold(const TDrawTables& tables, const THandCards& cards, const TUnitPays& pays);

// Exact result over all deals: everything is a ratio over a common denominator.
struct TReturnReport {
  __int128 Denominator = 1;
  __int128 PayNumerator = 0;  // expected pay for a stake of 1
  std::array<__int128, kMostOutcomes> OutcomeNumerators{};
  TUnitPays Pays{};  // the pay of each outcome the report was counted for
  int Outcomes = kOutcomeCount;

  double Return() const;  // expected pay for 1, e.g. 0.995439
  double Probability(int outcome) const;
  // Of one hand's pay for 1 (the same as of its result, pay minus stake).
  double Variance() const;
  double StandardDeviation() const;
  // The chance that the final hand pays anything.
  double HitFrequency() const;
  // 100 x expected pay, rounded half up to `decimals` places, as text.
  std::string ReturnPercentText(int decimals = 4) const;
};

// Every suit-isomorphic class of five-card deals with the number of deals it stands for.
struct TDealClass {
  THandCards Cards{};
  std::uint8_t Weight = 0;
};
// Of the 52-card deck, or of the deck of `cards` cards (the joker has no suit).
const std::vector<TDealClass>& DealClasses();
const std::vector<TDealClass>& DealClasses(int cards);

TReturnReport ComputeReturn(const TDrawTables& tables, const TPayTable& table, int threads = 2);
TReturnReport ComputeReturn(const TDrawTables& tables, const TUnitPays& pays, int threads = 2);

// Hold values over one denominator that every DrawCount divides: a hold's value is its
// expected pay for a stake of 1 times the scale, a whole number, so values compare and add
// up exactly. kHoldValueScale is the 52-card deck's.
inline constexpr std::int64_t kHoldValueScale = HoldValueScale(52);
static_assert(kHoldValueScale == 7669695);
// The values of the 32 holds of a deal class: bit j of the index holds the class's card j.
using THoldValues = std::array<std::int64_t, 32>;

// Where a deal class's subsets stand in the draw tables, and what its five cards make.
struct TClassSubsets {
  std::array<std::uint32_t, 32> Rank{};  // colex rank of the cards of each mask
  int Dealt = 0;                         // the outcome of the five cards
  TClassSubsets(const TDealClass& k, int dealt);
};

// Values every hold of every deal class under one pay table. Values() may run on several
// threads at once.
class THoldValueCounter {
 public:
  THoldValueCounter(const TDrawTables& tables, const TUnitPays& pays);
  ~THoldValueCounter();
  THoldValueCounter(const THoldValueCounter&) = delete;
  THoldValueCounter& operator=(const THoldValueCounter&) = delete;

  void Values(const TClassSubsets& k, THoldValues& values) const;
  void Values(const TDealClass& k, THoldValues& values) const;
  // The tables' hold value scale.
  std::int64_t Scale() const;

 private:
  const TDrawTables& FTables;
  std::unique_ptr<struct TClassValueData> FData;
};

// The outcome counts of many holds, each times a weight, summed. A hold's counts are a
// signed sum of table rows, so the tally keeps one weight per row and multiplies out once.
class TOutcomeTally {
 public:
  explicit TOutcomeTally(const TDrawTables& tables);
  // Adds weight x the outcome counts over all draws of hold `held` (bit j: card j) of k.
  void Add(const TClassSubsets& k, int held, std::int64_t weight);
  void Merge(const TOutcomeTally& other);
  std::array<__int128, kMostOutcomes> Sum() const;

 private:
  const TDrawTables& FTables;
  std::int64_t FWeight0 = 0;
  std::vector<std::int64_t> FWeight1, FWeight2, FWeight3, FWeight4;  // FWeight4 by class
  std::array<std::int64_t, kMostOutcomes> FFive{};                   // holds of all five cards
};

// The hold play picks: the highest value, the lowest index among equals.
int BestOf(const THoldValues& values);

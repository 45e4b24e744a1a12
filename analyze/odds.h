// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Exact draw odds: for any five dealt cards, the count of every final outcome for each of
// the 32 holds, and the return of a pay table under optimal play over all deals.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "evaluator.h"
#include "game_engine.h"
#include "settlement.h"

using TOutcomeCounts = std::array<std::int64_t, kOutcomeCount>;

// What one final outcome pays back for a stake of 1: multiplier + 1 for a win, 0 for a loss.
using TUnitPays = std::array<std::int64_t, kOutcomeCount>;
TUnitPays UnitPaysOf(const TPayTable& table);

// Number of ways to draw k replacements from the 47 unseen cards.
std::int64_t DrawCount(int replaced);

// Counts, over all 2,598,960 five-card hands, of how many hands containing a given set of
// up to five cards end in each outcome. Independent of the pay table.
class TDrawTables {
 public:
  // Builds the tables with up to `threads` worker threads (the result does not depend on it).
  static std::shared_ptr<const TDrawTables> Build(int threads = 2);

  // For the five cards `sorted` (distinct indexes 0..51 ascending, index = code - 1) and
  // every subset of them (bit j for sorted[j]): the outcome counts of all five-card hands
  // that contain the subset.
  void LoadSubsetCounts(const std::array<int, 5>& sorted,
                        std::array<TOutcomeCounts, 32>& counts) const;

  TDrawTables() = default;

 private:
  const std::uint8_t* Row4(std::uint32_t rank) const {
    return FClassCount4.data() + std::size_t{FClassOf4[rank]} * kOutcomeCount;
  }

  // By colex rank of the cards' indexes; a five-card set is evaluated when asked for. A set
  // of four counts as its suit class, whose counts its suits can't change: the class's
  // rows are few enough to stay in the processor's cache.
  std::vector<std::uint16_t> FClassOf4;
  std::vector<std::uint8_t> FClassCount4;
  std::vector<std::uint16_t> FCount3;
  std::vector<std::uint16_t> FCount2;
  std::vector<std::uint32_t> FCount1;
  std::array<std::uint32_t, kOutcomeCount> FCount0{};
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

// All 32 holds of five distinct cards (codes 1..52, in hand order), best first; holds of
// equal value keep ascending mask order, so the first one is the one play picks.
std::array<THoldOdds, 32> RankHolds(const TDrawTables& tables, const THandCards& cards,
                                    const TUnitPays& pays);
// The hold play picks: RankHolds(...)[0].Mask, without sorting the rest.
std::uint8_t BestHold(const TDrawTables& tables, const THandCards& cards, const TUnitPays& pays);

// Exact result over all deals: everything is a ratio over a common denominator.
struct TReturnReport {
  __int128 Denominator = 1;
  __int128 PayNumerator = 0;  // expected pay for a stake of 1
  std::array<__int128, kOutcomeCount> OutcomeNumerators{};

  double Return() const;  // expected pay for 1, e.g. 0.995439
  double Probability(TOutcome outcome) const;
  // 100 x expected pay, rounded half up to `decimals` places, as text.
  std::string ReturnPercentText(int decimals = 4) const;
};

// Every suit-isomorphic class of five-card deals with the number of deals it stands for.
struct TDealClass {
  THandCards Cards{};
  std::uint8_t Weight = 0;
};
const std::vector<TDealClass>& DealClasses();

TReturnReport ComputeReturn(const TDrawTables& tables, const TPayTable& table, int threads = 2);

// Hold values over one denominator that every DrawCount divides: a hold's value is its
// expected pay for a stake of 1 times kHoldValueScale, a whole number, so values compare and
// add up exactly.
inline constexpr std::int64_t kHoldValueScale = 7669695;
// The values of the 32 holds of a deal class: bit j of the index holds the class's card j.
using THoldValues = std::array<std::int64_t, 32>;

// Where a deal class's subsets stand in the draw tables, and what its five cards make.
struct TClassSubsets {
  std::array<std::uint32_t, 32> Rank{};  // colex rank of the cards of each mask
  TOutcome Dealt = ocNoPair;
  explicit TClassSubsets(const TDealClass& k);
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
  void Values(const TDealClass& k, THoldValues& values) const { Values(TClassSubsets(k), values); }

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
  std::array<__int128, kOutcomeCount> Sum() const;

 private:
  const TDrawTables& FTables;
  std::int64_t FWeight0 = 0;
  std::vector<std::int64_t> FWeight1, FWeight2, FWeight3, FWeight4;  // FWeight4 by class
  std::array<std::int64_t, kOutcomeCount> FFive{};                   // holds of all five cards
};

// The hold play picks: the highest value, the lowest index among equals.
int BestOf(const THoldValues& values);

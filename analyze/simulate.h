// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Plays hands exactly as the game does, through the engine's steps of a hand (hand_cycle.h),
// with the holds chosen by a strategy.

#include <cstdint>
#include <memory>

#include "game_odds.h"
#include "odds.h"
#include "play_stats.h"

enum TStrategy : std::uint8_t { stOptimal, stNone, stAll };

struct TSimulationSetup {
  std::uint32_t Seed = 0;
  TStrategy Strategy = stOptimal;
  std::int32_t Bet = kMinBet;
  std::int32_t Total = kStartTotal;
  TPayTable PayTable;
};

struct TSimulatedHand {
  std::uint32_t SeedBefore = 0;  // generator state before the shuffle
  THandCards Dealt{};
  std::uint8_t HeldMask = 0;  // bit i set: position i + 1 held
  THandCards Final{};
  THandResult Result;
  bool Won = false;
  std::int32_t Total = 0;  // after the settlement
};

class TSimulator {
 public:
  // `tables` is needed only for the optimal strategy.
  TSimulator(const TSimulationSetup& setup, std::shared_ptr<const TDrawTables> tables);

  const TSimulatedHand& PlayHand();

  const TPlayStats& Stats() const { return FStats; }
  std::int32_t Total() const { return FTotal; }
  std::int32_t Bet() const { return FBet; }

 private:
  std::uint8_t ChooseHold(const THandCards& dealt) const;

  TStrategy FStrategy;
  std::shared_ptr<const TDrawTables> FTables;
  TPayTable FPayTable;
  TUnitPays FPays{};
  TRandomSource FRandom;
  TDeck FDeck;
  std::int32_t FTotal;
  std::int32_t FBet;
  std::int32_t FBetMaximum = kMaxBet;
  TPlayStats FStats;
  TSimulatedHand FRecord;
};

// Any game of 52 cards played the same way: a freshly shuffled deck for each hand,
// the holds chosen by the strategy, and the bankroll moved by (pays for 1 - 1) x bet.
struct TGameSimulationSetup {
  std::uint32_t Seed = 0;
  TStrategy Strategy = stOptimal;
  std::int32_t Bet = kMinBet;
  std::int32_t Total = kStartTotal;
  TGamePays Table;
};

struct TGameSimulatedHand {
  std::uint32_t SeedBefore = 0;
  THandCards Dealt{};
  std::uint8_t HeldMask = 0;
  THandCards Final{};
  int Outcome = 0;  // index into the game's outcomes
  bool Won = false;
  std::int32_t Total = 0;
};

class TGameSimulator {
 public:
  // `tables` (the game's) is needed only for the optimal strategy.
  TGameSimulator(const TGameSimulationSetup& setup, std::shared_ptr<const TDrawTables> tables);

  const TGameSimulatedHand& PlayHand();

  std::int64_t Won() const { return FWon; }
  std::int64_t Lost() const { return FLost; }
  // Hands ended in each outcome.
  const std::vector<std::int64_t>& OutcomeCounts() const { return FOutcomeCounts; }
  std::int32_t Total() const { return FTotal; }

 private:
  std::uint8_t ChooseHold(const THandCards& dealt) const;
  void Deal(THandCards& cards);
  void Draw(THandCards& cards, std::uint8_t keptMask);

  TStrategy FStrategy;
  std::shared_ptr<const TDrawTables> FTables;
  const TGame& FGame;
  TUnitPays FPays{};
  TRandomSource FRandom;
  TDeck FDeck;
  std::int32_t FTotal;
  std::int32_t FBet;
  std::int32_t FBetMaximum = kMaxBet;
  std::int64_t FWon = 0;
  std::int64_t FLost = 0;
  std::vector<std::int64_t> FOutcomeCounts;
  TGameSimulatedHand FRecord;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// One hand as the hand history keeps it: what was dealt in which game under which pay table
// and bet, what the player held against the best hold with their exact values, how the hand
// ended, and the situation a mistake belongs to. Plain data: the advisor fills it, the history
// stores it.

#include <array>
#include <cstdint>
#include <string>

#include "evaluator.h"
#include "game_table.h"

struct THandRecord {
  std::int64_t Time = 0;          // when the hand was drawn, seconds since 1970 (UTC)
  std::int64_t SessionStart = 0;  // when the game that played it started, the same clock
  // The game and its multipliers, lowest line first (Jacks or Better's are H1..H9).
  TGameTable Table;
  std::int32_t Bet = 0;
  THandCards Dealt{};  // card codes of the game's deck (53: the joker), in hand order
  THandCards Final{};
  std::uint8_t HeldMask = 0;  // bit k - 1 set: card k was held
  std::uint8_t BestMask = 0;  // the best hold (the first of equal ones)
  double HeldCoins = 0;       // expected pay of each hold for the bet, in coins
  double BestCoins = 0;
  double Cost = 0;           // BestCoins - HeldCoins; 0 for a best hold
  std::uint8_t Outcome = 0;  // the final hand's outcome index in the game
  std::int32_t Win = 0;      // what the pay table paid for it: multiplier x bet, or -bet
  bool Practice = false;     // practice mode or a replay: no money moved
  // The situation of a mistake in the words of the game's strategy chart: the pattern the
  // player held against the pattern that was best. Empty for a best hold.
  std::string HeldPattern;
  std::string BestPattern;
};

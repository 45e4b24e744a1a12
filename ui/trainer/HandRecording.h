// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The hand history's record of a hand the strategy advisor judged: what was dealt in which
// game under which pay table and bet, the hold drawn with against the best one with their
// values, how the hand ended and, for a mistake, its situation in the words of the game's
// strategy chart.

#include <cstdint>

#include "advice.h"
#include "hand_record.h"

// How the hand was played beyond its advice.
struct TPlayedHand {
  std::uint8_t HeldMask = 0;
  THandCards Final{};
  bool Practice = false;  // no money moved: practice mode or a replay
  std::int64_t Time = 0;  // seconds since 1970 (UTC)
  std::int64_t SessionStart = 0;
};

// The advice was made for the hand's own game, pay table and bet.
THandRecord HandRecordOf(const THandAdvice& advice, const TGameTable& table,
                         const TPlayedHand& played);

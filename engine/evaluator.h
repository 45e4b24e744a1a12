// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Classifies a five-card hand into one of the ten result categories.

#include <array>
#include <cstdint>

#include "cards.h"

// Values double as statistics columns; 2..9 also select pay-table line and sound slot.
enum THandCategory : std::uint8_t {
  hcNoPair = 0,
  hcPair = 1,
  hcTwoPair = 2,
  hcThreeOfAKind = 3,
  hcStraight = 4,
  hcFlush = 5,
  hcFullHouse = 6,
  hcFourOfAKind = 7,
  hcStraightFlush = 8,
  hcRoyalFlush = 9,
};
constexpr int kHandCategoryCount = 10;

struct THandResult {
  THandCategory Category = hcNoPair;
  // Only for hcPair: the pair is jacks, queens, kings or aces.
  bool PayingPair = false;

  friend bool operator==(const THandResult&, const THandResult&) = default;
};

using THandCards = std::array<cdCardDeck, 5>;

// The cards must be five distinct codes 1..52; their order does not matter.
THandResult EvaluateHand(const THandCards& cards);

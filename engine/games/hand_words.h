// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// What every family's evaluator starts from: five card codes folded into a few bit masks
// with table look-ups and bit operations only, and the classification of a hand without a
// wild card, which every family shares.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "cards.h"
#include "evaluator.h"
#include "game_description.h"

// One word per card code: the rank bit in bits 0..12, the suit bit in bits 16..19 (all four
// for a wild card, which suits any flush) and bit 24 for a wild card, which has no rank bit.
using TCardWords = std::array<std::uint32_t, 256>;

constexpr TCardWords MakeCardWords(TWildCards wild) {
  TCardWords words{};
  for (int code = 1; code <= 53; ++code) {
    const bool joker = code == cdJoker;
    const int suit = joker ? 0 : (code - 1) / 13;
    const int rank = joker ? 0 : code - 13 * suit;
    const bool isWild = (wild == wcJoker && joker) || (wild == wcDeuces && rank == 2);
    if (isWild)
      words[code] = 0xFu << 16 | 1u << 24;
    else if (!joker)
      words[code] = std::uint32_t{RankBit(rank)} | 1u << (16 + suit);
  }
  return words;
}
inline constexpr TCardWords kNaturalWords = MakeCardWords(wcNone);
inline constexpr TCardWords kDeucesWords = MakeCardWords(wcDeuces);
inline constexpr TCardWords kJokerWords = MakeCardWords(wcJoker);

inline constexpr std::uint16_t kRoyalRanks = RankBits(10, 13) | RankBit(1);

struct THandWords {
  std::uint32_t Ranks = 0;    // rank bits of the natural cards
  std::uint32_t Odd = 0;      // ranks held an odd number of times
  std::uint32_t RankSum = 0;  // the rank bits added up: a rank held k times adds k x its bit
  std::uint32_t Suited = 0;   // nonzero when every card (wilds included) suits one suit
  int Wilds = 0;
};

// Plain locals, not an array: the words stay in registers.
inline THandWords HandWordsOf(const TCardWords& words, const THandCards& cards) {
  const std::uint32_t c0 = words[cards[0]], c1 = words[cards[1]], c2 = words[cards[2]],
                      c3 = words[cards[3]], c4 = words[cards[4]];
  constexpr std::uint32_t kRankMask = 0x1FFFu;
  THandWords h;
  h.Ranks = (c0 | c1 | c2 | c3 | c4) & kRankMask;
  h.Odd = (c0 ^ c1 ^ c2 ^ c3 ^ c4) & kRankMask;
  h.RankSum =
      (c0 & kRankMask) + (c1 & kRankMask) + (c2 & kRankMask) + (c3 & kRankMask) + (c4 & kRankMask);
  h.Suited = c0 & c1 & c2 & c3 & c4 & 0xF0000u;
  h.Wilds = static_cast<int>((c0 >> 24) + (c1 >> 24) + (c2 >> 24) + (c3 >> 24) + (c4 >> 24));
  return h;
}

// Distinct ranks that five consecutive ones take in, the ace low or high (10-A).
inline bool FitsRun(std::uint32_t ranks) {
  if ((ranks & ~std::uint32_t{kRoyalRanks}) == 0) return true;
  const int low = std::countr_zero(ranks);
  const int high = 31 - std::countl_zero(ranks);
  return high - low <= 4;
}

// Five distinct natural ranks that make a run.
inline bool IsRun(std::uint32_t ranks) {
  return ranks == kRoyalRanks || ranks >> std::countr_zero(ranks) == 0x1Fu;
}

// The outcome of a hand without a wild card, mapped by the game's tables.
inline std::uint8_t NaturalOutcome(const THandWords& h,
                                   const std::array<std::uint8_t, kMadeHandCount>& outcomeOf,
                                   const TQuadTable& quads, std::uint32_t payingPairs) {
  // Most hands have five ranks or one pair: test those first.
  const int ranks = std::popcount(h.Ranks);
  if (ranks == 5) {
    if (IsRun(h.Ranks)) {
      if (!h.Suited) return outcomeOf[mhStraight];
      return outcomeOf[h.Ranks == kRoyalRanks ? mhRoyalFlush : mhStraightFlush];
    }
    return outcomeOf[h.Suited ? mhFlush : mhNoPair];
  }
  // The pair is the one rank held an even number of times.
  if (ranks == 4) return outcomeOf[(h.Ranks ^ h.Odd) & payingPairs ? mhHighPair : mhLowPair];
  // Two pair leave one odd rank, three of a kind three.
  if (ranks == 3) return outcomeOf[std::popcount(h.Odd) == 1 ? mhTwoPair : mhThreeOfAKind];
  // Two ranks, both odd in a full house (three and two: the two is even, so Odd is the
  // three) and in four of a kind (Odd is the kicker): the sum tells which.
  const std::uint32_t other = h.Ranks ^ h.Odd;
  if (h.RankSum == 3 * h.Odd + 2 * other) return outcomeOf[mhFullHouse];
  // Codes that are no cards of the deck (or repeated ones) leave a mask empty here; they
  // stay in the table rather than read past it.
  const auto quad = static_cast<std::size_t>(std::min(std::countr_zero(other), 12));
  const auto kicker = static_cast<std::size_t>(std::min(std::countr_zero(h.Odd), 12));
  return quads[quad][kicker];
}
